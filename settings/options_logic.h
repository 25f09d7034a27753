#pragma once
// The moments the options are read from and written to the store, and
// what the options dialog shows and stores. Every value is the one options
// record of the core, converted to and from the store's text at this edge.
#include "naming/options.h"

class SettingsStore;

// Start-up: reads the option keys; an empty lettering value becomes "0" in
// the returned options, the store is not written. "Order" other than
// "0".."3" (absent, empty, damaged) is the name order; "DateInName" other
// than "0".."2" is no date, a "DateFormat" that DateFormatFault refuses
// (absent or empty included) the default format, "NumberPerDay" other than
// "1" off.
morvane::Options LoadOptions(const SettingsStore& store);

// What "Clear Options" puts in place: empty texts, lettering "0", name order,
// no date in the name (default format, no numbering per day).
morvane::Options ClearedOptions();

// Menu "&Clear Options": writes the cleared values to the store and returns them.
morvane::Options ClearOptions(SettingsStore& store);

// The options dialog's lettering buttons: "0", "1", "2" give that button's
// index; any other text (empty, "7", " 1") gives -1, no button.
int LetteringButtonIndex(const morvane::Text& lettering);
// The lettering value of a button index; empty for -1 (no button selected).
morvane::Text LetteringOfButton(int index);

// The dialog's "Ok": writes "Prefix", "Sufix", "StartingNumber", then
// "LetteringPosition" only when typed has one (a button was selected), then
// "Order", "DateInName", "DateFormat" and "NumberPerDay", and
// returns the options in force afterwards: with no button selected the
// lettering stays as current has it, and so does the date format where
// DateFormatFault refuses the typed one (the dialog says why before).
morvane::Options ConfirmOptions(SettingsStore& store, const morvane::Options& typed, const morvane::Options& current);
