#include "naming/running_number.h"

namespace morvane {

namespace {

Text WithoutLeadingZeros(const Text& digits) {
    const auto first = digits.find_first_not_of(u'0');
    return first == Text::npos ? Text(u"0") : digits.substr(first);
}

}  // namespace

std::optional<Text> DecimalDigits(const Text& text) {
    const auto first = text.find_first_not_of(u' ');
    if (first == Text::npos) return std::nullopt;
    const auto last = text.find_last_not_of(u' ');
    Text digits = text.substr(first, last - first + 1);
    for (const char16_t c : digits)
        if (!IsDigit(c)) return std::nullopt;
    return digits;
}

std::optional<Text> ReadStartNumber(const Text& option) {
    return option.empty() ? Text(u"1") : DecimalDigits(option);
}

Text ZeroPadFor(const Text& digits) {
    switch (WithoutLeadingZeros(digits).size()) {
        case 1: return u"000";
        case 2: return u"00";
        case 3: return u"0";
        default: return {};
    }
}

Text NextNumber(const Text& digits) {
    Text next = WithoutLeadingZeros(digits);
    for (auto it = next.rbegin(); it != next.rend(); ++it) {
        if (*it != u'9') {
            ++*it;
            return next;
        }
        *it = u'0';
    }
    return u"1" + next;
}

}  // namespace morvane
