// The main window driven as the user drives it: start-up from the store, the
// workflow buttons, the menus, help and what assistive technology sees.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "frmMain.h"
#include "help_window.h"
#include "qt_text.h"
#include "settings_store.h"

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

const QString kAbsent = "<absent>";

class MainWindowTest : public ::testing::Test {
protected:
    QString storeFile() const { return dir.filePath("Morvane.conf"); }

    // A fresh window on the test's store, as the program starts it; shown and
    // active when clicks must move the focus as they do for the user.
    frmMain& Start(bool shown = false) {
        window.reset();
        ws = std::make_unique<morvane::WorkState>();
        store = std::make_unique<SettingsStore>(storeFile());
        window = std::make_unique<frmMain>(*ws, *store, renamer);
        if (shown) {
            window->show();
            window->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        }
        return *window;
    }

    void SetLabels(const QStringList& values) {
        QLabel* labels[] = {window->lblPrefix, window->lblSufix, window->lblStartNumber, window->lblLetteringPosition};
        for (int i = 0; i < 4; ++i) labels[i]->setText(values[i]);
    }

    QStringList Labels() const {
        return {window->lblPrefix->text(), window->lblSufix->text(), window->lblStartNumber->text(),
                window->lblLetteringPosition->text()};
    }

    void Trigger(const char* action) { window->findChild<QAction*>(action)->trigger(); }

    QTemporaryDir dir;
    morvane::PosixRenamer renamer;
    std::unique_ptr<morvane::WorkState> ws;
    std::unique_ptr<SettingsStore> store;
    std::unique_ptr<frmMain> window;
};

TEST_F(MainWindowTest, StartUpLoadsTheStoredOptionsAndDisablesTheWorkflow) {
    struct Row {
        std::map<QString, QString> stored;
        QStringList labels;
        QString letteringInStoreAfter;
    };
    const Row rows[] = {
        {{}, {"", "", "", "0"}, kAbsent},
        {{{"LetteringPosition", ""}}, {"", "", "", "0"}, ""},
        {{{"Prefix", "Trip"}, {"Sufix", "_x, y"}, {"StartingNumber", "007"}, {"LetteringPosition", "7"}},
         {"Trip", "_x, y", "007", "7"},
         "7"},
    };
    for (const Row& row : rows) {
        QFile::remove(storeFile());
        SettingsStore writer(storeFile());
        for (const auto& [key, value] : row.stored) writer.write(key, value);
        frmMain& w = Start();
        EXPECT_EQ(Labels(), row.labels);
        EXPECT_EQ(SettingsStore(storeFile()).read("LetteringPosition", kAbsent), row.letteringInStoreAfter);
        EXPECT_FALSE(w.Command1->isEnabled() || w.Command2->isEnabled() || w.Command4->isEnabled());
        EXPECT_TRUE(ToQString(ws->HelpFilePath).endsWith("/mvn.hlp"));
    }
}

TEST_F(MainWindowTest, SetMaskTakesWhatWasHighlightedBeforeTheClick) {
    struct Row {
        int start, length;  // highlighted in txtFile; length 0: nothing
        bool replaceText;   // txtFile set again after highlighting
        QString mask;
    };
    const Row rows[] = {{4, 4, false, "0042"}, {0, 12, false, "IMG_0042.JPG"}, {0, 0, false, ""}, {4, 4, true, ""}};
    for (const Row& row : rows) {
        frmMain& w = Start(true);
        w.Command2->setEnabled(true);  // as the chooser leaves it
        w.txtMask->setText("old mask");
        w.txtFile->setFocus();
        w.txtFile->setText("IMG_0042.JPG");
        w.txtFile->setSelection(row.start, row.length);
        if (row.replaceText) {
            w.txtMask->setFocus();
            w.txtFile->setText("IMG_0042.JPG");
        }
        QTest::mouseClick(w.Command2, Qt::LeftButton);
        EXPECT_EQ(w.txtMask->text(), row.mask);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), row.mask);
        EXPECT_TRUE(w.Command1->isEnabled());
        EXPECT_FALSE(w.Command4->isEnabled());
    }
}

TEST_F(MainWindowTest, ExtractPreviewsTheExampleAndEnablesRenameOnly) {
    struct Row {
        QString mask, lettering, example;
    };
    const Row rows[] = {{"", "0", "Trip0007_x.JPG"}, {"0042", "0", "Trip0042_x.JPG"},
                        {"IMG", "1", "Trip!MG_x.JPG"}, {"G_0042", "2", "TripG_0042_x.JPG"}};
    for (const Row& row : rows) {
        frmMain& w = Start();
        SetLabels({"Trip", "_x", "7", row.lettering});
        w.txtFile->setText("IMG_0042.JPG");
        w.txtMask->setText(row.mask);
        w.Command1->setEnabled(true);
        w.Command1->click();
        EXPECT_EQ(w.txtExample->text(), row.example);
        EXPECT_TRUE(w.Command4->isEnabled());
        EXPECT_FALSE(w.Command2->isEnabled());
        EXPECT_EQ(w.txtMask->text(), row.mask);  // shortening stays in the analysis
    }
}

TEST_F(MainWindowTest, ClearOptionsWritesStoreAndLabelsButNotThePreview) {
    SettingsStore(storeFile()).write("Dir", "/data/photos");
    frmMain& w = Start();
    SetLabels({"Trip", "_x", "7", "2"});
    w.txtExample->setText("Trip0007_x.JPG");
    w.Command4->setEnabled(true);
    Trigger("mnuClearOptions");
    EXPECT_EQ(Labels(), (QStringList{"", "", "", "0"}));
    EXPECT_EQ(w.txtExample->text(), "Trip0007_x.JPG");
    EXPECT_TRUE(w.Command4->isEnabled());
    Start();  // the cleared values are what the next start reads
    EXPECT_EQ(Labels(), (QStringList{"", "", "", "0"}));
    EXPECT_EQ(SettingsStore(storeFile()).read("Dir", kAbsent), "/data/photos");
}

TEST_F(MainWindowTest, OptionsSetFromTheMenuSurviveARestart) {
    Start();
    bool dialogSeen = false;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog || dialog->objectName() != "frmOptions") return;
        dialogSeen = true;
        dialog->findChild<QLineEdit*>("txtPrefix")->setText("Trip");
        dialog->findChild<QLineEdit*>("txtStartingNumber")->setText("25");
        QTest::mouseClick(dialog->findChild<QAbstractButton*>("opt1_1"), Qt::LeftButton);
        QTest::mouseClick(dialog->findChild<QPushButton*>("cmdOk"), Qt::LeftButton);
    });
    Trigger("mnuOptionsSetOptions");
    ASSERT_TRUE(dialogSeen);
    EXPECT_EQ(Labels(), (QStringList{"Trip", "", "25", "1"}));
    Start();
    EXPECT_EQ(Labels(), (QStringList{"Trip", "", "25", "1"}));
}

TEST_F(MainWindowTest, HelpOpensTheFileAtItsStartAndIsQuietWithoutIt) {
    frmMain& w = Start();
    ws->HelpFilePath = ToText(dir.filePath("missing.hlp"));
    Trigger("MnuHelpHelp");
    EXPECT_EQ(w.findChild<HelpWindow*>(), nullptr);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);  // no message either

    QFile file(dir.filePath("mvn.hlp"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<h1>Morvane Help</h1>" + QByteArray("<p>more</p>").repeated(200));
    file.close();
    ws->HelpFilePath = ToText(file.fileName());
    Trigger("MnuHelpHelp");
    Trigger("MnuHelpHelp");  // a second request reuses the window
    ASSERT_EQ(w.findChildren<HelpWindow*>().size(), 1);
    QTextBrowser* text = w.findChild<HelpWindow*>()->browser();
    EXPECT_TRUE(text->toPlainText().startsWith("Morvane Help"));
    EXPECT_EQ(text->verticalScrollBar()->value(), 0);
}

TEST_F(MainWindowTest, ExitClosesEveryWindowAlsoWithTheChooserOpen) {
    frmMain& w = Start(true);
    auto* chooser = new QDialog(&w);  // modeless, like the chooser
    chooser->show();
    Trigger("MnuFileExit");
    // No window left open keeps the program alive.
    for (QWidget* top : QApplication::topLevelWidgets()) EXPECT_FALSE(top->isVisible());
}

TEST_F(MainWindowTest, EveryControlHasANameForAssistiveTechnology) {
    frmMain& w = Start();
    QStringList unnamed;
    for (QWidget* control : w.centralWidget()->findChildren<QWidget*>())
        if (control->focusPolicy() != Qt::NoFocus && control->accessibleName().trimmed().isEmpty())
            unnamed += control->objectName();
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(", ").toStdString();
}

}  // namespace
