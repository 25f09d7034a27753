#include "text.h"

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

std::optional<Text> FromUtf8(std::string_view utf8) {
    Text out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto b0 = static_cast<unsigned char>(utf8[i]);
        char32_t cp;
        std::size_t len;
        if (b0 < 0x80) { cp = b0; len = 1; }
        else if (b0 >= 0xC2 && b0 <= 0xDF) { cp = b0 & 0x1F; len = 2; }
        else if (b0 >= 0xE0 && b0 <= 0xEF) { cp = b0 & 0x0F; len = 3; }
        else if (b0 >= 0xF0 && b0 <= 0xF4) { cp = b0 & 0x07; len = 4; }
        else return std::nullopt;
        if (i + len > utf8.size()) return std::nullopt;
        for (std::size_t k = 1; k < len; ++k) {
            const auto b = static_cast<unsigned char>(utf8[i + k]);
            if ((b & 0xC0) != 0x80) return std::nullopt;
            cp = (cp << 6) | (b & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
        if ((len == 3 && cp < 0x800) || (len == 4 && (cp < 0x10000 || cp > 0x10FFFF)) ||
            (cp >= 0xD800 && cp <= 0xDFFF))
            return std::nullopt;
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(cp));
        }
        i += len;
    }
    return out;
}

std::optional<std::string> ToUtf8(const Text& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t cp = text[i];
        if (cp >= 0xD800 && cp <= 0xDBFF) {
            if (i + 1 >= text.size() || text[i + 1] < 0xDC00 || text[i + 1] > 0xDFFF) return std::nullopt;
            cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xDC00 && cp <= 0xDFFF) {
            return std::nullopt;
        }
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

Text DecimalText(long long value) { return Ascii(std::to_string(value)); }

}  // namespace morvane
