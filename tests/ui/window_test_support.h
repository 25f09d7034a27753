#pragma once
// The window tests' fixture: a main window on a store and a home of its own,
// real files named by raw bytes (each holding its first name, so a lost or
// swapped file shows), clicks on list rows, and a runner for modal dialogs.
#include <QTest>
#include <QtWidgets>
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>

#include "../core/error_number_checks.h"
#include "../core/fault_injecting_renamer.h"
#include "../core/temp_dir.h"
#include "widgets/dir_list_box.h"
#include "files/file_choice.h"
#include "widgets/file_list_box.h"
#include "windows/frmDir.h"
#include "windows/frmMain.h"
#include "journal/journal_store.h"
#include "presenter/presenter.h"
#include "session/pass_history.h"
#include "widgets/mount_table_source.h"
#include "qt_text.h"
#include "session/rename_session.h"
#include "settings_store.h"

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

// A window's control, found by its object name; a missing one fails the test
// with its name.
template <class T = QWidget>
T* Find(const QObject* window, const QString& name) {
    T* control = window ? window->findChild<T*>(name) : nullptr;
    if (!control) ADD_FAILURE() << "no control " << name.toStdString();
    return control;
}

// The options dialog's text boxes and lettering buttons.
inline QLineEdit* OptionBox(QDialog& dialog, const char* name) { return Find<QLineEdit>(&dialog, name); }
inline QRadioButton* Lettering(QDialog& dialog, int index) {
    return Find<QRadioButton>(&dialog, QString("opt1_%1").arg(index));
}

using DiskFiles = Files;  // raw name -> content
using Buttons = std::array<bool, 3>;                 // "Set Mask", "Extract", "Rename" enabled
inline constexpr Buttons AllOff{false, false, false}, MaskAndExtract{true, true, false}, AllOn{true, true, true};

// Calls `open`, which shows a modal dialog and waits for it, and runs `act` on
// that dialog once it is up. A dialog still open afterwards is rejected so a
// failing test cannot hang. Returns whether `act` left the dialog open; the
// dialog must show unless `expected` says otherwise.
inline bool RunModal(const std::function<void()>& open, const std::function<void(QDialog&)>& act, bool expected = true) {
    bool found = false, leftOpen = false;
    QObject alive;  // a call that shows no dialog leaves no timer behind
    QTimer::singleShot(0, &alive, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        found = true;
        act(*dialog);
        leftOpen = dialog->isVisible();
        if (leftOpen) dialog->reject();
    });
    open();
    QCoreApplication::processEvents();  // a dialog shown without waiting is found too
    EXPECT_TRUE(found || !expected);
    return leftOpen;
}
// Calls `open`, which asks a question in a message box; answers "Yes" and
// returns the question.
inline QString AnswerYes(const std::function<void()>& open) {
    QString question;
    RunModal(open, [&](QDialog& dialog) {
        auto* box = qobject_cast<QMessageBox*>(&dialog);
        ASSERT_NE(box, nullptr);
        question = box->text();
        box->button(QMessageBox::Yes)->click();
    });
    return question;
}
// Whether `open` shows a modal dialog, which is then closed.
inline bool ShowsModal(const std::function<void()>& open) {
    bool shown = false;
    RunModal(open, [&](QDialog&) { shown = true; }, false);
    return shown;
}

// A mount table given as text, counting its readings. Its mount points need
// not exist: the chooser lists them without looking at them.
class FakeMountTable final : public MountTableSource {
public:
    QByteArray MountTable() const override {
        ++Readings;
        return Table;
    }
    QByteArray Table;
    mutable int Readings = 0;
};

// The centre of a list's row, scrolled into view.
inline QPoint RowCentre(QAbstractItemView* list, int row) {
    const QModelIndex index = list->model()->index(row, 0);
    list->scrollTo(index);
    return list->visualRect(index).center();
}

class UiTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        std::filesystem::create_directory(Raw(Home()));
        std::filesystem::create_directory(Raw(Files()));
        mounts.Table = SystemMountTable().MountTable();
        savedHome = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(Home()));
        OpenMain();
    }
    void TearDown() override {
        main.reset();
        Flush();
        qputenv("HOME", savedHome);
        std::filesystem::remove_all(Raw(root.path()));  // QDir cannot remove names that are not UTF-8
    }
    // A new, active main window reading the store, as after a restart;
    // `beforeShown` runs on it first, as main() hands it the command line.
    void OpenMain(const std::function<void()>& beforeShown = {}) {
        main.reset();
        Flush();
        store = std::make_unique<SettingsStore>(StoreFile());
        journals = std::make_unique<morvane::JournalStore>(Raw(root.filePath("state")));
        OpenOwners();
        main = std::make_unique<frmMain>(*presenter, *store, mounts);
        if (beforeShown) beforeShown();
        main->show();
        main->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    }

    // The session's two owners and the presenter, as main() makes them; every
    // undo borrows the test's renamer, or one `makeRenamer` gives.
    void OpenOwners(morvane::RenamerMaker makeRenamer = {}) {
        presenter.reset();
        history.reset();
        session.reset();
        if (!makeRenamer) makeRenamer = [this] { return std::make_unique<morvane::CountingRenamer>(renamer); };
        session = std::make_unique<morvane::RenameSession>(renamer, journals.get(), makeRenamer);
        history = std::make_unique<morvane::PassHistory>(journals.get(), makeRenamer);
        presenter = std::make_unique<Presenter>(*session, *history, *store);
    }

    QString StoreFile() const { return root.filePath("Morvane.conf"); }
    QString Home() const { return root.filePath("home"); }
    QString Files() const { return root.filePath("files"); }
    static std::string Raw(const QString& path) { return QFile::encodeName(path).toStdString(); }
    static void MakeFile(const QString& dir, const QByteArray& name) {
        std::ofstream(Raw(dir) + "/" + name.toStdString()) << name.toStdString();
    }
    static DiskFiles Disk(const QString& dir) { return FilesIn(Raw(dir)); }
    static QByteArray Contents(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : "unreadable";
    }

    // "Select ", rows 0 to `last` of the chooser (-1: every row), "&OK".
    void ChooseRows(int last = -1) {
        Click(Button("Command3"));
        ClickRow(File1(), 0);
        ClickRow(File1(), last < 0 ? File1()->count() - 1 : last, Qt::ShiftModifier);
        Click(ChooserButton("Command1"));
    }
    // Hands the named files of Files() to the window, as a drop does.
    void Hand(const QStringList& names) {
        std::vector<std::string> paths;
        for (const QString& name : names) paths.push_back(Raw(Files() + "/" + name));
        main->TakeFileChoice(morvane::ChooseFiles(paths));
    }

    // A control of the main window (the dialogs have controls of the same names).
    template <class T = QWidget>
    T* InMain(const QString& name) const {
        return Find<T>(main->centralWidget(), name);
    }
    QPushButton* Button(const char* name) const { return InMain<QPushButton>(name); }
    // The status line's whole text, as a screen reader hears it.
    QString StatusLine() const { return InMain<QLabel>("lblStatus")->accessibleName(); }
    QLineEdit* Box(const char* name) const { return InMain<QLineEdit>(name); }
    NameListBox* List1() const { return InMain<NameListBox>("List1"); }
    // The controls of the open chooser or review dialog.
    QPushButton* ChooserButton(const char* name) { return Find<QPushButton>(Chooser(), name); }
    FileListBox* File1() { return Find<FileListBox>(Chooser(), "File1"); }
    DirListBox* Dir1() { return Find<DirListBox>(Chooser(), "Dir1"); }

    // Options in force: prefix, suffix, starting number and the lettering as
    // the store keeps it; the list order stays.
    void SetOptions(const QStringList& texts) {
        morvane::Options options = presenter->Options();
        options.Prefix = ToText(texts[0]);
        options.Suffix = ToText(texts[1]);
        options.StartNumber = ToText(texts[2]);
        const int button = QStringList({"0", "1", "2"}).indexOf(texts[3]);
        options.Lettering = static_cast<morvane::LetteringPosition>(std::max(button, 0));
        options.OddLettering = button < 0 ? ToText(texts[3]) : morvane::Text();
        presenter->SetOptions(options);
    }
    // The options in force as text, in the order SetOptions takes them.
    QStringList Options() const {
        const morvane::Options& o = presenter->Options();
        return {ToQString(o.Prefix), ToQString(o.Suffix), ToQString(o.StartNumber),
                o.OddLettering.empty() ? QString::number(int(o.Lettering)) : ToQString(o.OddLettering)};
    }
    void Trigger(const char* action) { main->findChild<QAction*>(action)->trigger(); }
    // Opens the options dialog from the menu and runs `act` on it; returns whether `act` left it open.
    bool WithOptions(const std::function<void(QDialog&)>& act) {
        return RunModal([this] { Trigger("mnuOptionsSetOptions"); }, act);
    }
    // The steps the presenter offers, as the workflow buttons show them.
    Buttons Workflow() const {
        return {Button("Command2")->isEnabled(), Button("Command1")->isEnabled(), Button("Command4")->isEnabled()};
    }

    // The chooser as it stands, once closed ones are destroyed.
    frmDir* Chooser() {
        Flush();
        return main->findChild<frmDir*>("frmDir");
    }
    static void Flush() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    // The texts a list shows, as its model gives them.
    static QStringList Items(const QAbstractItemView* list) {
        QStringList texts;
        const QAbstractItemModel* model = list->model();
        for (int i = 0; i < model->rowCount(); ++i) texts << model->index(i, 0).data().toString();
        return texts;
    }
    // A table's rows, each "cell|cell|..." from column `from` on.
    static QStringList TableRows(const QAbstractItemModel* model, int from = 0) {
        QStringList rows;
        for (int r = 0; r < model->rowCount(); ++r) {
            QStringList cells;
            for (int c = from; c < model->columnCount(); ++c) cells << model->index(r, c).data().toString();
            rows << cells.join('|');
        }
        return rows;
    }
    static void ClickRow(QAbstractItemView* list, int row, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, mods, RowCentre(list, row));
    }
    static void DoubleClickRow(QAbstractItemView* list, int row) {
        ClickRow(list, row);  // a view takes a double click only on the row it saw pressed
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, RowCentre(list, row));
    }
    static void Click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    QTemporaryDir root;
    QByteArray savedHome;
    FaultInjectingRenamer renamer;  // the real rename layer until a test sets its Fault
    FakeMountTable mounts;          // the system's table until a test sets another
    std::unique_ptr<SettingsStore> store;
    std::unique_ptr<morvane::JournalStore> journals;  // each pass's journal, in the test's own state directory
    std::unique_ptr<morvane::RenameSession> session;
    std::unique_ptr<morvane::PassHistory> history;
    std::unique_ptr<Presenter> presenter;
    std::unique_ptr<frmMain> main;
};
