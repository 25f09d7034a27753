#pragma once
// The chooser and workflow tests: a main window on its own store and home,
// real files named by raw bytes (each holding its first name as content, so a
// lost or swapped file shows), and clicks on list rows.
#include <dirent.h>
#include <fcntl.h>
#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <map>
#include <memory>

#include "dir_list_box.h"
#include "file_list_box.h"
#include "frmDir.h"
#include "frmMain.h"
#include "settings_store.h"

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

using DiskFiles = std::map<QByteArray, QByteArray>;  // raw name -> content
using Buttons = std::array<bool, 3>;                 // "Set Mask", "Extract", "Rename" enabled
inline constexpr Buttons AllOff{false, false, false}, MaskAndExtract{true, true, false}, AllOn{true, true, true};

class ChooserTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        mkdir(Raw(Home()).constData(), 0755);
        mkdir(Raw(Files()).constData(), 0755);
        savedHome = qgetenv("HOME");
        qputenv("HOME", Raw(Home()));
        store = std::make_unique<SettingsStore>(root.filePath("Morvane.conf"));
        OpenMain();
    }
    void TearDown() override {
        main.reset();
        Flush();
        qputenv("HOME", savedHome);
        // By raw bytes: QDir cannot remove names that are not UTF-8.
        const auto remove = [](const char* p, const struct stat*, int, FTW*) { return ::remove(p); };
        nftw(Raw(root.path()).constData(), remove, 16, FTW_DEPTH | FTW_PHYS);
    }
    // A new main window on the same store, as after a restart.
    void OpenMain() {
        main.reset();
        Flush();
        main = std::make_unique<frmMain>(ws, *store, *renamer);
        main->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(main.get()));
    }

    QString Home() const { return root.filePath("home"); }
    QString Files() const { return root.filePath("files"); }
    static QByteArray Raw(const QString& path) { return QFile::encodeName(path); }
    static void MakeFile(const QString& dir, const QByteArray& name) {
        const int fd = ::open((Raw(dir) + "/" + name).constData(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
        ASSERT_EQ(::write(fd, name.constData(), static_cast<size_t>(name.size())), name.size());
        ::close(fd);
    }
    static void MakeDir(const QString& dir, const QByteArray& name) {
        mkdir((Raw(dir) + "/" + name).constData(), 0755);
    }
    static DiskFiles Disk(const QString& dir) {
        DiskFiles files;
        DIR* d = opendir(Raw(dir).constData());
        while (const dirent* e = d ? readdir(d) : nullptr) {
            const QByteArray path = Raw(dir) + "/" + e->d_name;
            struct stat st {};
            if (stat(path.constData(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
            QByteArray content(4096, '\0');
            const int fd = ::open(path.constData(), O_RDONLY);
            content.truncate(static_cast<qsizetype>(std::max<ssize_t>(0, ::read(fd, content.data(), 4096))));
            ::close(fd);
            files[e->d_name] = content;
        }
        if (d) closedir(d);
        return files;
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
    static void Click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    Buttons Workflow() const {
        return {main->Command2->isEnabled(), main->Command1->isEnabled(), main->Command4->isEnabled()};
    }

    QTemporaryDir root;
    QByteArray savedHome;
    morvane::WorkState ws;
    std::unique_ptr<SettingsStore> store;
    morvane::PosixRenamer posix;
    morvane::FileRenamer* renamer = &posix;
    std::unique_ptr<frmMain> main;
};
