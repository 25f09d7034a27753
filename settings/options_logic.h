#pragma once
// The options as the main window's four option labels hold them, and the
// moments they are loaded from and written to the store.
#include <QString>

class SettingsStore;

struct OptionValues {
    QString Prefix;             // lblPrefix
    QString Sufix;              // lblSufix
    QString StartingNumber;     // lblStartNumber
    QString LetteringPosition;  // lblLetteringPosition: "0", "1" or "2"
};

// Start-up: reads the four keys; an empty lettering value becomes "0" in the
// returned values, the store is not written.
OptionValues LoadOptions(const SettingsStore& store);

// Menu "&Clear Options": writes the cleared values to the store and returns
// them for the labels.
OptionValues ClearOptions(SettingsStore& store);
