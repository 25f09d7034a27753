#include "naming/numeric_mask.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <string>

namespace morvane {

namespace {

// Above this many decimal places the exponent no longer matters: the value is
// far outside single precision one way or the other.
constexpr long ExponentCap = 100000;

bool WithinSingleRange(const Text& number, char16_t decimalSeparator) {
    std::size_t i = 0;
    const std::size_t n = number.size();
    std::string significant;  // mantissa digits without leading zeros
    long scale = 0;           // value = 0.<significant> * 10^scale
    bool seenSeparator = false;
    bool anyDigit = false;
    for (; i < n; ++i) {
        const char16_t c = number[i];
        if (IsDigit(c)) {
            anyDigit = true;
            if (significant.empty() && c == u'0') {
                if (seenSeparator) --scale;
                continue;
            }
            significant.push_back(static_cast<char>(c));
            if (!seenSeparator) ++scale;
        } else if (c == decimalSeparator && !seenSeparator) {
            seenSeparator = true;
        } else {
            break;
        }
    }
    if (!anyDigit) return false;

    if (i < n && (number[i] == u'e' || number[i] == u'E')) {
        ++i;
        bool negative = false;
        if (i < n && (number[i] == u'+' || number[i] == u'-')) negative = number[i++] == u'-';
        const std::size_t expStart = i;
        long exponent = 0;
        for (; i < n && IsDigit(number[i]); ++i)
            exponent = std::min(ExponentCap, exponent * 10 + (number[i] - u'0'));
        if (i == expStart) return false;
        scale += negative ? -exponent : exponent;
    }
    if (i != n) return false;

    // Zero, and anything too small to tell from it, is in range.
    if (significant.empty() || scale < -60) return true;
    if (scale > 60) return false;
    const std::string canonical = "0." + significant + "e" + std::to_string(scale);
    double value = 0;
    std::from_chars(canonical.data(), canonical.data() + canonical.size(), value);
    return std::fabs(value) <= FLT_MAX;
}

}  // namespace

bool IsNumericMask(const Text& mask, char16_t decimalSeparator) {
    if (mask.find_first_of(u"-+") != Text::npos) return false;
    const auto first = mask.find_first_not_of(u' ');
    if (first == Text::npos) return false;
    const auto last = mask.find_last_not_of(u' ');
    return WithinSingleRange(mask.substr(first, last - first + 1), decimalSeparator);
}

}  // namespace morvane
