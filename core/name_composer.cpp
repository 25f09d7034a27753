#include "name_composer.h"

#include <algorithm>
#include <vector>

#include "error_numbers.h"
#include "file_name_rules.h"
#include "running_number.h"

namespace morvane {

namespace {

const Text NumberEntry = u"Number";

struct Composition {
    WorkState& ws;
    int count;
    const OptionTexts& options;
    std::vector<bool> composed;  // false: the file keeps its name

    const Text& Name(int i) const { return ws.OldNames[static_cast<std::size_t>(i)]; }

    void Give(int i, const Text& middle) {
        ws.NewNames[static_cast<std::size_t>(i)] = options.Prefix + middle + options.Sufix;
        composed[static_cast<std::size_t>(i)] = true;
    }

    // Takes the first running number from the option; false when the option
    // does not read as a number.
    bool StartNumbering() {
        const auto start = ReadStartNumber(options.StartNumber);
        if (!start) return false;
        ws.StartNumber = *start;
        return true;
    }

    Text TakeNumber() {
        ws.ZeroPad = ZeroPadFor(ws.StartNumber);
        Text part = ws.ZeroPad + ws.StartNumber;
        ws.StartNumber = NextNumber(ws.StartNumber);
        return part;
    }

    // Modes 2, 5 and 6: the text at the mask's place in each file's base name
    // becomes its new name when every character the pattern tests fits.
    // skipped is the pattern position left untested (0 for none).
    template <typename Fits>
    int ComposeFromWindows(int start, int length, int skipped, Fits fits) {
        for (int i = 0; i < count; ++i) {
            const int baseLength = static_cast<int>(BaseNameOf(Name(i)).size());
            if (start + length - 1 > baseLength) continue;
            // The mask was not where the example said: no window to take.
            if (start < 1) return ErrInvalidPosition;
            bool matches = true;
            for (int j = 1; j <= length && matches; ++j)
                if (j != skipped) matches = fits(j, *CharAt(Name(i), start + j - 1));
            if (matches) Give(i, Mid(Name(i), start, length));
        }
        return ErrNone;
    }

    int NumberAll() {
        if (count > 0 && !StartNumbering()) return ErrNotANumber;
        for (int i = 0; i < count; ++i) Give(i, TakeNumber());
        return ErrNone;
    }

    int NumericWindows(const Text& exampleName) {
        const int start = Position(exampleName, ws.Mask);
        ws.MaskLength = static_cast<int>(ws.Mask.size());
        return ComposeFromWindows(start, ws.MaskLength, 0, [](int, char16_t c) { return IsDigit(c); });
    }

    int NumberThoseWithMask() {
        if (count > 0 && !StartNumbering()) return ErrNotANumber;
        for (int i = 0; i < count; ++i)
            if (Position(Name(i), ws.Mask) != 0) Give(i, ws.Mask + u"-" + TakeNumber());
        return ErrNone;
    }

    int KeepLettering() {
        const bool first = ws.LetteringPos == 1;
        for (int i = 0; i < count; ++i) {
            const int q = Position(Name(i), ws.Mask);
            if (q == 0) continue;
            if (first) {
                const auto lettering = CharAt(Name(i), q - 1);
                if (!lettering) return ErrInvalidPosition;
                Give(i, *lettering + ws.Mask);
            } else {
                // Empty when the mask ends the name.
                const auto lettering = CharAt(Name(i), q + ws.MaskLength - 1);
                Give(i, lettering ? ws.Mask + *lettering : ws.Mask);
            }
        }
        return ErrNone;
    }

    int PatternWindows() {
        const int length = ws.MaskLength;
        int skipped = 0;
        if (ws.MaskMode == 6) skipped = ws.LetteringPos == 1 ? 1 : ws.LetteringPos == 2 ? length : 0;
        return ComposeFromWindows(ws.MaskPos, length, skipped, [this](int j, char16_t c) {
            const Text& entry = ws.MaskChars[static_cast<std::size_t>(j)];
            return entry == NumberEntry ? IsDigit(c) : entry == Text(1, c);
        });
    }

    int Compose(const Text& exampleName) {
        switch (ws.MaskMode) {
            case 1: return NumberAll();
            case 2: return NumericWindows(exampleName);
            case 3: return NumberThoseWithMask();
            case 4: return KeepLettering();
            case 5:
            case 6: return PatternWindows();
            default: return ErrNone;  // no "Extract" yet: nothing is renamed
        }
    }
};

}  // namespace

int ComposeNewNames(WorkState& ws, int count, const OptionTexts& options, const Text& exampleName) {
    count = std::clamp(count, 0, MaxJournalIndex + 1);
    for (int i = 0; i < count; ++i) {
        const Text& name = ws.OldNames[static_cast<std::size_t>(i)];
        const Text extension = ExtensionOf(name);
        ws.Extensions[static_cast<std::size_t>(i)] = extension;
        ws.NewNames[static_cast<std::size_t>(i)].clear();
        ws.CurrentName = extension.empty() ? name : extension.substr(1);
    }

    Composition composition{ws, count, options, std::vector<bool>(static_cast<std::size_t>(count), false)};
    if (const int error = composition.Compose(exampleName); error != ErrNone) return error;

    for (int i = 0; i < count; ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (!composition.composed[at]) {
            ws.NewNames[at] = ws.OldNames[at];
        } else if (!IsPlainFileName(ws.NewNames[at] + ws.Extensions[at])) {
            // A prefix such as "../" or an overlong name would move or lose
            // the file: refuse the whole pass before any file is touched.
            return ErrBadFileName;
        }
    }
    return ErrNone;
}

}  // namespace morvane
