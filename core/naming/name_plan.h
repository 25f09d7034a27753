#pragma once
// The plan of new names: what a pass would do with each listed file,
// decided before any file is touched.
#include <cstddef>
#include <vector>

#include "base/error_numbers.h"
#include "base/text.h"
#include "naming/file_name_rules.h"

namespace morvane {

// A pass covers list entries 0..MaxJournalIndex; the rest are only counted.
inline constexpr int MaxJournalIndex = 1000;

enum class PlanAction {
    Rename,      // the file gets Target()
    Keep,        // the rule leaves it alone, or it has its composed name already
    SkipUnsafe,  // never acted on: its listed name is not one plain file name,
                 // or Skip says why else
};

// Why a file the rule names is skipped all the same.
enum class SkipReason : unsigned char {
    None,
    NoDate,            // the date its name needs could not be read
    RefusedCharacter,  // the directory's file system refuses a character of Target()
};

struct PlannedName {
    Text Listed;     // the name as listed, extension included
    Text Extension;  // from the last "." of the listed name, dot included
    Text Composed;   // the new name without extension; empty when the rule leaves the file alone
    PlanAction Action = PlanAction::Keep;
    SkipReason Skip = SkipReason::None;
    // The date in its name is its modification time: it has no date taken.
    bool DateModifiedUsed = false;

    Text Target() const { return Composed + Extension; }
};

// Which text made the composition refuse every file, and why.
enum class NamePart {
    None,
    Prefix,   // the prefix option
    Suffix,   // the suffix option
    NewName,  // a composed name, extension included
    DateFormat,  // the date format option (Empty, Slash or Nul)
};

struct NameRefusal {
    NamePart Part = NamePart::None;
    NameFault Fault = NameFault::None;
    Text Name;  // the refused text as it is
};

struct NamePlan {
    ErrorNumber Error = ErrNone;       // a failure of the composition: then Entries is empty
    NameRefusal Refused;               // with ErrBadFileName: what was refused
    std::vector<PlannedName> Entries;  // one per covered list entry, in list order
    std::size_t Uncovered = 0;         // listed files past the last entry a pass covers
};

}  // namespace morvane
