#include <gtest/gtest.h>

#include "text.h"

using namespace morvane;

TEST(Text, Utf8RoundTripsAndRejectsWhatIsNotUtf8) {
    for (const std::string name : {"caf\xC3\xA9.jpg", "\xE2\x82\xAC", "\xF0\x9F\x93\xB7.png"})
        EXPECT_EQ(ToUtf8(FromUtf8(name).value_or(u"")), name);
    EXPECT_EQ(FromUtf8("\xF0\x9F\x93\xB7")->size(), 2u);  // a surrogate pair
    for (const char* bytes : {"\xFF", "a\xC3", "\xC0\xAF", "\xED\xA0\x80", "\xE0\x80\xAF", "\xF4\x90\x80\x80"})
        EXPECT_FALSE(FromUtf8(bytes).has_value());
    EXPECT_FALSE(ToUtf8(Text(1, char16_t(0xD800))).has_value());
    EXPECT_FALSE(ToUtf8(Text{char16_t(0xDC00), u'a'}).has_value());
}
