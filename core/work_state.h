#pragma once
// The one record of values that pass from one handler to another. The
// application owns exactly one and hands it to its windows.
#include <array>
#include <cstdint>

#include "text.h"

namespace morvane {

inline constexpr int MaxJournalIndex = 1000;  // a pass covers list entries 0..1000
inline constexpr int MaxMaskLength = 100;

struct WorkState {
    // Mask analysis, left by "Extract" and read by the rename pass.
    Text Mask;
    int MaskLength = 0;
    int MaskPos = 0;
    int LetteringPos = 0;
    std::array<Text, MaxMaskLength + 1> MaskChars{};
    std::int16_t MaskMode = 0;

    // Journal of the last pass, read by "Undo".
    std::array<Text, MaxJournalIndex + 1> OldNames{};
    std::array<Text, MaxJournalIndex + 1> NewNames{};
    std::array<Text, MaxJournalIndex + 1> Extensions{};
    // Shared list bound: the list's double-click and the chooser's
    // confirmation overwrite it with their own list's entry count minus 1.
    int LastIndex = 0;
    // The journal's own count of entries, set only by a pass, so that what
    // "Undo" restores does not depend on what was clicked in between.
    int JournalLastIndex = -1;

    Text HelpFilePath;

    // Working fields: each handler sets them before it reads them.
    Text CurrentName;
    Text StartNumber;
    Text ZeroPad;
    int FirstDigitPos = 0;
    Text DirPath;
    bool RenameRetried = false;
    int ConflictCounter = 0;
    bool FilesSkipped = false;
    std::int16_t SavedPointer = 0;
};

}  // namespace morvane
