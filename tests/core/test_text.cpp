#include <gtest/gtest.h>

#include "text.h"

using namespace morvane;

TEST(Text, PositionsCountFromOneAndZeroMeansAbsent) {
    EXPECT_EQ(Position(u"IMG_0042.JPG", u"0042"), 5);
    EXPECT_EQ(Position(u"IMG_0042.JPG", u"img"), 0);
    EXPECT_EQ(Position(u"abc", u""), 1);
    EXPECT_EQ(Mid(u"abcdef", 2, 3), u"bcd");
    EXPECT_EQ(Mid(u"abc", 3, 5), u"c");
    EXPECT_EQ(Mid(u"abc", 0, 2), u"");
    EXPECT_FALSE(CharAt(u"abc", 0).has_value());
    EXPECT_EQ(CharAt(u"abc", 3), u'c');
}

TEST(Text, Utf8RoundTripsAndRejectsWhatIsNotUtf8) {
    const std::string names[] = {"plain.txt", "caf\xC3\xA9.jpg", "\xE2\x82\xAC", "\xF0\x9F\x93\xB7.png"};
    for (const auto& name : names) {
        const auto text = FromUtf8(name);
        ASSERT_TRUE(text.has_value()) << name;
        EXPECT_EQ(ToUtf8(*text), name);
    }
    EXPECT_EQ(FromUtf8("\xF0\x9F\x93\xB7")->size(), 2u);  // a surrogate pair

    const std::string invalid[] = {"\xFF", "a\xC3", "\xC0\xAF", "\xED\xA0\x80", "\xE0\x80\xAF", "\xF4\x90\x80\x80"};
    for (const auto& bytes : invalid) EXPECT_FALSE(FromUtf8(bytes).has_value());

    EXPECT_FALSE(ToUtf8(Text(1, char16_t(0xD800))).has_value());
    EXPECT_FALSE(ToUtf8(Text{char16_t(0xDC00), u'a'}).has_value());
}
