// The options dialog opened from the main window: filled from the option
// labels, "Ok" through the store, "Clear Options", Enter and Escape.
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "frmOptions.h"
#include "options_logic.h"
#include "options_test_support.h"

namespace {

class OptionsDialogTest : public MainWindowOnTempStore {
protected:
    // Opens the dialog as the menu does and runs `act` on it; returns whether
    // `act` left it open.
    bool WithDialog(const std::function<void(frmOptions&)>& act) {
        return RunModal([this] { frmOptions::Open(*main); },
                        [&](QDialog& d) { act(*qobject_cast<frmOptions*>(&d)); });
    }
    static int Checked(const frmOptions& dialog) {
        for (int i = 0; i < 3; ++i)
            if (dialog.findChild<QRadioButton*>(QString("opt1_%1").arg(i))->isChecked()) return i;
        return -1;
    }
    static QStringList Boxes(const frmOptions& d) {
        return {d.txtPrefix->text(), d.txtSufix->text(), d.txtStartingNumber->text()};
    }
};

TEST_F(OptionsDialogTest, OpensFilledFromTheLabelsNotTheStore) {
    store->write("Prefix", "stored");
    const std::pair<QString, int> cases[] = {{"0", 0}, {"1", 1}, {"2", 2}, {"7", -1}, {"", -1}, {" 1", -1}};
    for (const auto& [lettering, button] : cases) {
        SetLabels({"pre", "suf", "0012", lettering});
        WithDialog([&](frmOptions& dialog) {
            EXPECT_EQ(dialog.parentWidget(), main.get());
            EXPECT_TRUE(dialog.isModal());
            EXPECT_EQ(dialog.focusWidget(), dialog.cmdClearOptions);
            EXPECT_EQ(Boxes(dialog), QStringList({"pre", "suf", "0012"}));
            EXPECT_EQ(Checked(dialog), button) << "lettering " << lettering.toStdString();
        });
    }
}

TEST_F(OptionsDialogTest, OkWritesStoreAndLabelsAndSurvivesARestart) {
    // With no lettering button selected the lettering stays as it was.
    const std::pair<int, QString> cases[] = {{2, "2"}, {0, "0"}, {-1, "7"}};
    for (const auto& [button, lettering] : cases) {
        store->write("LetteringPosition", "7");
        SetLabels({"old", "old", "1", "7"});
        EXPECT_FALSE(WithDialog([button = button](frmOptions& dialog) {
            dialog.txtPrefix->setText("Trip ");
            dialog.txtSufix->setText(", day");
            dialog.txtStartingNumber->setText("");
            if (button >= 0) QTest::mouseClick(dialog.opt1[button], Qt::LeftButton);
            QTest::mouseClick(dialog.cmdOk, Qt::LeftButton);
        }));
        EXPECT_EQ(LabelTexts(), QStringList({"Trip ", ", day", "", lettering}));
        const OptionValues v = LoadOptions(SettingsStore(storeFile()));
        EXPECT_EQ(QStringList({v.Prefix, v.Sufix, v.StartingNumber, v.LetteringPosition}),
                  QStringList({"Trip ", ", day", "", lettering}));
    }
}

TEST_F(OptionsDialogTest, ClearOptionsEmptiesTheBoxesAndWritesNothing) {
    SetLabels({"p", "s", "9", "1"});
    EXPECT_TRUE(WithDialog([](frmOptions& dialog) {
        QTest::mouseClick(dialog.cmdClearOptions, Qt::LeftButton);
        EXPECT_EQ(Boxes(dialog), QStringList({"", "", ""}));
        EXPECT_EQ(Checked(dialog), 0);
    }));  // then closed without "Ok"
    EXPECT_EQ(LabelTexts(), QStringList({"p", "s", "9", "1"}));
    EXPECT_FALSE(QFile::exists(storeFile()));
}

TEST_F(OptionsDialogTest, EnterAndEscapePressNothingAndLeaveTheDialogOpen) {
    SetLabels({"p", "s", "9", "1"});
    EXPECT_TRUE(WithDialog([](frmOptions& dialog) {
        for (QWidget* target : {static_cast<QWidget*>(dialog.cmdClearOptions), static_cast<QWidget*>(dialog.cmdOk),
                                static_cast<QWidget*>(dialog.txtPrefix), static_cast<QWidget*>(dialog.txtStartingNumber),
                                static_cast<QWidget*>(dialog.opt1[1]), static_cast<QWidget*>(&dialog)})
            for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
                target->setFocus();
                QTest::keyClick(target, key);
                EXPECT_TRUE(dialog.isVisible()) << target->objectName().toStdString() << " key " << key;
            }
        EXPECT_EQ(Boxes(dialog), QStringList({"p", "s", "9"}));  // "Clear Options" was not pressed
    }));
    EXPECT_EQ(LabelTexts(), QStringList({"p", "s", "9", "1"}));  // nor was "Ok"
    EXPECT_FALSE(QFile::exists(storeFile()));
}

}  // namespace
