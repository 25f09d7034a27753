#pragma once
// What "Extract" learns from the mask, and what every pass then applies to
// each listed file.
#include <array>
#include <cstdint>

#include "base/text.h"
#include "naming/options.h"

namespace morvane {

inline constexpr int MaxMaskLength = 100;

// The entry of MaskChars that stands for any digit.
inline const Text NumberEntry = u"Number";

// Which naming rule applies. The numbers are the ones the rule has always had.
enum class MaskMode : std::int16_t {
    NotAnalysed = 0,         // no "Extract" yet: no rule applies
    Empty = 1,               // every file is numbered
    Numeric = 2,             // each file's own digits at the mask's place
    TextNumbered = 3,        // text without digits, numbered
    TextLettering = 4,       // text without digits, keeping a lettering character
    Pattern = 5,             // text with digits: each file's window that fits the pattern
    PatternLettering = 6,    // the same, one end of the window being the lettering character
};

struct MaskAnalysis {
    Text Mask;               // as typed; shortened by its lettering character in modes 4 and 6
    int MaskLength = 0;      // length as typed, at most MaxMaskLength
    int MaskPos = 0;         // first position (from 1) of the mask in the example name, 0 when absent
    morvane::LetteringPosition LetteringPos = morvane::LetteringPosition::None;
    // Entry i (1..MaskLength): the mask's i-th character, or "Number" for a
    // digit. Filled only for text masks with digits; entry 0 is unused.
    std::array<Text, MaxMaskLength + 1> MaskChars{};
    morvane::MaskMode MaskMode = morvane::MaskMode::NotAnalysed;
};

}  // namespace morvane
