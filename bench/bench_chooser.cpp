// The chooser on a large directory (300,000 files with short names unless
// the first argument says otherwise), median of the runs:
//  - opening it until File1 is filled, against the way it was filled before
//    (the directory read twice, one QListWidgetItem per name), alternating;
//  - "&OK" with every file selected until List1 is filled;
//  - "Rename" of 1001 of those files and the "Undo" of that pass, each from
//    the click until the window takes input again;
//  - the peak memory (VmHWM) of a fresh process that opens the chooser,
//    against one that shows the main window only and one that fills the
//    lists the way they were filled before;
//  - the main window's start-up against a bare QMainWindow's;
//  - the core's part of "&OK": the identities of every listed file taken
//    into the session's compact store (one call per file), against a map
//    of names to identities filled with a stat and a look-up per file as
//    before, each in a fresh process: its time and peak memory, beside a
//    process that only lists the names.
// Wall time is given with the process's processor time, which a busy
// machine does not inflate. Run it on the offscreen platform:
//   QT_QPA_PLATFORM=offscreen build-dir/bench/bench_chooser [FILES] [RUNS]
#include <fcntl.h>
#include <time.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

#include "files/chosen_files.h"
#include "files/directory_listing.h"
#include "widgets/file_list_box.h"
#include "windows/frmDir.h"
#include "windows/frmMain.h"
#include "widgets/name_list_box.h"
#include "qt_text.h"
#include "files/rename_layer.h"
#include "settings_store.h"
#include "journal/journal_store.h"
#include "presenter/presenter.h"
#include "session/pass_history.h"
#include "session/rename_session.h"

namespace {

constexpr int PassFiles = 1001;

double Ms(const QElapsedTimer& t) { return static_cast<double>(t.nsecsElapsed()) / 1e6; }

// Processor time of this process: unlike the wall clock, not inflated by
// other work on a busy machine.
double CpuMs() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

QByteArray LoadAverage() {
    QFile load("/proc/loadavg");
    return load.open(QIODevice::ReadOnly) ? load.readAll().trimmed() : QByteArray("?");
}

long PeakKiB() {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

// Wall and processor milliseconds of one step.
struct Took {
    double wall = 0, cpu = 0;
};
struct Timing {
    std::vector<double> wall, cpu;
    void add(const Took& t) {
        wall.push_back(t.wall);
        cpu.push_back(t.cpu);
    }
    void print(const char* what, const char* target) const {
        std::printf("%-52s %8.1f ms wall, %7.1f ms cpu  %s\n", what, Median(wall), Median(cpu), target);
    }
};

template <class Step>
Took Time(Step step) {
    QElapsedTimer t;
    t.start();
    const double cpu = CpuMs();
    step();
    return {Ms(t), CpuMs() - cpu};
}

void Flush() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

frmDir* Chooser(frmMain& window) {
    Flush();
    return window.findChild<frmDir*>("frmDir");
}

template <class T>
T* Get(QWidget* parent, const char* name) {
    T* control = parent ? parent->findChild<T*>(name) : nullptr;
    if (!control) {
        std::fprintf(stderr, "no control %s\n", name);
        std::exit(1);
    }
    return control;
}

// The way the chooser filled its lists before: the subdirectories and the
// files read apart, and one item per name.
void FillAsBefore(QListWidget& dirs, QListWidget& files, const QString& dir) {
    const morvane::Text here = ToText(dir);
    dirs.clear();
    for (const auto& sub : morvane::ListSubdirectories(here)) dirs.addItem(ToQString(sub));
    const auto names = morvane::ListFiles(here);
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(names.size()));
    for (const auto& name : names) texts.push_back(ToQString(name));
    files.setUpdatesEnabled(false);
    files.clear();
    files.addItems(texts);
    files.setUpdatesEnabled(true);
}

// A fresh process: shows the main window and, unless told otherwise, opens
// the chooser (or fills two lists as before); prints its peak memory in KiB.
int PeakChild(int argc, char** argv, const QString& kind, const QString& storeFile) {
    QApplication app(argc, argv);
    SettingsStore store(storeFile);
    morvane::PosixRenamer renamer;
    morvane::RenameSession session(renamer, nullptr);
    morvane::PassHistory history(nullptr);
    Presenter presenter(session, history, store);
    frmMain window(presenter, store);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return 1;
    int listed = 0;
    if (kind == "chooser") {
        Get<QPushButton>(window.centralWidget(), "Command3")->click();
        frmDir* dialog = Chooser(window);
        if (!dialog || !QTest::qWaitForWindowExposed(dialog)) return 1;
        listed = Get<FileListBox>(dialog, "File1")->count();
    } else if (kind == "before") {
        QWidget dialog;
        auto* dirs = new QListWidget(&dialog);
        auto* files = new QListWidget(&dialog);
        dirs->setUniformItemSizes(true);
        files->setUniformItemSizes(true);
        files->move(300, 0);
        dialog.show();
        if (!QTest::qWaitForWindowExposed(&dialog)) return 1;
        FillAsBefore(*dirs, *files, store.read("Dir", ""));
        QCoreApplication::processEvents();
        listed = files->count();
    }
    std::printf("%ld %d\n", PeakKiB(), listed);
    return 0;
}

double PeakMB(const QString& self, const char* kind, const QString& storeFile) {
    QProcess child;
    child.start(self, {"--peak", kind, storeFile});
    child.waitForFinished(120000);
    return child.readAllStandardOutput().trimmed().split(' ').first().toDouble() / 1024.0;
}

// A child run of this program: from main() to the window exposed, QApplication
// included, as a user's start-up is. Prints the milliseconds.
int StartUpChild(int argc, char** argv, const QString& kind, const QString& storeFile) {
    QElapsedTimer t;
    t.start();
    QApplication app(argc, argv);
    SettingsStore store(storeFile);
    morvane::PosixRenamer renamer;
    morvane::RenameSession session(renamer, nullptr);
    morvane::PassHistory history(nullptr);
    Presenter presenter(session, history, store);
    std::unique_ptr<QMainWindow> w;
    if (kind == "main") {
        w = std::make_unique<frmMain>(presenter, store);
    } else {
        w = std::make_unique<QMainWindow>();
        // The first text on screen loads the font database: shown apart.
        if (kind == "label") w->setCentralWidget(new QLabel("Morvane"));
    }
    w->show();
    if (!QTest::qWaitForWindowExposed(w.get())) return 1;
    std::printf("%.3f\n", Ms(t));
    return 0;
}

// Runs a child for the kind of window; gives its own figure and the whole
// process's wall time (loading and exit included).
std::pair<double, double> StartUp(const QString& self, const QString& kind, const QString& storeFile) {
    QElapsedTimer t;
    t.start();
    QProcess child;
    child.start(self, {"--start-up", kind, storeFile});
    child.waitForFinished(30000);
    return {child.readAllStandardOutput().trimmed().toDouble(), Ms(t)};
}

// A fresh process without windows: lists dir's files, then takes their
// identities the way kind says; prints its peak memory in KiB, the
// milliseconds the identities took (wall and processor) and how many it has.
int CoreChild(const char* kind, const char* dir) {
    const morvane::Text path = *morvane::FromUtf8(dir);
    const std::vector<morvane::Text> names = morvane::ListFiles(path);
    QElapsedTimer t;
    t.start();
    const double cpu = CpuMs();
    std::size_t identified = 0;
    std::unordered_map<morvane::Text, morvane::FileIdentity> before;
    morvane::ChosenFiles chosen;
    if (std::strcmp(kind, "before") == 0) {
        std::optional<morvane::OpenDirectory> open;
        if (morvane::OpenDirectory::Open(path, std::nullopt, open) == morvane::ErrNone)
            for (const auto& name : names)
                if (auto identity = open->IdentityOf(name)) before.emplace(name, std::move(*identity));
        identified = before.size();
    } else if (std::strcmp(kind, "compact") == 0) {
        chosen = morvane::TakeIdentities(path, names);
        identified = chosen.Identified();
    }
    std::printf("%ld %.1f %.1f %zu\n", PeakKiB(), Ms(t), CpuMs() - cpu, identified);
    return 0;
}

struct CoreFigures {
    Timing took;
    std::vector<double> peak;
    std::size_t identified = 0;
};

void RunCoreChild(const QString& self, const char* kind, const QString& dir, CoreFigures& figures) {
    QProcess child;
    child.start(self, {"--core", kind, dir});
    child.waitForFinished(600000);
    const QList<QByteArray> out = child.readAllStandardOutput().trimmed().split(' ');
    if (out.size() != 4) return;
    figures.peak.push_back(out[0].toDouble() / 1024.0);
    figures.took.add({out[1].toDouble(), out[2].toDouble()});
    figures.identified = out[3].toULongLong();
}

void MakeFiles(const QString& path, int count) {
    const QByteArray dir = QFile::encodeName(path);
    for (int i = 0; i < count; ++i) {
        char name[64];
        std::snprintf(name, sizeof name, "/Holiday %06d.jpg", (i * 7919) % count);
        const int fd = ::open((dir + name).constData(), O_CREAT | O_WRONLY, 0644);
        if (fd >= 0) ::close(fd);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "--start-up") == 0) return StartUpChild(argc, argv, argv[2], argv[3]);
    if (argc == 4 && std::strcmp(argv[1], "--peak") == 0) return PeakChild(argc, argv, argv[2], argv[3]);
    if (argc == 4 && std::strcmp(argv[1], "--core") == 0) return CoreChild(argv[2], argv[3]);
    const int fileCount = argc > 1 ? std::max(PassFiles, std::atoi(argv[1])) : 300000;
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    QApplication app(argc, argv);
    QTemporaryDir files, config;
    if (!files.isValid() || !config.isValid()) return 1;
    SettingsStore store(config.filePath("Morvane.ini"));
    store.write("Dir", files.path());
    morvane::PosixRenamer renamer;
    // Journals as the program keeps them, in a folder of the benchmark's own.
    morvane::JournalStore journals(config.filePath("state").toStdString());
    morvane::RenameSession session(renamer, &journals);
    morvane::PassHistory history(&journals);
    Presenter presenter(session, history, store);
    const QString self = QCoreApplication::applicationFilePath();

    // Start-up, in fresh processes that alternate between the two windows.
    std::vector<double> bare, main, label, bareWhole, mainWhole;
    for (int i = 0; i < 7; ++i) {
        const auto [b, bw] = StartUp(self, "bare", store.fileName());
        const auto [m, mw] = StartUp(self, "main", store.fileName());
        bare.push_back(b);
        bareWhole.push_back(bw);
        main.push_back(m);
        mainWhole.push_back(mw);
        label.push_back(StartUp(self, "label", store.fileName()).first);
    }

    std::printf("creating %d files...\n", fileCount);
    MakeFiles(files.path(), fileCount);

    CoreFigures listedOnly, mapBefore, compact;
    for (int r = 0; r < runs; ++r) {
        RunCoreChild(self, "listed", files.path(), listedOnly);
        RunCoreChild(self, "before", files.path(), mapBefore);
        RunCoreChild(self, "compact", files.path(), compact);
    }

    std::vector<double> peakNow, peakBefore, peakFloor;
    for (int r = 0; r < runs; ++r) {
        peakFloor.push_back(PeakMB(self, "main-only", store.fileName()));
        peakNow.push_back(PeakMB(self, "chooser", store.fileName()));
        peakBefore.push_back(PeakMB(self, "before", store.fileName()));
    }

    frmMain window(presenter, store);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return 1;
    QWidget* client = window.centralWidget();
    QWidget before;
    auto* beforeDirs = new QListWidget(&before);
    auto* beforeFiles = new QListWidget(&before);
    beforeDirs->setUniformItemSizes(true);
    beforeFiles->setUniformItemSizes(true);
    beforeFiles->move(300, 0);
    before.show();
    if (!QTest::qWaitForWindowExposed(&before)) return 1;

    Timing open, opened, ok, rename, undo;
    int listed = 0, taken = 0, reviewed = 0;
    bool failed = false;
    for (int r = 0; r < runs; ++r) {
        frmDir* dialog = nullptr;
        opened.add(Time([&] {
            FillAsBefore(*beforeDirs, *beforeFiles, files.path());
            QCoreApplication::processEvents();
        }));
        open.add(Time([&] {
            Get<QPushButton>(client, "Command3")->click();
            dialog = Chooser(window);
            if (!dialog || !QTest::qWaitForWindowExposed(dialog)) std::exit(1);
        }));
        auto* file1 = Get<FileListBox>(dialog, "File1");
        listed = file1->count();

        // All files through "&OK", then the first 1001 through "Rename".
        file1->selectAll();
        ok.add(Time([&] {
            Get<QPushButton>(dialog, "Command1")->click();
            QCoreApplication::processEvents();
        }));
        taken = Get<NameListBox>(client, "List1")->count();
        Get<QPushButton>(client, "Command3")->click();
        dialog = Chooser(window);
        file1 = Get<FileListBox>(dialog, "File1");
        file1->selectionModel()->select(QItemSelection(file1->model()->index(0, 0),
                                                       file1->model()->index(PassFiles - 1, 0)),
                                        QItemSelectionModel::Select);
        Get<QPushButton>(dialog, "Command1")->click();
        Flush();
        Get<QLineEdit>(client, "txtMask")->setText("Holiday");
        Get<QPushButton>(client, "Command1")->click();  // "Extract"
        rename.add(Time([&] {
            Get<QPushButton>(client, "Command4")->click();
            QCoreApplication::processEvents();
        }));
        dialog = Chooser(window);
        if (!dialog || session.State() != morvane::SessionState::Reviewing) {
            std::fprintf(stderr, "the pass did not complete: %s\n",
                         qPrintable(Get<QLineEdit>(client, "txtExample")->text()));
            failed = true;
            break;
        }
        reviewed = Get<FileListBox>(dialog, "File1")->count();
        undo.add(Time([&] {
            Get<QPushButton>(dialog, "Command2")->click();  // "Undo"
            QCoreApplication::processEvents();
        }));
        if (Chooser(window)) {
            std::fprintf(stderr, "the undo did not complete\n");
            failed = true;
            break;
        }
    }

    char what[80];
    std::snprintf(what, sizeof what, "chooser opened, File1 filled (%d files):", listed);
    open.print(what, "(target <= 300 ms)");
    opened.print("  the same filled as before (two reads, items):", "");
    std::snprintf(what, sizeof what, "&OK with all selected, List1 filled (%d):", taken);
    ok.print(what, "(target < 1000 ms)");
    std::snprintf(what, sizeof what, "\"Rename\" of %d files, window blocked:", PassFiles);
    rename.print(what, "(target <= 500 ms)");
    std::snprintf(what, sizeof what, "\"Undo\" of that pass, window blocked:");
    undo.print(what, "(target <= 100 ms)");
    std::printf("peak memory (VmHWM), chooser open on %d files:      %8.1f MB  (target <= 90)\n", fileCount,
                Median(peakNow));
    std::printf("  the same with the lists filled as before:          %8.1f MB\n", Median(peakBefore));
    std::printf("  the main window alone, nothing listed:             %8.1f MB\n", Median(peakFloor));
    const double b = Median(bare), m = Median(main), bw = Median(bareWhole), mw = Median(mainWhole);
    std::printf("start-up to exposed, bare QMainWindow:     %8.2f ms (whole process %.1f ms), median of 7\n", b, bw);
    std::printf("start-up to exposed, frmMain:              %8.2f ms (whole process %.1f ms), median of 7\n", m, mw);
    std::printf("start-up to exposed, QMainWindow + a label:%8.2f ms\n", Median(label));
    std::printf("ratio:                                     %8.2f    (whole process %.2f; target <= 1.3)\n", m / b,
                mw / bw);
    std::printf("the core's part of \"&OK\": every identity of %d files, in a fresh process (load %s)\n", fileCount,
                qPrintable(QString::fromLatin1(LoadAverage())));
    mapBefore.took.print("  a map of names, a stat and a look-up per file:", "");
    compact.took.print("  the compact store, one call per file:", "");
    std::printf("  peak memory (VmHWM): names listed only %.1f MB, with the map %.1f MB, with the compact store %.1f MB"
                " (%zu and %zu identities)\n",
                Median(listedOnly.peak), Median(mapBefore.peak), Median(compact.peak), mapBefore.identified,
                compact.identified);
    std::printf("median of %d runs\n", runs);
    return !failed && listed == fileCount && taken == fileCount && reviewed == fileCount ? 0 : 1;
}
