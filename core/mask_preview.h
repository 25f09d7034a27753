#pragma once
// "Set Mask", the list's double-click and "Extract", free of any window.
#include <vector>

#include "options.h"
#include "work_state.h"

namespace morvane {

struct ExtractResult {
    Text Example;         // the new text of txtExample
    bool EnableRename;    // whether this press enables "Rename"
};

// "Extract": analyses maskText against exampleName (the texts of txtMask and
// txtFile), leaves the analysis in the work state and returns the example's
// new name. decimalSeparator is the user's locale's, used by the numeric test.
ExtractResult Extract(WorkState& ws, const Text& exampleName, const Text& maskText,
                      const OptionTexts& options, char16_t decimalSeparator);

// The list's double-click: sets LastIndex from the entry count and returns
// the first selected entry, or nothing when none is selected.
std::optional<Text> ChooseExample(WorkState& ws, const std::vector<Text>& entries,
                                  const std::vector<bool>& selected);

}  // namespace morvane
