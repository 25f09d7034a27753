// The settings store over a file of its own.
#include "window_test_support.h"

namespace {

using SettingsStoreTest = UiTest;

TEST_F(SettingsStoreTest, ValuesReadBackAsWrittenInAnotherStoreOrTypedByHand) {
    for (const QString value : {"a, b", " lead and trail ", "@at", "semi;hash#", "quote\"back\\", "été–ß", ""}) {
        SCOPED_TRACE("value [" + value.toStdString() + "]");
        SettingsStore(StoreFile()).write("Prefix", value);
        EXPECT_EQ(SettingsStore(StoreFile()).read("Prefix", "default"), value);
    }
    const std::pair<QByteArray, QString> cases[] = {
        {"Prefix=a,b", "a,b"}, {"Prefix=  a ,b, ", "a ,b,"}, {"Prefix=,", ","},
        {"Prefix=x,y\nPrefix=later,one", "later,one"}};
    for (const auto& [line, expected] : cases) {
        SCOPED_TRACE("line [" + line.toStdString() + "]");
        std::ofstream(Raw(StoreFile())) << "[Other]\nPrefix=not,this\n[Defaults]\n" << line.constData()
                                                    << "\n[After]\nPrefix=nor,this\n";
        EXPECT_EQ(SettingsStore(StoreFile()).read("Prefix", "default"), expected);
    }
}

TEST_F(SettingsStoreTest, AStoreThatCannotBeWrittenFailsSilentlyAndGivesDefaults) {
    std::ofstream(Raw(StoreFile())) << "not a directory";
    SettingsStore broken(StoreFile() + "/Morvane.conf");  // its folder is a plain file
    broken.write("Prefix", "lost");
    EXPECT_EQ(broken.read("Prefix", "default"), "default");
}

}  // namespace
