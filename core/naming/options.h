#pragma once
// The renaming options, one record for the core, the settings store and
// the windows. The texts are kept as typed: the store and the dialogs never
// convert them, and the core reads the numbers only when it needs them.
#include "base/text.h"
#include "naming/list_order.h"

namespace morvane {

struct Options {
    Text Prefix;             // put in front of every new name
    Text Sufix;              // put after the new name's body, ahead of the extension
    Text StartNumber;        // decimal digits, or empty for 1
    Text LetteringPosition;  // "0" none, "1" first, "2" last
    ListOrder Order = ListOrder::Name;  // how the chosen files are listed and numbered

    bool operator==(const Options&) const = default;
};

}  // namespace morvane
