// The main window driven as the user drives it: start-up from the store, the
// workflow buttons, the menus and their dialogs, help and what assistive
// technology sees.
#include "windows/frmRecover.h"
#include "windows/help_window.h"
#include "qt_text.h"
#include "window_test_support.h"

namespace {

class MainWindowTest : public UiTest {
protected:
    static int Checked(QDialog& d) {
        for (int i = 0; i < 3; ++i)
            if (Lettering(d, i)->isChecked()) return i;
        return -1;
    }
    static QComboBox* Order(QDialog& d) { return Find<QComboBox>(&d, "cboOrder"); }
    static QStringList Boxes(QDialog& d) {
        QStringList texts;
        for (const char* name : {"txtPrefix", "txtSufix", "txtStartingNumber"}) texts << OptionBox(d, name)->text();
        return texts;
    }
};

// Start-up shows the stored options and writes nothing. The dialog shows the
// options in force, not the store; it ignores Enter and Escape, and its Clear
// Options writes nothing; its "Ok" keeps an odd lettering no button was
// clicked for and is what a restart reads. How each stored text reads is
// test_settings.cpp's; a lettering clicked, test_preview.cpp's.
TEST_F(MainWindowTest, OptionsFromTheStoreThroughTheDialogAndClearedSurviveARestart) {
    const QStringList stored{"Trip", "_x, y", "007", "7"};
    const QString keys[] = {"Prefix", "Sufix", "StartingNumber", "LetteringPosition"};
    for (int i = 0; i < 4; ++i) store->write(keys[i], stored[i]);
    store->write("Order", "3");
    const QByteArray written = Contents(StoreFile());
    OpenMain();
    EXPECT_EQ(std::tuple(Options(), Contents(StoreFile()), Workflow()), std::tuple(stored, written, AllOff));
    SetOptions({"pre", "suf", "0012", "7"});
    morvane::Options dated = presenter->Options();
    std::tie(dated.DateInName, dated.DateFormat, dated.NumberPerDay) = std::tuple(morvane::DateChoice::Modified, u"dd_", true);
    presenter->SetOptions(dated);
    const auto dateRow = [](QDialog& d) {
        return std::tuple(Find<QComboBox>(&d, "cboDateInName")->currentIndex(), OptionBox(d, "txtDateFormat")->text(),
                          Find<QCheckBox>(&d, "chkNumberPerDay")->isChecked());
    };
    EXPECT_TRUE(WithOptions([&](QDialog& dialog) {
        for (QWidget* target : std::initializer_list<QWidget*>{Find<QPushButton>(&dialog, "cmdOk"),
                                                               OptionBox(dialog, "txtStartingNumber"), Lettering(dialog, 1), &dialog})
            for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
                target->setFocus();
                QTest::keyClick(target, key);
                EXPECT_TRUE(dialog.isVisible()) << target->objectName().toStdString() << " key " << key;
            }
        EXPECT_EQ(std::tuple(Boxes(dialog), Checked(dialog), Order(dialog)->currentIndex(), Items(Order(dialog)->view()), dateRow(dialog)),
                  std::tuple(QStringList({"pre", "suf", "0012"}), -1, 3, QStringList({"Name", "Date Taken", "Date Modified", "Size"}),
                             std::tuple(2, QString("dd_"), true)));
        Click(Find<QPushButton>(&dialog, "cmdClearOptions"));
        EXPECT_EQ(std::tuple(Boxes(dialog), Checked(dialog), Order(dialog)->currentIndex(), dateRow(dialog)),
                  std::tuple(QStringList({"", "", ""}), 0, 0, std::tuple(0, QString("yyyy-MM-dd_"), false)));
    }));  // then closed without "Ok"
    EXPECT_EQ(std::tuple(Options(), Contents(StoreFile())), std::tuple(QStringList({"pre", "suf", "0012", "7"}), written));
    EXPECT_FALSE(WithOptions([&](QDialog& dialog) {
        OptionBox(dialog, "txtPrefix")->setText("Trip ");
        OptionBox(dialog, "txtSufix")->setText(", day");
        OptionBox(dialog, "txtStartingNumber")->setText("");
        Order(dialog)->setCurrentIndex(1);
        Click(Find<QPushButton>(&dialog, "cmdOk"));
    }));
    const QStringList after{"Trip ", ", day", "", "7"};
    EXPECT_EQ(std::tuple(Options(), store->read("Order", "absent")), std::tuple(after, QString("1")));
    OpenMain();
    EXPECT_EQ(Options(), after);
    WithOptions([&](QDialog& dialog) { EXPECT_EQ(Order(dialog)->currentIndex(), 1); });
    store->write("Dir", "/kept");
    Box("txtExample")->setText("Trip0007_x.JPG");
    Trigger("mnuClearOptions");
    const QStringList none{"", "", "", "0"};
    EXPECT_EQ(std::tuple(Options(), Box("txtExample")->text(), store->read("Order", "absent")),
              std::tuple(none, "Trip0007_x.JPG", "0"));
    OpenMain();
    EXPECT_EQ(std::tuple(Options(), store->read("Dir", "absent")), std::tuple(none, "/kept"));
}

// The option labels, which users' scripts read, show the options in force.
TEST_F(MainWindowTest, TheOptionLabelsMirrorTheOptionsInForce) {
    using morvane::LetteringPosition, morvane::ListOrder;
    const std::pair<morvane::Options, QStringList> rows[] = {
        {{u"Trip ", u"_x, y", u"007", LetteringPosition::Last, {}, ListOrder::Size}, {"Trip ", "_x, y", "007", "2", "3"}},
        {{u"a", u"b", u" 9 ", LetteringPosition::First, u" 1", ListOrder::DateTaken}, {"a", "b", " 9 ", " 1", "1"}},
    };
    for (const auto& [options, labels] : rows) {
        presenter->SetOptions(options);
        QStringList shown;
        for (const char* label : {"lblPrefix", "lblSufix", "lblStartNumber", "lblLetteringPosition", "lblOrder"})
            shown << InMain<QLabel>(label)->text();
        EXPECT_EQ(shown, labels);
    }
}

TEST_F(MainWindowTest, SetMaskTakesWhatWasHighlightedBeforeTheClickAndExtractPreviews) {
    // Name; start and length highlighted in txtFile; txtFile set again after highlighting; the mask, lettering
    // and example then.
    const std::tuple<const char*, int, int, bool, QString, QString, QString> rows[] = {
                        {"text mask lettered first", 0, 3, false, "IMG", "1", "Trip!MG_x.JPG"},
                        {"highlight dropped by new text", 4, 4, true, "", "0", "Trip0007_x.JPG"}};
    for (const auto& [name, start, length, replaceText, mask, lettering, example] : rows) {
        SCOPED_TRACE(name);
        OpenMain();
        MakeFile(Files(), "IMG_0042.JPG");
        SetOptions({"Trip", "_x", "7", lettering});
        Hand({"IMG_0042.JPG"});
        Box("txtMask")->setText("old mask");
        Box("txtFile")->setFocus();
        Box("txtFile")->setText("IMG_0042.JPG");
        Box("txtFile")->setSelection(start, length);
        if (replaceText) {
            Box("txtMask")->setFocus();
            Box("txtFile")->setText("IMG_0042.JPG");
        }
        Click(Button("Command2"));
        EXPECT_EQ(std::tuple(Box("txtMask")->text(), QGuiApplication::clipboard()->text(), Workflow()),
                  std::tuple(mask, mask, MaskAndExtract));
        Click(Button("Command1"));
        // The mask as it was: shortening stays in the analysis.
        EXPECT_EQ(std::tuple(Box("txtExample")->text(), Box("txtMask")->text(), Workflow()), std::tuple(example, mask, AllOn));
    }
}

TEST_F(MainWindowTest, HelpOpensTheFileAtItsStartByMenuOrF1AndIsQuietWithoutIt) {
    main->SetHelpFilePath(root.filePath("missing.hlp"));
    EXPECT_FALSE(ShowsModal([this] { Trigger("MnuHelpHelp"); }));
    EXPECT_EQ(main->findChild<HelpWindow*>(), nullptr);

    std::ofstream(Raw(root.filePath("mvn.hlp"))) << "<h1>Morvane Help</h1><p>more</p>";
    main->SetHelpFilePath(root.filePath("mvn.hlp"));
    Trigger("MnuHelpHelp");
    Trigger("MnuHelpHelp");  // a second request reuses the window
    ASSERT_EQ(main->findChildren<HelpWindow*>().size(), 1);
    EXPECT_EQ(main->findChild<HelpWindow*>()->browser()->toPlainText(), "Morvane Help\nmore");

    // F1 from the chooser as well, and from the main window by the item's key.
    EXPECT_EQ(main->findChild<QAction*>("MnuHelpHelp")->shortcut(), QKeySequence(Qt::Key_F1));
    main->findChild<HelpWindow*>()->close();
    Flush();
    ASSERT_EQ(main->findChild<HelpWindow*>(), nullptr);
    Click(Button("Command3"));
    Chooser()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Chooser()));
    QTest::keyClick(Chooser()->focusWidget() ? Chooser()->focusWidget() : Chooser(), Qt::Key_F1);
    ASSERT_NE(main->findChild<HelpWindow*>(), nullptr);
    EXPECT_EQ(main->findChild<HelpWindow*>()->browser()->toPlainText(), "Morvane Help\nmore");
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

// Each window opens with its first control focused and tabs in its order; the
// dialogs ask for a title bar without minimise or maximise, and the window
// manager must take the hints as given (CustomizeWindowHint), not add its own.
TEST_F(MainWindowTest, EachWindowTabsInItsOrderAndNoDialogOffersToMinimiseOrMaximise) {
    const Qt::WindowFlags titled = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint,
                          closable = titled | Qt::WindowCloseButtonHint, asked = Qt::WindowType_Mask | closable |
                                                                                 Qt::WindowMinMaxButtonsHint;
    const std::tuple<const char*, QStringList, Qt::WindowFlags> rows[] = {
        {"frmMain", {"txtFile", "txtMask", "Command1", "txtExample", "Command2", "Command3", "Command4", "List1"},
         Qt::Window | Qt::WindowTitleHint | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint},
        {"frmDir", {"Drive1", "Dir1", "Command1", "Command2", "File1"}, closable},
        {"frmOptions",
         {"cmdClearOptions", "txtPrefix", "txtSufix", "cmdOk", "txtStartingNumber", "opt1_0", "opt1_1", "opt1_2",
          "cboOrder", "cboDateInName", "txtDateFormat", "chkNumberPerDay"},
         closable},
        {"frmAbout", {"cmdOK"}, closable},
        {"frmRecover", {"cmdRecoverUndo", "cmdRecoverKeep"}, titled},  // answered by "Undo" or "Keep" only
    };
    std::map<QString, std::pair<QStringList, Qt::WindowFlags>> seen;
    const auto look = [&](QWidget& window) { seen[window.objectName()] = {TabOrder(window), window.windowFlags() & asked}; };
    look(*main);
    Click(Button("Command3"));
    look(*Chooser());
    for (const char* menu : {"mnuOptionsSetOptions", "MnuHelpAbout"}) RunModal([&] { Trigger(menu); }, look);
    frmRecover recover(main.get(), "text");
    look(recover);
    for (const auto& [window, order, flags] : rows) EXPECT_EQ(seen[window], std::pair(order, flags)) << window;
}

}  // namespace
