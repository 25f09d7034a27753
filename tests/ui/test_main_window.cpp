// The main window driven as the user drives it: start-up from the store, the
// workflow buttons, the menus and their dialogs, help and what assistive
// technology sees.
#include "frmOptions.h"
#include "frmRecover.h"
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
    static int Checked(frmOptions& d) {
        for (int i = 0; i < 3; ++i)
            if (Lettering(d, i)->isChecked()) return i;
        return -1;
    }
    static QStringList Boxes(frmOptions& d) {
        QStringList texts;
        for (const char* name : {"txtPrefix", "txtSufix", "txtStartingNumber"}) texts << OptionBox(d, name)->text();
        return texts;
    }
};

TEST_F(MainWindowTest, StartUpLoadsTheStoredOptionsWithoutWritingAndDisablesTheWorkflow) {
    struct Row {
        const char* name;
        std::map<QString, QString> stored;
        QStringList labels;
        QString letteringAfter;  // in the store after start-up
    };
    const Row rows[] = {
        {"nothing stored", {}, {"", "", "", "0"}, "absent"},
        {"empty lettering shows as none", {{"LetteringPosition", ""}}, {"", "", "", "0"}, ""},
        {"every option stored, odd lettering kept",
         {{"Prefix", "Trip"}, {"Sufix", "_x, y"}, {"StartingNumber", "007"}, {"LetteringPosition", "7"}},
         {"Trip", "_x, y", "007", "7"},
         "7"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QFile::remove(StoreFile());
        for (const auto& [key, value] : row.stored) store->write(key, value);
        OpenMain();
        EXPECT_EQ(Labels(), row.labels);
        EXPECT_EQ(store->read("LetteringPosition", "absent"), row.letteringAfter);
        EXPECT_EQ(Workflow(), AllOff);
    }
}

TEST_F(MainWindowTest, SetMaskTakesWhatWasHighlightedBeforeTheClickAndExtractPreviews) {
    struct Row {
        const char* name;
        int start, length;  // highlighted in txtFile; length 0: nothing
        bool replaceText;   // txtFile set again after highlighting
        QString mask, lettering, example;
    };
    const Row rows[] = {{"numeric mask", 4, 4, false, "0042", "0", "Trip0042_x.JPG"},
                        {"text mask lettered first", 0, 3, false, "IMG", "1", "Trip!MG_x.JPG"},
                        {"nothing highlighted", 0, 0, false, "", "0", "Trip0007_x.JPG"},
                        {"highlight dropped by new text", 4, 4, true, "", "0", "Trip0007_x.JPG"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        OpenMain();
        SetLabels({"Trip", "_x", "7", row.lettering});
        Button("Command2")->setEnabled(true);  // as the chooser leaves it
        Box("txtMask")->setText("old mask");
        Box("txtFile")->setFocus();
        Box("txtFile")->setText("IMG_0042.JPG");
        Box("txtFile")->setSelection(row.start, row.length);
        if (row.replaceText) {
            Box("txtMask")->setFocus();
            Box("txtFile")->setText("IMG_0042.JPG");
        }
        Click(Button("Command2"));
        EXPECT_EQ(Box("txtMask")->text(), row.mask);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), row.mask);
        EXPECT_EQ(Workflow(), MaskAndExtract);
        Click(Button("Command1"));
        EXPECT_EQ(Box("txtExample")->text(), row.example);
        EXPECT_EQ(Box("txtMask")->text(), row.mask);  // shortening stays in the analysis
        EXPECT_EQ(Workflow(), AllOn);
    }
}

TEST_F(MainWindowTest, OptionsFromTheDialogAndClearOptionsSurviveARestart) {
    // Lettering label, the button checked on opening and the one clicked (-1: none), the lettering after.
    const std::tuple<const char*, QString, int, int, QString> rows[] = {
        {"last to none", "2", 2, 0, "0"},
        {"none to first", "0", 0, 1, "1"},
        {"odd lettering, none clicked, kept", "7", -1, -1, "7"},
        {"empty lettering to last", "", -1, 2, "2"}};
    store->write("Dir", "/kept");
    for (const auto& [name, lettering, shown, clicked, result] : rows) {
        SCOPED_TRACE(name);
        store->write("Prefix", "stored");  // the dialog shows the labels, not the store
        store->write("LetteringPosition", "7");
        SetLabels({"pre", "suf", "0012", lettering});
        EXPECT_FALSE(WithOptions([&](frmOptions& dialog) {
            EXPECT_EQ(Boxes(dialog), QStringList({"pre", "suf", "0012"}));
            EXPECT_EQ(Checked(dialog), shown);
            OptionBox(dialog, "txtPrefix")->setText("Trip ");
            OptionBox(dialog, "txtSufix")->setText(", day");
            OptionBox(dialog, "txtStartingNumber")->setText("");
            if (clicked >= 0) Click(Lettering(dialog, clicked));
            Click(Find<QPushButton>(&dialog, "cmdOk"));
        }));
        EXPECT_EQ(Labels(), QStringList({"Trip ", ", day", "", result}));
        OpenMain();
        EXPECT_EQ(Labels(), QStringList({"Trip ", ", day", "", result}));
    }
    Box("txtExample")->setText("Trip0007_x.JPG");
    Trigger("mnuClearOptions");
    EXPECT_EQ(Labels(), (QStringList{"", "", "", "0"}));
    EXPECT_EQ(Box("txtExample")->text(), "Trip0007_x.JPG");
    OpenMain();
    EXPECT_EQ(Labels(), (QStringList{"", "", "", "0"}));
    EXPECT_EQ(store->read("Dir", "absent"), "/kept");
}

TEST_F(MainWindowTest, OptionsDialogIgnoresEnterAndEscapeAndItsClearOptionsWritesNothing) {
    SetLabels({"p", "s", "9", "1"});
    EXPECT_TRUE(WithOptions([](frmOptions& dialog) {
        auto* clear = Find<QPushButton>(&dialog, "cmdClearOptions");
        for (QWidget* target : std::initializer_list<QWidget*>{clear, Find<QPushButton>(&dialog, "cmdOk"),
                                                               OptionBox(dialog, "txtPrefix"),
                                                               OptionBox(dialog, "txtStartingNumber"),
                                                               Lettering(dialog, 1), &dialog})
            for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
                target->setFocus();
                QTest::keyClick(target, key);
                EXPECT_TRUE(dialog.isVisible()) << target->objectName().toStdString() << " key " << key;
            }
        EXPECT_EQ(Boxes(dialog), QStringList({"p", "s", "9"}));
        Click(clear);
        EXPECT_EQ(Boxes(dialog), QStringList({"", "", ""}));
        EXPECT_EQ(Checked(dialog), 0);
    }));  // then closed without "Ok"
    EXPECT_EQ(Labels(), QStringList({"p", "s", "9", "1"}));
    EXPECT_FALSE(QFile::exists(StoreFile()));
}

TEST_F(MainWindowTest, HelpOpensTheFileAtItsStartByMenuOrF1AndIsQuietWithoutIt) {
    main->SetHelpFilePath(root.filePath("missing.hlp"));
    Trigger("MnuHelpHelp");
    EXPECT_EQ(main->findChild<HelpWindow*>(), nullptr);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);  // no message either

    std::ofstream(Raw(root.filePath("mvn.hlp"))) << "<h1>Morvane Help</h1><p>more</p>";
    main->SetHelpFilePath(root.filePath("mvn.hlp"));
    Trigger("MnuHelpHelp");
    Trigger("MnuHelpHelp");  // a second request reuses the window
    ASSERT_EQ(main->findChildren<HelpWindow*>().size(), 1);
    EXPECT_EQ(main->findChild<HelpWindow*>()->browser()->toPlainText(), "Morvane Help\nmore");

    for (const bool fromChooser : {false, true}) {
        SCOPED_TRACE(fromChooser ? "F1 in the chooser" : "F1 in the main window");
        if (HelpWindow* open = main->findChild<HelpWindow*>()) open->close();
        Flush();
        ASSERT_EQ(main->findChild<HelpWindow*>(), nullptr);
        QWidget* window = main.get();
        if (fromChooser) {
            Click(Button("Command3"));
            window = Chooser();
        }
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window->focusWidget() ? window->focusWidget() : window, Qt::Key_F1);
        ASSERT_NE(main->findChild<HelpWindow*>(), nullptr);
        EXPECT_EQ(main->findChild<HelpWindow*>()->browser()->toPlainText(), "Morvane Help\nmore");
    }
}

TEST_F(MainWindowTest, ExitClosesEveryWindowAlsoWithAModelessDialogOpen) {
    (new QDialog(main.get()))->show();
    Trigger("MnuFileExit");
    for (QWidget* top : QApplication::topLevelWidgets())
        EXPECT_FALSE(top->isVisible()) << top->objectName().toStdString();
}

TEST_F(MainWindowTest, AboutBoxIsModalAndOkEnterAndEscapeCloseIt) {
    for (const Qt::Key key : {Qt::Key_unknown, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {  // unknown: a click
        SCOPED_TRACE(key == Qt::Key_unknown ? "a click" : QKeySequence(key).toString().toStdString());
        EXPECT_FALSE(RunModal([&] { Trigger("MnuHelpAbout"); }, [&](QDialog& box) {
            EXPECT_EQ(box.parentWidget(), main.get());
            auto* ok = box.findChild<QPushButton*>("cmdOK");
            ASSERT_EQ(box.focusWidget(), ok);
            key == Qt::Key_unknown ? Click(ok) : QTest::keyClick(ok, key);
        }));
    }
}

// The control with the focus when the window opens, then each one Tab reaches.
QStringList TabOrder(QWidget& window) {
    QStringList names;
    QWidget* const start = window.focusWidget();
    for (QWidget* w = start; w && names.size() < 30;) {
        names << w->objectName();
        do w = w->nextInFocusChain();
        while (w != start && !(w->focusPolicy() & Qt::TabFocus));
        if (w == start) break;
    }
    return names;
}

TEST_F(MainWindowTest, EachWindowOpensWithItsFirstControlFocusedAndTabsInItsOrder) {
    const std::pair<const char*, QStringList> rows[] = {
        {"frmMain", {"txtFile", "txtMask", "Command1", "txtExample", "Command2", "Command3", "Command4", "List1"}},
        {"frmDir", {"Drive1", "Dir1", "Command1", "Command2", "File1"}},
        {"frmOptions",
         {"cmdClearOptions", "txtPrefix", "txtSufix", "cmdOk", "txtStartingNumber", "opt1_0", "opt1_1", "opt1_2",
          "cboOrder"}},
        {"frmAbout", {"cmdOK"}},
    };
    std::map<QString, QStringList> seen;
    seen["frmMain"] = TabOrder(*main);
    Click(Button("Command3"));
    seen["frmDir"] = TabOrder(*Chooser());
    for (const char* menu : {"mnuOptionsSetOptions", "MnuHelpAbout"})
        RunModal([&] { Trigger(menu); }, [&](QDialog& d) { seen[d.objectName()] = TabOrder(d); });
    for (const auto& [window, order] : rows) EXPECT_EQ(seen[window], order) << window;
}

TEST_F(MainWindowTest, EveryControlHasANameForAssistiveTechnology) {
    QStringList unnamed;
    for (QWidget* control : main->centralWidget()->findChildren<QWidget*>())
        if (control->focusPolicy() != Qt::NoFocus && control->accessibleName().trimmed().isEmpty())
            unnamed += control->objectName();
    EXPECT_EQ(unnamed, QStringList());
}

// The title bar each dialog asks for: none may offer to minimise or maximise,
// and the window manager must take the hints as given (CustomizeWindowHint),
// not add its defaults.
TEST_F(MainWindowTest, DialogsAskForATitleBarWithoutMinimiseOrMaximise) {
    struct Row {
        const char* dialog;
        bool closeButton;
    };
    const Row rows[] = {
        {"frmOptions", true},
        {"frmAbout", true},
        {"frmDir", true},
        {"frmRecover", false},  // answered by "Undo" or "Keep" only
    };
    std::map<QString, Qt::WindowFlags> seen;
    for (const char* menu : {"mnuOptionsSetOptions", "MnuHelpAbout"})
        RunModal([&] { Trigger(menu); }, [&](QDialog& d) { seen[d.objectName()] = d.windowFlags(); });
    Click(Button("Command3"));
    seen["frmDir"] = Chooser()->windowFlags();
    seen["frmRecover"] = frmRecover(main.get(), "text").windowFlags();

    for (const Row& row : rows) {
        SCOPED_TRACE(row.dialog);
        ASSERT_EQ(seen.count(row.dialog), 1u);
        const Qt::WindowFlags flags = seen[row.dialog];
        EXPECT_EQ(int(flags & Qt::WindowType_Mask), int(Qt::Dialog));
        EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint));
        EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
        EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
        EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
        EXPECT_EQ(flags.testFlag(Qt::WindowCloseButtonHint), row.closeButton);
    }
}

}  // namespace
