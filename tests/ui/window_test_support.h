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

#include "../core/fault_injecting_renamer.h"
#include "../core/temp_dir.h"
#include "frmDir.h"
#include "frmMain.h"
#include "settings_store.h"

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

using DiskFiles = Files;  // raw name -> content
using Buttons = std::array<bool, 3>;                 // "Set Mask", "Extract", "Rename" enabled
inline constexpr Buttons AllOff{false, false, false}, MaskAndExtract{true, true, false}, AllOn{true, true, true};

// Calls `open`, which shows a modal dialog and waits for it, and runs `act` on
// that dialog once it is up. A dialog still open afterwards is rejected so a
// failing test cannot hang. Returns whether `act` left the dialog open.
inline bool RunModal(const std::function<void()>& open, const std::function<void(QDialog&)>& act) {
    bool found = false, leftOpen = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        found = true;
        act(*dialog);
        leftOpen = dialog->isVisible();
        if (leftOpen) dialog->reject();
    });
    open();
    EXPECT_TRUE(found);
    return leftOpen;
}

class UiTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        std::filesystem::create_directory(Raw(Home()));
        std::filesystem::create_directory(Raw(Files()));
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
    // A new, active main window reading the store, as after a restart.
    void OpenMain() {
        main.reset();
        Flush();
        ws = std::make_unique<morvane::WorkState>();
        store = std::make_unique<SettingsStore>(StoreFile());
        main = std::make_unique<frmMain>(*ws, *store, renamer);
        main->show();
        main->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    }

    QString StoreFile() const { return root.filePath("Morvane.conf"); }
    QString Home() const { return root.filePath("home"); }
    QString Files() const { return root.filePath("files"); }
    static std::string Raw(const QString& path) { return QFile::encodeName(path).toStdString(); }
    static void MakeFile(const QString& dir, const QByteArray& name) {
        std::ofstream(Raw(dir) + "/" + name.toStdString()) << name.toStdString();
    }
    static DiskFiles Disk(const QString& dir) { return FilesIn(Raw(dir)); }

    void SetLabels(const QStringList& texts) {
        QLabel* labels[] = {main->lblPrefix, main->lblSufix, main->lblStartNumber, main->lblLetteringPosition};
        for (int i = 0; i < 4; ++i) labels[i]->setText(texts[i]);
    }
    QStringList Labels() const {
        return {main->lblPrefix->text(), main->lblSufix->text(), main->lblStartNumber->text(),
                main->lblLetteringPosition->text()};
    }
    void Trigger(const char* action) { main->findChild<QAction*>(action)->trigger(); }
    Buttons Workflow() const {
        return {main->Command2->isEnabled(), main->Command1->isEnabled(), main->Command4->isEnabled()};
    }

    // The chooser as it stands, once closed ones are destroyed.
    frmDir* Chooser() {
        Flush();
        return main->findChild<frmDir*>("frmDir");
    }
    static void Flush() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    static QStringList Items(const QListWidget* list) {
        QStringList texts;
        for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text().trimmed();
        return texts;
    }
    static void ClickRow(QListWidget* list, int row, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, mods, list->visualItemRect(list->item(row)).center());
    }
    static void DoubleClickRow(QListWidget* list, int row) {
        ClickRow(list, row);  // a view takes a double click only on the row it saw pressed
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    }
    static void Click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    QTemporaryDir root;
    QByteArray savedHome;
    FaultInjectingRenamer renamer;  // the real rename layer until a test sets its Fault
    std::unique_ptr<morvane::WorkState> ws;
    std::unique_ptr<SettingsStore> store;
    std::unique_ptr<frmMain> main;
};
