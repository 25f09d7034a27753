#include "options_logic.h"

#include "qt_text.h"
#include "settings_store.h"

using morvane::DateChoice;
using morvane::ListOrder;
using morvane::Options;
using morvane::Text;

namespace {

const char16_t* const LetteringValues[] = {u"0", u"1", u"2"};
const char* const OrderValues[] = {"0", "1", "2", "3"};
const char* const DateValues[] = {"0", "1", "2"};

// Exactly "0".."3"; anything else, absent included, is the name order.
ListOrder OrderOfText(const QString& text) {
    for (int i = 0; i < 4; ++i)
        if (text == OrderValues[i]) return static_cast<ListOrder>(i);
    return ListOrder::Name;
}

// Exactly "0".."2"; anything else is no date.
DateChoice DateOfText(const QString& text) {
    for (int i = 0; i < 3; ++i)
        if (text == DateValues[i]) return static_cast<DateChoice>(i);
    return DateChoice::None;
}

QString Read(const SettingsStore& store, const char* key) { return store.read(key, ""); }

// A format that is absent, or that the options dialog would refuse, is the default one.
Text FormatOfText(const QString& text) {
    Text format = ToText(text);
    return morvane::DateFormatFault(format) == morvane::NameFault::None ? format : morvane::DefaultDateFormat;
}

// Writes the options in the order they have always been written; the
// lettering only when there is one to write.
void Write(SettingsStore& store, const Options& options) {
    store.write("Prefix", ToQString(options.Prefix));
    store.write("Sufix", ToQString(options.Sufix));
    store.write("StartingNumber", ToQString(options.StartNumber));
    if (!options.LetteringPosition.empty()) store.write("LetteringPosition", ToQString(options.LetteringPosition));
    store.write("Order", OrderValues[static_cast<int>(options.Order)]);
    store.write("DateInName", DateValues[static_cast<int>(options.DateInName)]);
    store.write("DateFormat", ToQString(options.DateFormat));
    store.write("NumberPerDay", options.NumberPerDay ? "1" : "0");
}

}  // namespace

Options LoadOptions(const SettingsStore& store) {
    Options options{ToText(Read(store, "Prefix")), ToText(Read(store, "Sufix")), ToText(Read(store, "StartingNumber")),
                    ToText(Read(store, "LetteringPosition")), OrderOfText(Read(store, "Order"))};
    if (options.LetteringPosition.empty()) options.LetteringPosition = Text(1, u'0');
    options.DateInName = DateOfText(Read(store, "DateInName"));
    options.DateFormat = FormatOfText(Read(store, "DateFormat"));
    options.NumberPerDay = Read(store, "NumberPerDay") == "1";
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
    Options result = typed;
    // The dialog refuses such a format in words; it never reaches the store.
    if (morvane::DateFormatFault(result.DateFormat) != morvane::NameFault::None) result.DateFormat = current.DateFormat;
    Write(store, result);
    if (result.LetteringPosition.empty()) result.LetteringPosition = current.LetteringPosition;
    return result;
}
