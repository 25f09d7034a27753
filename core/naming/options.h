#pragma once
// The renaming options, one record for the core, the settings store and
// the windows. The texts are kept as typed: the store and the dialogs never
// convert them, and the core reads the numbers only when it needs them.
#include "base/text.h"
#include "naming/date_format.h"
#include "naming/list_order.h"

namespace morvane {

// Which date each new name begins with, after the prefix. The numbers are
// the ones the store keeps.
enum class DateChoice : int {
    None = 0,      // no date: every name as it has always been
    Taken = 1,     // the date a photo was taken, else its modification time
    Modified = 2,  // the modification time, in the machine's local time
};

struct Options {
    Text Prefix;             // put in front of every new name
    Text Sufix;              // put after the new name's body, ahead of the extension
    Text StartNumber;        // decimal digits, or empty for 1
    Text LetteringPosition;  // "0" none, "1" first, "2" last
    ListOrder Order = ListOrder::Name;  // how the chosen files are listed and numbered
    DateChoice DateInName = DateChoice::None;
    Text DateFormat = DefaultDateFormat;  // how the date is written (date_format.h)
    bool NumberPerDay = false;  // the running number starts again for each day

    bool operator==(const Options&) const = default;
};

}  // namespace morvane
