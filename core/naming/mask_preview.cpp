#include "naming/mask_preview.h"

#include <algorithm>

#include "base/error_numbers.h"
#include "naming/file_name_rules.h"
#include "naming/numeric_mask.h"
#include "naming/running_number.h"

namespace morvane {

namespace {

const Text LetteringMark = u"!";

Text FirstChars(const Text& text, int count) { return Mid(text, 1, count); }

Text LastChars(const Text& text, int count) {
    return Mid(text, static_cast<int>(text.size()) - count + 1, count);
}

// The first digit of the mask within its first maskLength characters, or
// maskLength + 1 when there is none there.
int FirstDigitPosition(const Text& mask, int maskLength) {
    int first = maskLength + 1;
    for (char16_t d = u'0'; d <= u'9'; ++d) {
        const int q = Position(mask, Text(1, d));
        if (q != 0 && q < first) first = q;
    }
    return first;
}

}  // namespace

ExtractResult Extract(const MaskAnalysis& previous, const Text& exampleName, const Text& maskText,
                      const Options& options, char16_t decimalSeparator, const std::optional<WallClock>& exampleDate) {
    ExtractResult failed{ErrNotANumber, previous, {}};

    // Everything is decided before the analysis changes, so that an option
    // that does not read leaves the last analysis as it was.
    const auto lettering = options.LetteringInForce();
    if (!lettering) return failed;

    const int maskLength = std::min(static_cast<int>(maskText.size()), MaxMaskLength);
    const bool empty = maskText.empty();
    const bool numeric = !empty && IsNumericMask(maskText, decimalSeparator);
    const int firstDigitPos = FirstDigitPosition(maskText, maskLength);
    const bool textWithoutDigits = !empty && !numeric && firstDigitPos == maskLength + 1;
    const bool numbered = empty || (textWithoutDigits && (*lettering == LetteringPosition::None || maskText.size() == 1));

    const auto startNumber = options.FirstNumber();
    if (numbered && !startNumber) return failed;

    MaskAnalysis a = previous;
    a.MaskPos = Position(exampleName, maskText);
    a.LetteringPos = *lettering;
    a.Mask = maskText;
    Text prefix = options.Prefix;
    if (options.DateInName != DateChoice::None)
        prefix += exampleDate ? FormatDate(options.DateFormat, *exampleDate) : options.DateFormat;
    const Text suffix = options.Suffix + ExtensionOf(exampleName);
    const Text numberPart = startNumber ? ZeroPadFor(*startNumber) + *startNumber : Text();
    auto done = [&a](MaskMode mode, Text example) {
        a.MaskMode = mode;
        return ExtractResult{ErrNone, a, std::move(example)};
    };

    if (empty) return done(MaskMode::Empty, prefix + numberPart + suffix);

    a.MaskLength = maskLength;
    if (numeric) return done(MaskMode::Numeric, prefix + a.Mask + suffix);

    if (textWithoutDigits) {
        if (numbered) return done(MaskMode::TextNumbered, prefix + a.Mask + u"-" + numberPart + suffix);
        if (*lettering == LetteringPosition::First) {
            a.Mask = LastChars(maskText, maskLength - 1);
            return done(MaskMode::TextLettering, prefix + LetteringMark + a.Mask + suffix);
        }
        a.Mask = FirstChars(maskText, maskLength - 1);
        return done(MaskMode::TextLettering, prefix + a.Mask + LetteringMark + suffix);
    }

    for (int i = 1; i <= maskLength; ++i) {
        const char16_t c = *CharAt(maskText, i);
        a.MaskChars[static_cast<std::size_t>(i)] = IsDigit(c) ? NumberEntry : Text(1, c);
    }
    if (*lettering == LetteringPosition::First && a.MaskChars[1] != NumberEntry) {
        a.Mask = LastChars(maskText, maskLength - 1);
        return done(MaskMode::PatternLettering, prefix + LetteringMark + a.Mask + suffix);
    }
    if (*lettering == LetteringPosition::Last && a.MaskChars[static_cast<std::size_t>(maskLength)] != NumberEntry) {
        a.Mask = FirstChars(maskText, maskLength - 1);
        return done(MaskMode::PatternLettering, prefix + a.Mask + LetteringMark + suffix);
    }
    return done(MaskMode::Pattern, prefix + a.Mask + suffix);
}


}  // namespace morvane
