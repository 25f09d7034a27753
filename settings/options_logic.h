#pragma once
// The moments the options are read from and written to the store, and
// what the options dialog shows and stores. Every value is the one options
// record of the core, converted to and from the store's text at this edge.
#include "naming/options.h"

class SettingsStore;

// Start-up: reads the option keys; the store is not written. An empty or
// absent lettering is none; one that is not exactly "0", "1" or "2" is kept
// as stored (Options::OddLettering). "Order" other than "0".."3" (absent,
// empty, damaged) is the name order; "DateInName" other than "0".."2" is no
// date, a "DateFormat" that DateFormatFault refuses (absent or empty
// included) the default format, "NumberPerDay" other than "1" off.
morvane::Options LoadOptions(const SettingsStore& store);

// What "Clear Options" puts in place: empty texts, no lettering, name order,
// no date in the name (default format, no numbering per day).
morvane::Options ClearedOptions();

// Menu "&Clear Options": writes the cleared values to the store and returns them.
morvane::Options ClearOptions(SettingsStore& store);

// The options dialog's lettering buttons: the index of the button that
// shows the options' lettering, -1 (no button) for an odd stored one.
int LetteringButtonIndex(const morvane::Options& options);

// The dialog's "Ok": writes "Prefix", "Sufix", "StartingNumber", then
// "LetteringPosition" unless typed keeps an odd stored one (no button was
// selected), then "Order", "DateInName", "DateFormat" and "NumberPerDay",
// and returns the options in force afterwards: the date format stays as
// current has it where DateFormatFault refuses the typed one (the dialog
// says why before).
morvane::Options ConfirmOptions(SettingsStore& store, const morvane::Options& typed, const morvane::Options& current);
