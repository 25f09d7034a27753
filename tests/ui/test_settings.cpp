// The settings store over a file of its own, and the options' load and clear.
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "options_logic.h"
#include "settings_store.h"

namespace {

class SettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString file() const { return dir.filePath("Morvane.conf"); }
    void WriteByHand(const QByteArray& content) {
        QFile f(file());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    QTemporaryDir dir;
};

TEST_F(SettingsStoreTest, ValuesWrittenByOneStoreReadBackExactlyInAnother) {
    const std::pair<const char*, QString> cases[] = {
        {"Prefix", "a, b"},  {"Sufix", " lead and trail "}, {"StartingNumber", "0012"}, {"Dir", "/home/u/My Files"},
        {"Prefix", "@at"},   {"Sufix", "semi;hash#"},       {"Prefix", "quote\"back\\"}, {"Sufix", "été–ß"},
        {"Prefix", ""}};
    for (const auto& [key, value] : cases) {
        SettingsStore(file()).write(key, value);
        EXPECT_EQ(SettingsStore(file()).read(key, "default"), value) << key;
    }
}

TEST_F(SettingsStoreTest, HandEditedValuesReadBackAsTyped) {
    const std::pair<QByteArray, QString> cases[] = {
        {"Prefix=a,b", "a,b"},   {"Prefix=a, b", "a, b"},     {"Prefix=  a ,b, ", "a ,b,"},
        {"Prefix=,", ","},       {"Prefix=0012", "0012"},     {"Prefix=x,y\nPrefix=later,one", "later,one"}};
    for (const auto& [line, expected] : cases) {
        WriteByHand("[Other]\nPrefix=not,this\n[Defaults]\n" + line + "\n[After]\nPrefix=nor,this\n");
        EXPECT_EQ(SettingsStore(file()).read("Prefix", "default"), expected) << line.constData();
    }
}

TEST_F(SettingsStoreTest, AStoreThatCannotBeWrittenFailsSilentlyAndGivesDefaults) {
    WriteByHand("not a directory");
    SettingsStore store(file() + "/Morvane.conf");  // its folder is a plain file
    store.write("Prefix", "lost");
    EXPECT_EQ(store.read("Prefix", "default"), "default");
}

TEST_F(SettingsStoreTest, LoadingTurnsOnlyAnEmptyLetteringIntoNoneAndWritesNothing) {
    const std::pair<const char*, QString> cases[] = {{nullptr, "0"}, {"", "0"}, {"1", "1"}, {"7", "7"}};
    for (const auto& [stored, label] : cases) {
        WriteByHand("[Other]\nPrefix=elsewhere\n");
        SettingsStore store(file());
        store.write("StartingNumber", "007");
        if (stored) store.write("LetteringPosition", stored);
        const OptionValues v = LoadOptions(store);
        EXPECT_EQ(QStringList({v.Prefix, v.Sufix, v.StartingNumber, v.LetteringPosition}),
                  QStringList({"", "", "007", label}));
        EXPECT_EQ(SettingsStore(file()).read("LetteringPosition", "absent"), stored ? stored : "absent");
    }
}

TEST_F(SettingsStoreTest, ClearingResetsTheFourOptionsAndKeepsTheDirectory) {
    const QStringList keys = {"Prefix", "Sufix", "StartingNumber", "LetteringPosition", "Dir"};
    SettingsStore store(file());
    for (const QString& key : keys) store.write(key, "old " + key);
    const OptionValues v = ClearOptions(store);
    EXPECT_EQ(QStringList({v.Prefix, v.Sufix, v.StartingNumber, v.LetteringPosition}),
              QStringList({"", "", "", "0"}));
    QStringList restarted;
    for (const QString& key : keys) restarted << SettingsStore(file()).read(key, "absent");
    EXPECT_EQ(restarted, QStringList({"", "", "", "0", "old Dir"}));
}

}  // namespace
