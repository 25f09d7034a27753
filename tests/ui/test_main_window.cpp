// The main window driven as the user drives it: start-up from the store, the
// workflow buttons, the menus and their dialogs, help and what assistive
// technology sees.
#include "frmOptions.h"
#include "help_window.h"
#include "qt_text.h"
#include "window_test_support.h"

namespace {

class MainWindowTest : public UiTest {
protected:
    // Opens the options dialog from the menu and runs `act` on it; returns whether `act` left it open.
    bool WithOptions(const std::function<void(frmOptions&)>& act) {
        return RunModal([this] { Trigger("mnuOptionsSetOptions"); },
                        [&](QDialog& d) { act(*qobject_cast<frmOptions*>(&d)); });
    }
    static int Checked(const frmOptions& d) {
        for (int i = 0; i < 3; ++i)
            if (d.opt1[i]->isChecked()) return i;
        return -1;
    }
    static QStringList Boxes(const frmOptions& d) {
        return {d.txtPrefix->text(), d.txtSufix->text(), d.txtStartingNumber->text()};
    }
};

TEST_F(MainWindowTest, StartUpLoadsTheStoredOptionsWithoutWritingAndDisablesTheWorkflow) {
    const std::tuple<std::map<QString, QString>, QStringList, QString> rows[] = {  // stored, labels, lettering after
        {{}, {"", "", "", "0"}, "absent"},
        {{{"LetteringPosition", ""}}, {"", "", "", "0"}, ""},
        {{{"Prefix", "Trip"}, {"Sufix", "_x, y"}, {"StartingNumber", "007"}, {"LetteringPosition", "7"}},
         {"Trip", "_x, y", "007", "7"}, "7"},
    };
    for (const auto& [stored, labels, letteringAfter] : rows) {
        QFile::remove(StoreFile());
        for (const auto& [key, value] : stored) store->write(key, value);
        OpenMain();
        EXPECT_EQ(Labels(), labels);
        EXPECT_EQ(store->read("LetteringPosition", "absent"), letteringAfter);
        EXPECT_EQ(Workflow(), AllOff);
    }
}

TEST_F(MainWindowTest, SetMaskTakesWhatWasHighlightedBeforeTheClickAndExtractPreviews) {
    struct Row {
        int start, length;  // highlighted in txtFile; length 0: nothing
        bool replaceText;   // txtFile set again after highlighting
        QString mask, lettering, example;
    };
    const Row rows[] = {{4, 4, false, "0042", "0", "Trip0042_x.JPG"}, {0, 3, false, "IMG", "1", "Trip!MG_x.JPG"},
                        {0, 0, false, "", "0", "Trip0007_x.JPG"}, {4, 4, true, "", "0", "Trip0007_x.JPG"}};
    for (const Row& row : rows) {
        OpenMain();
        SetLabels({"Trip", "_x", "7", row.lettering});
        main->Command2->setEnabled(true);  // as the chooser leaves it
        main->txtMask->setText("old mask");
        main->txtFile->setFocus();
        main->txtFile->setText("IMG_0042.JPG");
        main->txtFile->setSelection(row.start, row.length);
        if (row.replaceText) {
            main->txtMask->setFocus();
            main->txtFile->setText("IMG_0042.JPG");
        }
        Click(main->Command2);
        EXPECT_EQ(main->txtMask->text(), row.mask);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), row.mask);
        EXPECT_EQ(Workflow(), MaskAndExtract);
        Click(main->Command1);
        EXPECT_EQ(main->txtExample->text(), row.example);
        EXPECT_EQ(main->txtMask->text(), row.mask);  // shortening stays in the analysis
        EXPECT_EQ(Workflow(), AllOn);
    }
}

TEST_F(MainWindowTest, OptionsFromTheDialogAndClearOptionsSurviveARestart) {
    // Lettering label, the button checked on opening and the one clicked (-1: none), the lettering after.
    const std::tuple<QString, int, int, QString> rows[] = {
        {"2", 2, 0, "0"}, {"0", 0, 1, "1"}, {"7", -1, -1, "7"}, {"", -1, 2, "2"}};
    store->write("Dir", "/kept");
    for (const auto& [lettering, shown, clicked, result] : rows) {
        store->write("Prefix", "stored");  // the dialog shows the labels, not the store
        store->write("LetteringPosition", "7");
        SetLabels({"pre", "suf", "0012", lettering});
        EXPECT_FALSE(WithOptions([&](frmOptions& dialog) {
            EXPECT_EQ(Boxes(dialog), QStringList({"pre", "suf", "0012"}));
            EXPECT_EQ(Checked(dialog), shown);
            dialog.txtPrefix->setText("Trip ");
            dialog.txtSufix->setText(", day");
            dialog.txtStartingNumber->setText("");
            if (clicked >= 0) Click(dialog.opt1[clicked]);
            Click(dialog.cmdOk);
        }));
        EXPECT_EQ(Labels(), QStringList({"Trip ", ", day", "", result}));
        OpenMain();
        EXPECT_EQ(Labels(), QStringList({"Trip ", ", day", "", result}));
    }
    main->txtExample->setText("Trip0007_x.JPG");
    Trigger("mnuClearOptions");
    EXPECT_EQ(Labels(), (QStringList{"", "", "", "0"}));
    EXPECT_EQ(main->txtExample->text(), "Trip0007_x.JPG");
    OpenMain();
    EXPECT_EQ(Labels(), (QStringList{"", "", "", "0"}));
    EXPECT_EQ(store->read("Dir", "absent"), "/kept");
}

TEST_F(MainWindowTest, OptionsDialogIgnoresEnterAndEscapeAndItsClearOptionsWritesNothing) {
    SetLabels({"p", "s", "9", "1"});
    EXPECT_TRUE(WithOptions([](frmOptions& dialog) {
        for (QWidget* target : std::initializer_list<QWidget*>{dialog.cmdClearOptions, dialog.cmdOk, dialog.txtPrefix,
                                                               dialog.txtStartingNumber, dialog.opt1[1], &dialog})
            for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
                target->setFocus();
                QTest::keyClick(target, key);
                EXPECT_TRUE(dialog.isVisible()) << target->objectName().toStdString() << " key " << key;
            }
        EXPECT_EQ(Boxes(dialog), QStringList({"p", "s", "9"}));
        Click(dialog.cmdClearOptions);
        EXPECT_EQ(Boxes(dialog), QStringList({"", "", ""}));
        EXPECT_EQ(Checked(dialog), 0);
    }));  // then closed without "Ok"
    EXPECT_EQ(Labels(), QStringList({"p", "s", "9", "1"}));
    EXPECT_FALSE(QFile::exists(StoreFile()));
}

TEST_F(MainWindowTest, HelpOpensTheFileAtItsStartAndIsQuietWithoutIt) {
    ws->HelpFilePath = ToText(root.filePath("missing.hlp"));
    Trigger("MnuHelpHelp");
    EXPECT_EQ(main->findChild<HelpWindow*>(), nullptr);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);  // no message either

    std::ofstream(Raw(root.filePath("mvn.hlp"))) << "<h1>Morvane Help</h1><p>more</p>";
    ws->HelpFilePath = ToText(root.filePath("mvn.hlp"));
    Trigger("MnuHelpHelp");
    Trigger("MnuHelpHelp");  // a second request reuses the window
    ASSERT_EQ(main->findChildren<HelpWindow*>().size(), 1);
    EXPECT_EQ(main->findChild<HelpWindow*>()->browser()->toPlainText(), "Morvane Help\nmore");
}

TEST_F(MainWindowTest, ExitClosesEveryWindowAlsoWithAModelessDialogOpen) {
    (new QDialog(main.get()))->show();
    Trigger("MnuFileExit");
    for (QWidget* top : QApplication::topLevelWidgets()) EXPECT_FALSE(top->isVisible());
}

TEST_F(MainWindowTest, AboutBoxIsModalAndOkEnterAndEscapeCloseIt) {
    for (const Qt::Key key : {Qt::Key_unknown, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})  // unknown: a click
        EXPECT_FALSE(RunModal([&] { Trigger("MnuHelpAbout"); }, [&](QDialog& box) {
            EXPECT_EQ(box.parentWidget(), main.get());
            auto* ok = box.findChild<QPushButton*>("cmdOK");
            ASSERT_EQ(box.focusWidget(), ok);
            key == Qt::Key_unknown ? Click(ok) : QTest::keyClick(ok, key);
        }));
}

TEST_F(MainWindowTest, EveryControlHasANameForAssistiveTechnology) {
    QStringList unnamed;
    for (QWidget* control : main->centralWidget()->findChildren<QWidget*>())
        if (control->focusPolicy() != Qt::NoFocus && control->accessibleName().trimmed().isEmpty())
            unnamed += control->objectName();
    EXPECT_EQ(unnamed, QStringList());
}

}  // namespace
