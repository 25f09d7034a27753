#pragma once
// The first phase of the rename pass: decides every listed file's new name by
// the rule of the mask mode. It touches no file and reads no window.
#include <optional>
#include <vector>

#include "naming/date_format.h"
#include "naming/file_name_rules.h"
#include "naming/mask_analysis.h"
#include "naming/name_plan.h"
#include "naming/options.h"

namespace morvane {

// The plan for listed (the list's entries in order; entries past the last one
// a pass covers are only counted). exampleName is the current text of the
// example box, where the numeric mask is looked for again. A failure leaves
// the plan's Error set and no entries.
//
// With options.DateInName other than None, every name the rule gives is the
// prefix, the file's date from dates (aligned with listed) written by
// options.DateFormat, what the rule makes of the file, and the suffix. A file
// without an entry there, or an empty one, is skipped (SkipReason::NoDate)
// and takes no number; a format DateFormatFault refuses fails the plan with
// ErrBadFileName and NamePart::DateFormat. With options.NumberPerDay each day
// (DayOf) has a running number of its own from the starting number, in list
// order. Without a date option dates is not looked at.
//
// A name that a file system of charset refuses (the directory's, see
// files/name_charset.h) is never tried: that file is skipped
// (SkipReason::RefusedCharacter), its refused name kept in Composed.
NamePlan ComposeNewNames(const std::vector<Text>& listed, const MaskAnalysis& analysis, const Options& options,
                         const Text& exampleName, const std::vector<std::optional<FileDate>>& dates = {},
                         NameCharset charset = NameCharset::Any);

}  // namespace morvane
