#pragma once
// The renaming options, one record for the core, the settings store and
// the windows. Prefix, suffix and starting number are kept as typed: the
// store and the dialogs never convert them; the starting number is read in
// one place (FirstNumber) when a name needs it.
#include <optional>

#include "base/text.h"
#include "naming/date_format.h"
#include "naming/list_order.h"

namespace morvane {

// Which end of the mask the lettering character takes, or none. The numbers
// are the ones the store keeps.
enum class LetteringPosition : int { None = 0, First = 1, Last = 2 };

// Which date each new name begins with, after the prefix. The numbers are
// the ones the store keeps.
enum class DateChoice : int {
    None = 0,      // no date: every name as it has always been
    Taken = 1,     // the date a photo was taken, else its modification time
    Modified = 2,  // the modification time, in the machine's local time
};

struct Options {
    Text Prefix{};       // put in front of every new name
    Text Suffix{};       // put after the new name's body, ahead of the extension
    Text StartNumber{};  // as typed: decimal digits, blanks around them allowed, or empty for 1
    LetteringPosition Lettering = LetteringPosition::None;
    // A stored lettering that is not exactly "0", "1" or "2", kept as the
    // store has it: the labels show it and the dialog checks no button for
    // it. Lettering then holds what it reads as.
    Text OddLettering{};
    ListOrder Order = ListOrder::Name;  // how the chosen files are listed and numbered
    DateChoice DateInName = DateChoice::None;
    Text DateFormat = DefaultDateFormat;  // how the date is written (date_format.h)
    bool NumberPerDay = false;  // the running number starts again for each day

    // The first running number: "1" when StartNumber is empty, else its
    // digits as written (leading zeros kept, blanks dropped so that they
    // never end up in a file name); nothing when it is not a whole decimal
    // number.
    std::optional<Text> FirstNumber() const;
    // The lettering in force; nothing when an odd stored one does not read
    // as 0, 1 or 2 (blanks and leading zeros around it are read).
    std::optional<LetteringPosition> LetteringInForce() const;

    bool operator==(const Options&) const = default;
};

// A lettering as the store keeps it: "0", "1" or "2", blanks and leading
// zeros allowed; nothing for any other text.
std::optional<LetteringPosition> ReadLettering(const Text& stored);

}  // namespace morvane
