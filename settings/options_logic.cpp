#include "options_logic.h"

#include "qt_text.h"
#include "settings_store.h"

using morvane::ListOrder;
using morvane::Options;
using morvane::Text;

namespace {

const char16_t* const LetteringValues[] = {u"0", u"1", u"2"};
const char* const OrderValues[] = {"0", "1", "2", "3"};

// Exactly "0".."3"; anything else, absent included, is the name order.
ListOrder OrderOfText(const QString& text) {
    for (int i = 0; i < 4; ++i)
        if (text == OrderValues[i]) return static_cast<ListOrder>(i);
    return ListOrder::Name;
}

QString Read(const SettingsStore& store, const char* key) { return store.read(key, ""); }

// Writes the options in the order they have always been written; the
// lettering only when there is one to write.
void Write(SettingsStore& store, const Options& options) {
    store.write("Prefix", ToQString(options.Prefix));
    store.write("Sufix", ToQString(options.Sufix));
    store.write("StartingNumber", ToQString(options.StartNumber));
    if (!options.LetteringPosition.empty()) store.write("LetteringPosition", ToQString(options.LetteringPosition));
    store.write("Order", OrderValues[static_cast<int>(options.Order)]);
}

}  // namespace

Options LoadOptions(const SettingsStore& store) {
    Options options{ToText(Read(store, "Prefix")), ToText(Read(store, "Sufix")), ToText(Read(store, "StartingNumber")),
                    ToText(Read(store, "LetteringPosition")), OrderOfText(Read(store, "Order"))};
    if (options.LetteringPosition.empty()) options.LetteringPosition = Text(1, u'0');
    return options;
}

Options ClearedOptions() { return {{}, {}, {}, u"0", ListOrder::Name}; }

Options ClearOptions(SettingsStore& store) {
    const Options cleared = ClearedOptions();
    Write(store, cleared);
    return cleared;
}

int LetteringButtonIndex(const Text& lettering) {
    for (int i = 0; i < 3; ++i)
        if (lettering == LetteringValues[i]) return i;
    return -1;
}

Text LetteringOfButton(int index) { return index >= 0 && index < 3 ? Text(LetteringValues[index]) : Text(); }

Options ConfirmOptions(SettingsStore& store, const Options& typed, const Options& current) {
    Write(store, typed);
    Options result = typed;
    if (result.LetteringPosition.empty()) result.LetteringPosition = current.LetteringPosition;
    return result;
}
