#include "naming/name_composer.h"

#include <algorithm>
#include <map>
#include <utility>

#include "naming/file_name_rules.h"
#include "naming/running_number.h"

namespace morvane {

namespace {

class Composition {
public:
    Composition(const std::vector<Text>& listed, const MaskAnalysis& analysis, const Options& options,
                const std::vector<std::optional<FileDate>>& dates)
        : listed_(listed), a_(analysis), options_(options), dates_(dates),
          dated_(options.DateInName != DateChoice::None), composed_(listed.size()), given_(listed.size(), false),
          undated_(listed.size(), false) {}

    ErrorNumber Compose(const Text& exampleName) {
        switch (a_.MaskMode) {
            case MaskMode::Empty: return NumberAll();
            case MaskMode::Numeric: return NumericWindows(exampleName);
            case MaskMode::TextNumbered: return NumberThoseWithMask();
            case MaskMode::TextLettering: return KeepLettering();
            case MaskMode::Pattern:
            case MaskMode::PatternLettering: return PatternWindows();
            case MaskMode::NotAnalysed: break;
        }
        return ErrNone;  // no "Extract" yet: every file keeps its name
    }

    // The composed name of file i without extension, or nothing when the rule leaves it alone.
    const Text* ComposedName(std::size_t i) const { return given_[i] ? &composed_[i] : nullptr; }
    // The rule names file i, but the date its name needs is unknown.
    bool Undated(std::size_t i) const { return undated_[i]; }
    // The date in file i's name, when it has one.
    const FileDate* DateOf(std::size_t i) const {
        return dated_ && i < dates_.size() && dates_[i] ? &*dates_[i] : nullptr;
    }

private:
    int Count() const { return static_cast<int>(listed_.size()); }
    const Text& Name(int i) const { return listed_[static_cast<std::size_t>(i)]; }

    // Whether file i can have a name: it needs no date, or its date is known.
    bool Datable(int i) {
        const auto at = static_cast<std::size_t>(i);
        if (!dated_ || DateOf(at)) return true;
        undated_[at] = true;
        return false;
    }

    void Give(int i, const Text& middle) {
        if (!Datable(i)) return;
        const auto at = static_cast<std::size_t>(i);
        const FileDate* date = DateOf(at);
        composed_[at] = options_.Prefix + (date ? FormatDate(options_.DateFormat, date->When) : Text()) + middle +
                        options_.Suffix;
        given_[at] = true;
    }

    // Takes the first running number from the option; false when it does not read.
    bool StartNumbering() {
        const auto start = options_.FirstNumber();
        if (!start) return false;
        start_ = number_ = *start;
        return true;
    }

    // File i's running number: the list's, or that of its day.
    Text TakeNumber(int i) {
        const FileDate* date = DateOf(static_cast<std::size_t>(i));
        Text& number = options_.NumberPerDay && date ? dayNumbers_.try_emplace(DayOf(date->When), start_).first->second
                                                     : number_;
        Text part = ZeroPadFor(number) + number;
        number = NextNumber(number);
        return part;
    }

    // Modes 2, 5 and 6: the text at the mask's place in each file's base name
    // becomes its new name when every character the pattern tests fits.
    // skipped is the pattern position left untested (0 for none).
    template <typename Fits>
    ErrorNumber ComposeFromWindows(int start, int length, int skipped, Fits fits) {
        for (int i = 0; i < Count(); ++i) {
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

    ErrorNumber NumberAll() {
        if (Count() > 0 && !StartNumbering()) return ErrNotANumber;
        for (int i = 0; i < Count(); ++i)
            if (Datable(i)) Give(i, TakeNumber(i));
        return ErrNone;
    }

    // The numeric mask is looked for in the example as it reads now, and the
    // window is as long as the whole mask.
    ErrorNumber NumericWindows(const Text& exampleName) {
        const int length = static_cast<int>(a_.Mask.size());
        return ComposeFromWindows(Position(exampleName, a_.Mask), length, 0,
                                  [](int, char16_t c) { return IsDigit(c); });
    }

    ErrorNumber NumberThoseWithMask() {
        if (Count() > 0 && !StartNumbering()) return ErrNotANumber;
        for (int i = 0; i < Count(); ++i)
            if (Position(Name(i), a_.Mask) != 0 && Datable(i)) Give(i, a_.Mask + u"-" + TakeNumber(i));
        return ErrNone;
    }

    ErrorNumber KeepLettering() {
        const bool first = a_.LetteringPos == LetteringPosition::First;
        for (int i = 0; i < Count(); ++i) {
            const int q = Position(Name(i), a_.Mask);
            if (q == 0) continue;
            if (first) {
                const auto lettering = CharAt(Name(i), q - 1);
                if (!lettering) return ErrInvalidPosition;
                Give(i, *lettering + a_.Mask);
            } else {
                // Empty when the mask ends the name.
                const auto lettering = CharAt(Name(i), q + a_.MaskLength - 1);
                Give(i, lettering ? a_.Mask + *lettering : a_.Mask);
            }
        }
        return ErrNone;
    }

    ErrorNumber PatternWindows() {
        const int length = a_.MaskLength;
        int skipped = 0;
        if (a_.MaskMode == MaskMode::PatternLettering)
            skipped = a_.LetteringPos == LetteringPosition::First ? 1
                      : a_.LetteringPos == LetteringPosition::Last ? length
                                                                   : 0;
        return ComposeFromWindows(a_.MaskPos, length, skipped, [this](int j, char16_t c) {
            const Text& entry = a_.MaskChars[static_cast<std::size_t>(j)];
            return entry == NumberEntry ? IsDigit(c) : entry == Text(1, c);
        });
    }

    const std::vector<Text>& listed_;
    const MaskAnalysis& a_;
    const Options& options_;
    const std::vector<std::optional<FileDate>>& dates_;
    const bool dated_;
    std::vector<Text> composed_;
    std::vector<bool> given_;
    std::vector<bool> undated_;
    Text start_;
    Text number_;
    std::map<int, Text> dayNumbers_;  // DayOf -> that day's next number
};

}  // namespace

NamePlan ComposeNewNames(const std::vector<Text>& listed, const MaskAnalysis& analysis, const Options& options,
                         const Text& exampleName, const std::vector<std::optional<FileDate>>& dates,
                         NameCharset charset) {
    NamePlan plan;
    const std::size_t covered = std::min<std::size_t>(listed.size(), MaxJournalIndex + 1);
    plan.Uncovered = listed.size() - covered;
    if (covered == 0) return plan;
    // A prefix or suffix that could reach out of the directory is refused
    // whatever the rule makes of the files.
    const std::pair<NamePart, const Text*> fragments[] = {{NamePart::Prefix, &options.Prefix},
                                                          {NamePart::Suffix, &options.Suffix}};
    for (const auto& [part, text] : fragments) {
        if (const NameFault fault = FragmentFault(*text); fault != NameFault::None) {
            plan.Error = ErrBadFileName;
            plan.Refused = {part, fault, *text};
            return plan;
        }
    }
    if (options.DateInName != DateChoice::None) {
        if (const NameFault fault = DateFormatFault(options.DateFormat); fault != NameFault::None) {
            plan.Error = ErrBadFileName;
            plan.Refused = {NamePart::DateFormat, fault, options.DateFormat};
            return plan;
        }
    }
    const std::vector<Text> names(listed.begin(), listed.begin() + static_cast<std::ptrdiff_t>(covered));
    Composition composition(names, analysis, options, dates);
    if (const ErrorNumber error = composition.Compose(exampleName); error != ErrNone) {
        plan.Error = error;
        return plan;
    }
    plan.Entries.reserve(covered);
    for (std::size_t i = 0; i < covered; ++i) {
        PlannedName entry{names[i], ExtensionOf(names[i]), {}, PlanAction::Keep};
        if (composition.Undated(i)) {
            entry.Action = PlanAction::SkipUnsafe;
            entry.Skip = SkipReason::NoDate;
        } else if (const Text* composed = composition.ComposedName(i)) {
            // A composed name that is not one plain file name ("../", too
            // long) would move or lose the file: no file is touched at all.
            const Text target = *composed + entry.Extension;
            if (const NameFault fault = FileNameFault(target); fault != NameFault::None)
                return NamePlan{ErrBadFileName, {NamePart::NewName, fault, target}, {}, plan.Uncovered};
            if (target != entry.Listed) {
                entry.Composed = *composed;
                entry.Action = IsPlainFileName(entry.Listed) ? PlanAction::Rename : PlanAction::SkipUnsafe;
                // Refused on the disk, the rename would end the pass part way.
                if (entry.Action == PlanAction::Rename && CharsetRefuses(charset, target)) {
                    entry.Action = PlanAction::SkipUnsafe;
                    entry.Skip = SkipReason::RefusedCharacter;
                }
            }
            const FileDate* date = composition.DateOf(i);
            entry.DateModifiedUsed = date && date->ModificationTime;
        }
        plan.Entries.push_back(std::move(entry));
    }
    return plan;
}

}  // namespace morvane
