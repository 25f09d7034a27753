#include <gtest/gtest.h>

#include <random>

#include "error_number_checks.h"
#include "base/text.h"

using namespace morvane;

namespace {

// Eight ASCII bytes: ASCII is converted eight bytes (four units) at a time.
// Characters and stray bytes at every place around such blocks are the
// randomized test's; these rows are the characters whose low byte alone would
// pass for ASCII and the forms it never makes.
const std::string Run8 = "abcdefgh";

struct Utf8Row { const char* Name; std::string Bytes; std::optional<Text> Expected; };

}  // namespace

TEST(Text, FromUtf8AcceptsUtf8OnlyAroundAsciiRuns) {
    const Utf8Row rows[] = {
        {"empty", "", u""},
        {"two-byte", "caf\xC3\xA9.jpg", u"caf\u00e9.jpg"},
        {"four-byte gives a surrogate pair", "\xF0\x9F\x93\xB7", u"\U0001F4F7"},
        // Units whose low byte alone would pass for ASCII.
        {"U+0080 in a block of four", "abc\xC2\x80", u"abc\u0080"},
        {"U+0141 opening a block of four", "\xC5\x81" "bcd", u"\u0141bcd"},
        {"U+4100 after four ASCII", "abcd\xE4\x84\x80", u"abcd\u4100"},
        {"NUL inside a run", std::string("abc\0defgh", 9), Text(u"abc\0defgh", 9)},
        {"0xFF", "\xFF", std::nullopt},
        {"truncated two-byte", "a\xC3", std::nullopt},
        {"ASCII in place of a continuation byte", "\xC3" + Run8, std::nullopt},
        {"overlong slash", "\xC0\xAF", std::nullopt},
        {"overlong three-byte", "\xE0\x80\xAF", std::nullopt},
        {"encoded surrogate", "\xED\xA0\x80", std::nullopt},
        {"encoded surrogate after eight ASCII", Run8 + "\xED\xB0\x80", std::nullopt},
        {"past U+10FFFF", "\xF4\x90\x80\x80", std::nullopt},
    };
    // What decodes encodes back to the same bytes.
    for (const auto& row : rows)
        EXPECT_EQ(std::tuple(FromUtf8(row.Bytes), row.Expected ? ToUtf8(*row.Expected) : std::nullopt),
                  std::tuple(row.Expected, row.Expected ? std::optional(row.Bytes) : std::nullopt)) << row.Name;
}

TEST(Text, ToUtf8RejectsLoneSurrogatesAroundAsciiRuns) {
    const std::pair<const char*, Text> lone[] = {
        {"high surrogate alone", Text(1, char16_t(0xD800))},
        {"low surrogate first", Text{char16_t(0xDC00), u'a'}},
        {"high surrogate at the end of eight ASCII", u"abcdefgh" + Text(1, char16_t(0xDBFF))},
        {"low surrogate in a block of four", u"abc" + Text(1, char16_t(0xDFFF)) + u"defg"},
        {"high surrogate followed by ASCII", u"abcd" + Text(1, char16_t(0xD83D)) + u"efgh"},
        {"two high surrogates", Text{char16_t(0xD83D), char16_t(0xD83D), char16_t(0xDCF7)}},
    };
    for (const auto& [name, text] : lone) EXPECT_FALSE(ToUtf8(text).has_value()) << name;
}

// Texts of ASCII runs of every length mixed with characters of each UTF-8
// length: converting there and back gives the text again; one stray byte,
// or the last character (never ASCII) cut short, makes the bytes invalid.
TEST(Text, Utf8RandomizedRoundTripAndCorruption) {
    const unsigned seed = 20261207;
    std::printf("seed %u\n", seed);
    std::mt19937 random(seed);
    const Text others[] = {u"\u00e9", u"\u07ff", u"\u0800", u"\u20ac", u"\ud7ff", u"\ue000", u"\ufffd", u"\U00010000", u"\U0001F4F7", u"\U0010FFFF"};
    for (int round = 0; round < 2000; ++round) {
        SCOPED_TRACE(round);
        Text text;
        for (int piece = std::uniform_int_distribution<int>(0, 5)(random); piece > 0; --piece) {
            for (int k = std::uniform_int_distribution<int>(0, 19)(random); k > 0; --k)
                text.push_back(static_cast<char16_t>(std::uniform_int_distribution<int>(1, 0x7F)(random)));
            text += others[std::uniform_int_distribution<std::size_t>(0, std::size(others) - 1)(random)];
        }
        const auto bytes = ToUtf8(text);
        ASSERT_TRUE(bytes.has_value());
        ASSERT_EQ(FromUtf8(*bytes), text);
        std::string stray = *bytes;
        const char strayByte = (round % 2) ? '\x80' : '\xFF';
        stray.insert(std::uniform_int_distribution<std::size_t>(0, stray.size())(random), 1, strayByte);
        EXPECT_FALSE(FromUtf8(stray).has_value());
        EXPECT_TRUE(text.empty() || !FromUtf8(bytes->substr(0, bytes->size() - 1)).has_value()) << "last character cut short";
    }
}
