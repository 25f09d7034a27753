#pragma once
// The first phase of the rename pass: decides every listed file's new name by
// the rule of the mask mode. It touches no file and reads no window.
#include <vector>

#include "naming/mask_analysis.h"
#include "naming/name_plan.h"
#include "naming/options.h"

namespace morvane {

// The plan for listed (the list's entries in order; entries past the last one
// a pass covers are only counted). exampleName is the current text of the
// example box, where the numeric mask is looked for again. A failure leaves
// the plan's Error set and no entries.
NamePlan ComposeNewNames(const std::vector<Text>& listed, const MaskAnalysis& analysis, const Options& options,
                         const Text& exampleName);

}  // namespace morvane
