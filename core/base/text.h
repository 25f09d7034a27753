#pragma once
// Text as the renaming core sees it: strings of 16-bit characters, searched
// and compared exactly. Positions are counted from 1 with 0 meaning "not
// found"; Position() is the one place where the 0-based C++ index becomes
// such a position.
#include <optional>
#include <string>
#include <string_view>

namespace morvane {

using Text = std::u16string;

// Builds a Text from a plain ASCII literal (tests and fixed captions).
Text Ascii(std::string_view ascii);

// Position (from 1) of the first occurrence of needle in haystack, 0 when it
// does not occur. An empty needle is found at position 1.
int Position(const Text& haystack, const Text& needle);

// The character at position pos (from 1), or nothing when pos is outside.
std::optional<char16_t> CharAt(const Text& text, int pos);

// Characters from position pos (from 1), at most count of them.
Text Mid(const Text& text, int pos, int count);

bool IsDigit(char16_t c);

// Strict conversions for file names: invalid UTF-8 (or a lone surrogate in
// the other direction) gives nothing, never a replacement character, so a
// name can never silently turn into another one.
std::optional<Text> FromUtf8(std::string_view utf8);
std::optional<std::string> ToUtf8(const Text& text);

// Names of equal length that differ only in the case of ASCII letters or in
// characters beyond ASCII (whose case rules belong to the file system): two
// spellings a file system that ignores case may take for one name.
bool MayBeOtherSpelling(const Text& a, const Text& b);

// Decimal text of a whole number.
Text DecimalText(long long value);

}  // namespace morvane
