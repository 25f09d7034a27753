#pragma once
// The options dialog without its window: what it shows when it opens, what
// "Ok" stores, and what "Clear Options" puts in its boxes.
#include <QString>

#include "options_logic.h"

class SettingsStore;

// The dialog's three boxes and its lettering buttons.
struct OptionsDialogValues {
    QString Prefix;          // txtPrefix
    QString Sufix;           // txtSufix
    QString StartingNumber;  // txtStartingNumber
    int LetteringButton = -1;  // opt1 index 0 "None", 1 "First", 2 "Last"; -1 none selected
};

// "0", "1", "2" give that button; any other text (empty, "7", " 1") gives -1.
int LetteringButtonIndex(const QString& lettering);

// Opening: the boxes and buttons filled from the main window's option labels.
OptionsDialogValues FillOptionsDialog(const OptionValues& labels);

// "Ok": writes "Prefix", "Sufix", "StartingNumber", then "LetteringPosition"
// only when a button is selected, and returns what the labels become. With no
// button selected the lettering stays as it was, in the store and the label.
OptionValues ConfirmOptionsDialog(SettingsStore& store, const OptionsDialogValues& dialog,
                                  const OptionValues& labels);

// "Clear Options": empty boxes and "None"; nothing is written.
OptionsDialogValues ClearedOptionsDialog();
