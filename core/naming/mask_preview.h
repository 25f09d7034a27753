#pragma once
// "Extract" and the list bound, free of any window.
#include <optional>

#include "base/error_numbers.h"
#include "naming/date_format.h"
#include "naming/mask_analysis.h"
#include "naming/options.h"

namespace morvane {

struct ExtractResult {
    ErrorNumber Error = ErrNone;    // ErrNotANumber when an option the mode needs does not read
    MaskAnalysis Analysis;  // the new analysis; the previous one, unchanged, on failure
    Text Example;           // the example's new name, "!" standing for its lettering character
};

// "Extract": analyses maskText against exampleName (the texts of the mask and
// example boxes). Fields that the mask's kind does not set keep the values of
// previous. decimalSeparator is the user's locale's, used by the numeric test.
// With a date option the example's new name shows exampleDate in the date
// format, or the format itself while the example's date is not known.
ExtractResult Extract(const MaskAnalysis& previous, const Text& exampleName, const Text& maskText,
                      const Options& options, char16_t decimalSeparator,
                      const std::optional<WallClock>& exampleDate = std::nullopt);


}  // namespace morvane
