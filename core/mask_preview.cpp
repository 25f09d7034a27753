#include "mask_preview.h"

#include <algorithm>

#include "error_numbers.h"
#include "file_name_rules.h"
#include "numeric_mask.h"
#include "running_number.h"

namespace morvane {

namespace {

const Text LetteringMark = u"!";
const Text NumberEntry = u"Number";

// The lettering position option as 0, 1 or 2; nothing for any other text.
std::optional<int> ReadLetteringPosition(const Text& option) {
    const auto digits = DecimalDigits(option);
    if (!digits) return std::nullopt;
    const auto first = digits->find_first_not_of(u'0');
    if (first == Text::npos) return 0;
    const Text value = digits->substr(first);
    if (value == u"1") return 1;
    if (value == u"2") return 2;
    return std::nullopt;
}

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

ExtractResult Extract(WorkState& ws, const Text& exampleName, const Text& maskText,
                      const OptionTexts& options, char16_t decimalSeparator) {
    const ExtractResult notANumber{u"Error # " + DecimalText(ErrNotANumber), false};

    // Everything is decided before the work state is touched, so that an
    // option that does not read leaves the last analysis as it was.
    const auto lettering = ReadLetteringPosition(options.LetteringPosition);
    if (!lettering) return notANumber;

    const int maskLength = std::min(static_cast<int>(maskText.size()), MaxMaskLength);
    const bool empty = maskText.empty();
    const bool numeric = !empty && IsNumericMask(maskText, decimalSeparator);
    const int firstDigitPos = FirstDigitPosition(maskText, maskLength);
    const bool textWithoutDigits = !empty && !numeric && firstDigitPos == maskLength + 1;
    const bool numbered = empty || (textWithoutDigits && (*lettering == 0 || maskText.size() == 1));

    const auto startNumber = ReadStartNumber(options.StartNumber);
    if (numbered && !startNumber) return notANumber;

    const Text extension = ExtensionOf(exampleName);
    ws.MaskPos = Position(exampleName, maskText);
    ws.LetteringPos = *lettering;
    ws.Extensions[0] = extension;
    ws.CurrentName = extension.empty() ? exampleName : extension.substr(1);
    ws.StartNumber = startNumber.value_or(options.StartNumber);
    ws.ZeroPad = startNumber ? ZeroPadFor(*startNumber) : Text();
    ws.Mask = maskText;

    const Text& prefix = options.Prefix;
    const Text suffix = options.Sufix + extension;
    const Text numberPart = ws.ZeroPad + ws.StartNumber;

    if (empty) {
        ws.MaskMode = 1;
        return {prefix + numberPart + suffix, true};
    }

    ws.MaskLength = maskLength;
    ws.FirstDigitPos = firstDigitPos;
    if (numeric) {
        ws.MaskMode = 2;
        return {prefix + ws.Mask + suffix, true};
    }

    if (textWithoutDigits) {
        if (numbered) {
            ws.MaskMode = 3;
            return {prefix + ws.Mask + u"-" + numberPart + suffix, true};
        }
        ws.MaskMode = 4;
        if (*lettering == 1) {
            ws.Mask = LastChars(maskText, maskLength - 1);
            return {prefix + LetteringMark + ws.Mask + suffix, true};
        }
        ws.Mask = FirstChars(maskText, maskLength - 1);
        return {prefix + ws.Mask + LetteringMark + suffix, true};
    }

    for (int i = 1; i <= maskLength; ++i) {
        const char16_t c = *CharAt(maskText, i);
        ws.MaskChars[static_cast<std::size_t>(i)] = IsDigit(c) ? NumberEntry : Text(1, c);
    }
    if (*lettering == 1 && ws.MaskChars[1] != NumberEntry) {
        ws.MaskMode = 6;
        ws.Mask = LastChars(maskText, maskLength - 1);
        return {prefix + LetteringMark + ws.Mask + suffix, true};
    }
    if (*lettering == 2 && ws.MaskChars[static_cast<std::size_t>(maskLength)] != NumberEntry) {
        ws.MaskMode = 6;
        ws.Mask = FirstChars(maskText, maskLength - 1);
        return {prefix + ws.Mask + LetteringMark + suffix, true};
    }
    ws.MaskMode = 5;
    return {prefix + ws.Mask + suffix, true};
}

std::optional<Text> ChooseExample(WorkState& ws, const std::vector<Text>& entries,
                                  const std::vector<bool>& selected) {
    // The bound is capped like a pass's so that no one walks the tables past
    // their end with it; the search for the selection covers the whole list.
    ws.LastIndex = std::min(static_cast<int>(entries.size()) - 1, MaxJournalIndex);
    const std::size_t count = std::min(entries.size(), selected.size());
    for (std::size_t i = 0; i < count; ++i)
        if (selected[i]) return entries[i];
    return std::nullopt;
}

}  // namespace morvane
