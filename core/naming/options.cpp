#include "naming/options.h"

#include "naming/running_number.h"

namespace morvane {

std::optional<Text> Options::FirstNumber() const { return ReadStartNumber(StartNumber); }

std::optional<LetteringPosition> Options::LetteringInForce() const {
    return OddLettering.empty() ? std::optional(Lettering) : ReadLettering(OddLettering);
}

std::optional<LetteringPosition> ReadLettering(const Text& stored) {
    const auto digits = DecimalDigits(stored);
    if (!digits) return std::nullopt;
    const auto first = digits->find_first_not_of(u'0');
    if (first == Text::npos) return LetteringPosition::None;
    const Text value = digits->substr(first);
    if (value == u"1") return LetteringPosition::First;
    if (value == u"2") return LetteringPosition::Last;
    return std::nullopt;
}

}  // namespace morvane
