#include "options_logic.h"

#include "qt_text.h"
#include "settings_store.h"

using morvane::DateChoice;
using morvane::ListOrder;
using morvane::Options;
using morvane::Text;

namespace {

const char* const LetteringValues[] = {"0", "1", "2"};
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

// Exactly "0".."2" is a button's value; empty is none; anything else is kept
// as stored, read as Extract reads it.
void TakeLettering(const QString& text, Options& options) {
    if (text.isEmpty()) return;
    for (int i = 0; i < 3; ++i) {
        if (text != LetteringValues[i]) continue;
        options.Lettering = static_cast<morvane::LetteringPosition>(i);
        return;
    }
    options.OddLettering = ToText(text);
    options.Lettering = morvane::ReadLettering(options.OddLettering).value_or(morvane::LetteringPosition::None);
}

// Writes the options in the order they have always been written; an odd
// stored lettering is the store's own and is never written back.
void Write(SettingsStore& store, const Options& options) {
    store.write("Prefix", ToQString(options.Prefix));
    store.write("Sufix", ToQString(options.Suffix));
    store.write("StartingNumber", ToQString(options.StartNumber));
    if (options.OddLettering.empty())
        store.write("LetteringPosition", LetteringValues[static_cast<int>(options.Lettering)]);
    store.write("Order", OrderValues[static_cast<int>(options.Order)]);
    store.write("DateInName", DateValues[static_cast<int>(options.DateInName)]);
    store.write("DateFormat", ToQString(options.DateFormat));
    store.write("NumberPerDay", options.NumberPerDay ? "1" : "0");
}

}  // namespace

Options LoadOptions(const SettingsStore& store) {
    Options options;
    options.Prefix = ToText(Read(store, "Prefix"));
    options.Suffix = ToText(Read(store, "Sufix"));
    options.StartNumber = ToText(Read(store, "StartingNumber"));
    TakeLettering(Read(store, "LetteringPosition"), options);
    options.Order = OrderOfText(Read(store, "Order"));
    options.DateInName = DateOfText(Read(store, "DateInName"));
    options.DateFormat = FormatOfText(Read(store, "DateFormat"));
    options.NumberPerDay = Read(store, "NumberPerDay") == "1";
    return options;
}

Options ClearedOptions() { return {}; }

Options ClearOptions(SettingsStore& store) {
    const Options cleared = ClearedOptions();
    Write(store, cleared);
    return cleared;
}

int LetteringButtonIndex(const Options& options) {
    return options.OddLettering.empty() ? static_cast<int>(options.Lettering) : -1;
}

Options ConfirmOptions(SettingsStore& store, const Options& typed, const Options& current) {
    Options result = typed;
    // The dialog refuses such a format in words; it never reaches the store.
    if (morvane::DateFormatFault(result.DateFormat) != morvane::NameFault::None) result.DateFormat = current.DateFormat;
    Write(store, result);
    return result;
}
