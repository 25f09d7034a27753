#include "options_dialog_logic.h"

#include "settings_store.h"

namespace {
const char* const LetteringValues[] = {"0", "1", "2"};
}

int LetteringButtonIndex(const QString& lettering) {
    for (int i = 0; i < 3; ++i)
        if (lettering == QLatin1String(LetteringValues[i])) return i;
    return -1;
}

OptionsDialogValues FillOptionsDialog(const OptionValues& labels) {
    return {labels.Prefix, labels.Sufix, labels.StartingNumber, LetteringButtonIndex(labels.LetteringPosition)};
}

OptionValues ConfirmOptionsDialog(SettingsStore& store, const OptionsDialogValues& dialog,
                                  const OptionValues& labels) {
    store.write("Prefix", dialog.Prefix);
    store.write("Sufix", dialog.Sufix);
    store.write("StartingNumber", dialog.StartingNumber);
    OptionValues result{dialog.Prefix, dialog.Sufix, dialog.StartingNumber, labels.LetteringPosition};
    if (dialog.LetteringButton >= 0 && dialog.LetteringButton < 3) {
        result.LetteringPosition = LetteringValues[dialog.LetteringButton];
        store.write("LetteringPosition", result.LetteringPosition);
    }
    return result;
}

OptionsDialogValues ClearedOptionsDialog() { return {{}, {}, {}, 0}; }
