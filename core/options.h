#pragma once
// The four option texts as the main window's option labels hold them. The
// core never reads a window: the caller copies the labels into this record.
#include "text.h"

namespace morvane {

struct OptionTexts {
    Text Prefix;             // lblPrefix
    Text Sufix;              // lblSufix
    Text StartNumber;        // lblStartNumber: decimal digits, or empty for 1
    Text LetteringPosition;  // lblLetteringPosition: "0" none, "1" first, "2" last
};

}  // namespace morvane
