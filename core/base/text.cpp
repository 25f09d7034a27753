#include "base/text.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace morvane {

Text Ascii(std::string_view ascii) { return Text(ascii.begin(), ascii.end()); }

int Position(const Text& haystack, const Text& needle) {
    const auto at = haystack.find(needle);
    return at == Text::npos ? 0 : static_cast<int>(at) + 1;
}

std::optional<char16_t> CharAt(const Text& text, int pos) {
    if (pos < 1 || static_cast<std::size_t>(pos) > text.size()) return std::nullopt;
    return text[static_cast<std::size_t>(pos) - 1];
}

Text Mid(const Text& text, int pos, int count) {
    if (pos < 1 || count <= 0 || static_cast<std::size_t>(pos) > text.size()) return {};
    return text.substr(static_cast<std::size_t>(pos) - 1, static_cast<std::size_t>(count));
}

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

namespace {

// Whether the 8 bytes at p hold no byte with its high bit set: for UTF-8,
// eight ASCII characters; for UTF-16, four characters below U+0080.
bool NoHighBits(const void* p, std::uint64_t highBits) {
    std::uint64_t word;
    std::memcpy(&word, p, sizeof word);
    return (word & highBits) == 0;
}

constexpr std::uint64_t HighBitOfEachByte = 0x8080808080808080;
constexpr std::uint64_t NonAsciiBitsOfEachUnit = 0xFF80FF80FF80FF80;

}  // namespace

std::optional<Text> FromUtf8(std::string_view utf8) {
    const auto* in = reinterpret_cast<const unsigned char*>(utf8.data());
    const std::size_t n = utf8.size();
    // Most names are ASCII through and through: then they are widened as
    // they are, into a text of their exact size.
    std::size_t ascii = 0;
    while (n - ascii >= 8 && NoHighBits(in + ascii, HighBitOfEachByte)) ascii += 8;
    while (ascii < n && in[ascii] < 0x80) ++ascii;
    if (ascii == n) return Text(in, in + n);
    // Never more UTF-16 units than bytes; trimmed at the end.
    Text out(n, u'\0');
    char16_t* o = std::copy(in, in + ascii, out.data());
    std::size_t i = ascii;
    while (i < n) {
        // Runs of ASCII further on: eight bytes at a time too.
        if (n - i >= 8 && NoHighBits(in + i, HighBitOfEachByte)) {
            for (std::size_t k = 0; k < 8; ++k) o[k] = in[i + k];
            o += 8;
            i += 8;
            continue;
        }
        const unsigned char b0 = in[i];
        char32_t cp;
        std::size_t len;
        if (b0 < 0x80) { cp = b0; len = 1; }
        else if (b0 >= 0xC2 && b0 <= 0xDF) { cp = b0 & 0x1F; len = 2; }
        else if (b0 >= 0xE0 && b0 <= 0xEF) { cp = b0 & 0x0F; len = 3; }
        else if (b0 >= 0xF0 && b0 <= 0xF4) { cp = b0 & 0x07; len = 4; }
        else return std::nullopt;
        if (len > n - i) return std::nullopt;
        for (std::size_t k = 1; k < len; ++k) {
            const unsigned char b = in[i + k];
            if ((b & 0xC0) != 0x80) return std::nullopt;
            cp = (cp << 6) | (b & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
        if ((len == 3 && cp < 0x800) || (len == 4 && (cp < 0x10000 || cp > 0x10FFFF)) ||
            (cp >= 0xD800 && cp <= 0xDFFF))
            return std::nullopt;
        if (cp >= 0x10000) {
            cp -= 0x10000;
            *o++ = static_cast<char16_t>(0xD800 + (cp >> 10));
            *o++ = static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
        } else {
            *o++ = static_cast<char16_t>(cp);
        }
        i += len;
    }
    out.resize(static_cast<std::size_t>(o - out.data()));
    return out;
}

std::optional<std::string> ToUtf8(const Text& text) {
    const char16_t* in = text.data();
    const std::size_t n = text.size();
    // First the length, which also finds lone surrogates, so that the bytes
    // go into a string of their exact size.
    std::size_t length = 0;
    for (std::size_t i = 0; i < n;) {
        if (n - i >= 4 && NoHighBits(in + i, NonAsciiBitsOfEachUnit)) {
            length += 4;
            i += 4;
            continue;
        }
        const char16_t c = in[i];
        if (c >= 0xD800 && c <= 0xDBFF) {
            if (i + 1 >= n || in[i + 1] < 0xDC00 || in[i + 1] > 0xDFFF) return std::nullopt;
            length += 4;
            i += 2;
            continue;
        }
        if (c >= 0xDC00 && c <= 0xDFFF) return std::nullopt;
        length += c < 0x80 ? 1 : c < 0x800 ? 2 : 3;
        ++i;
    }
    std::string out(length, '\0');
    char* o = out.data();
    if (length == n) {  // all ASCII
        for (std::size_t i = 0; i < n; ++i) o[i] = static_cast<char>(in[i]);
        return out;
    }
    for (std::size_t i = 0; i < n; ++i) {
        char32_t cp = in[i];
        if (cp >= 0xD800 && cp <= 0xDBFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (in[i + 1] - 0xDC00);
            ++i;
        }
        if (cp < 0x80) {
            *o++ = static_cast<char>(cp);
        } else if (cp < 0x800) {
            *o++ = static_cast<char>(0xC0 | (cp >> 6));
            *o++ = static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            *o++ = static_cast<char>(0xE0 | (cp >> 12));
            *o++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            *o++ = static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            *o++ = static_cast<char>(0xF0 | (cp >> 18));
            *o++ = static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            *o++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            *o++ = static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    return out;
}

Text DecimalText(long long value) { return Ascii(std::to_string(value)); }

bool MayBeOtherSpelling(const Text& a, const Text& b) {
    if (a.size() != b.size()) return false;
    const auto asciiLetter = [](char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); };
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] == b[i]) continue;
        const bool letters = asciiLetter(a[i]) && (a[i] | 0x20) == (b[i] | 0x20);
        if (!letters && (a[i] < 0x80 || b[i] < 0x80)) return false;
    }
    return true;
}

}  // namespace morvane
