// The settings store over a file of its own.
#include "options_logic.h"
#include "window_test_support.h"

namespace {

using SettingsStoreTest = UiTest;

// Values read back as written, in another store or typed by hand; a store
// that cannot be written fails silently and gives the defaults.
TEST_F(SettingsStoreTest, ValuesReadBackAsWrittenOrTypedByHandAndAnUnwritableStoreGivesDefaults) {
    for (const QString value : {"a, b", " lead and trail ", "@at", "semi;hash#", "quote\"back\\", "été–ß", ""}) {
        SettingsStore(StoreFile()).write("Prefix", value);
        EXPECT_EQ(SettingsStore(StoreFile()).read("Prefix", "default"), value) << "value [" << value.toStdString() << "]";
    }
    const std::pair<QByteArray, QString> cases[] = {
        {"Prefix=a,b", "a,b"}, {"Prefix=  a ,b, ", "a ,b,"}, {"Prefix=,", ","}, {"Prefix=x,y\nPrefix=later,one", "later,one"}};
    for (const auto& [line, expected] : cases) {
        std::ofstream(Raw(StoreFile())) << "[Other]\nPrefix=not,this\n[Defaults]\n" << line.constData() << "\n[After]\nPrefix=nor,this\n";
        EXPECT_EQ(SettingsStore(StoreFile()).read("Prefix", "default"), expected) << "line [" << line.toStdString() << "]";
    }
    SettingsStore broken(StoreFile() + "/Morvane.conf");  // its folder is a plain file
    broken.write("Prefix", "lost");
    EXPECT_EQ(broken.read("Prefix", "default"), "default");
}

// The options as the store keeps them: read at start-up (anything that does
// not read is the default, an odd lettering kept as stored), written by "Ok"
// after the options it has always written, and by "Clear Options".
TEST_F(SettingsStoreTest, TheOptionsReadBackAndAnythingUnreadableIsTheDefault) {
    using enum morvane::DateChoice;
    using morvane::LetteringPosition, morvane::ListOrder;
    using Stored = std::map<QString, QString>;
    const std::tuple<const char*, Stored, morvane::Options> rows[] = {
        {"nothing stored", {}, {}},
        {"each stored", {{"Prefix", "Trip"}, {"Sufix", "_x, y"}, {"StartingNumber", "007"}, {"LetteringPosition", "2"}, {"Order", "3"},
                         {"DateInName", "1"}, {"DateFormat", "yyyyMMdd HH.mm "}, {"NumberPerDay", "1"}},
         {u"Trip", u"_x, y", u"007", LetteringPosition::Last, {}, ListOrder::Size, Taken, u"yyyyMMdd HH.mm ", true}},
        {"led by a blank", {{"LetteringPosition", " 1"}, {"Order", " 2"}, {"DateInName", " 2"}},
         {{}, {}, {}, LetteringPosition::First, u" 1"}},
        {"out of range or not a number", {{"LetteringPosition", "7"}, {"Order", "7"}, {"DateInName", "3"}, {"DateFormat", "dd/MM"},
                                           {"NumberPerDay", "yes"}}, {{}, {}, {}, LetteringPosition::None, u"7"}},
        {"empty", {{"LetteringPosition", ""}, {"Order", ""}, {"DateInName", ""}, {"DateFormat", ""}}, {}},
    };
    SettingsStore stored(StoreFile());
    for (const auto& [name, values, options] : rows) {
        QFile::remove(StoreFile());
        for (const auto& [key, value] : values) stored.write(key, value);
        EXPECT_EQ(LoadOptions(SettingsStore(StoreFile())), options) << name;
    }
    morvane::Options typed = ClearedOptions();
    std::tie(typed.DateInName, typed.DateFormat, typed.NumberPerDay) = std::tuple(Modified, u"HH:mm ", true);
    EXPECT_EQ(ConfirmOptions(stored, typed, ClearedOptions()), typed);
    EXPECT_EQ(LoadOptions(SettingsStore(StoreFile())), typed);
    typed.DateFormat = u"a/b";  // refused by the dialog: the one in force stays
    EXPECT_EQ(ConfirmOptions(stored, typed, ClearedOptions()).DateFormat, ClearedOptions().DateFormat);
    EXPECT_EQ(ClearOptions(stored), ClearedOptions());
    EXPECT_EQ(std::tuple(stored.read("DateInName", ""), stored.read("DateFormat", ""), stored.read("NumberPerDay", "")),
              std::tuple(QString("0"), QString("yyyy-MM-dd_"), QString("0")));
}

}  // namespace
