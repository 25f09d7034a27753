#include "options_logic.h"

#include "settings_store.h"

OptionValues LoadOptions(const SettingsStore& store) {
    OptionValues v;
    v.Prefix = store.read("Prefix", "");
    v.Sufix = store.read("Sufix", "");
    v.StartingNumber = store.read("StartingNumber", "");
    v.LetteringPosition = store.read("LetteringPosition", "");
    if (v.LetteringPosition.isEmpty()) v.LetteringPosition = "0";
    return v;
}

OptionValues ClearOptions(SettingsStore& store) {
    store.write("Prefix", "");
    store.write("Sufix", "");
    store.write("StartingNumber", "");
    store.write("LetteringPosition", "0");
    return {{}, {}, {}, "0"};
}
