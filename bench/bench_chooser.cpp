// The chooser on a directory of 100,000 files: opening it until File1 is
// filled, "&OK" with every file selected until List1 is filled, the process's
// peak memory, and the main window's start-up against a bare QMainWindow's
// (each in fresh child runs of this program). Run it on the offscreen
// platform (or a real display):
//   QT_QPA_PLATFORM=offscreen build-dir/bench/bench_chooser
#include <fcntl.h>
#include <time.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
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
#include <vector>

#include "file_list_box.h"
#include "frmDir.h"
#include "frmMain.h"
#include "rename_layer.h"
#include "settings_store.h"
#include "work_state.h"

namespace {

constexpr int FileCount = 100000;

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
    return v[v.size() / 2];
}

long PeakKiB() {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

// A child run of this program: from main() to the window exposed, QApplication
// included, as a user's start-up is. Prints the milliseconds.
int StartUpChild(int argc, char** argv, const QString& kind, const QString& storeFile) {
    QElapsedTimer t;
    t.start();
    QApplication app(argc, argv);
    morvane::WorkState ws;
    SettingsStore store(storeFile);
    morvane::PosixRenamer renamer;
    std::unique_ptr<QMainWindow> w;
    if (kind == "main") {
        w = std::make_unique<frmMain>(ws, store, renamer);
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

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "--start-up") == 0) return StartUpChild(argc, argv, argv[2], argv[3]);
    QApplication app(argc, argv);
    QTemporaryDir files, config;
    if (!files.isValid() || !config.isValid()) return 1;
    SettingsStore store(config.filePath("Morvane.ini"));
    store.write("Dir", files.path());
    morvane::WorkState ws;
    morvane::PosixRenamer renamer;

    // Start-up, in fresh processes that alternate between the two windows.
    std::vector<double> bare, main, label, bareWhole, mainWhole;
    for (int i = 0; i < 7; ++i) {
        const QString self = QCoreApplication::applicationFilePath();
        const auto [b, bw] = StartUp(self, "bare", store.fileName());
        const auto [m, mw] = StartUp(self, "main", store.fileName());
        bare.push_back(b);
        bareWhole.push_back(bw);
        main.push_back(m);
        mainWhole.push_back(mw);
        label.push_back(StartUp(self, "label", store.fileName()).first);
    }

    std::printf("creating %d files...\n", FileCount);
    const QByteArray dir = QFile::encodeName(files.path());
    for (int i = 0; i < FileCount; ++i) {
        char name[64];
        std::snprintf(name, sizeof name, "/Holiday %06d.jpg", (i * 7919) % FileCount);
        const int fd = ::open((dir + name).constData(), O_CREAT | O_WRONLY, 0644);
        if (fd >= 0) ::close(fd);
    }

    frmMain window(ws, store, renamer);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return 1;

    QElapsedTimer t;
    t.start();
    double cpu = CpuMs();
    window.centralWidget()->findChild<QPushButton*>("Command3")->click();
    auto* dialog = window.findChild<frmDir*>("frmDir");
    if (!dialog || !QTest::qWaitForWindowExposed(dialog)) return 1;
    const double open = Ms(t), openCpu = CpuMs() - cpu;
    auto* file1 = dialog->findChild<FileListBox*>("File1");
    const int listed = file1->count();

    file1->selectAll();
    t.restart();
    cpu = CpuMs();
    dialog->findChild<QPushButton*>("Command1")->click();
    QCoreApplication::processEvents();
    const double ok = Ms(t), okCpu = CpuMs() - cpu;
    const int taken = window.centralWidget()->findChild<QListWidget*>("List1")->count();

    std::printf("chooser opened, File1 filled (%d files): %8.1f ms wall, %6.1f ms cpu  (target < 1000)\n", listed,
                open, openCpu);
    std::printf("&OK with all selected, List1 filled (%d):  %8.1f ms wall, %6.1f ms cpu  (target < 1000)\n", taken,
                ok, okCpu);
    std::printf("peak memory (VmHWM):                       %8.1f MB  (target < 200)\n", PeakKiB() / 1024.0);
    const double b = Median(bare), m = Median(main), bw = Median(bareWhole), mw = Median(mainWhole);
    std::printf("start-up to exposed, bare QMainWindow:     %8.2f ms (whole process %.1f ms), median of 7\n", b, bw);
    std::printf("start-up to exposed, frmMain:              %8.2f ms (whole process %.1f ms), median of 7\n", m, mw);
    std::printf("start-up to exposed, QMainWindow + a label:%8.2f ms\n", Median(label));
    std::printf("ratio:                                     %8.2f    (whole process %.2f; target <= 1.3)\n", m / b,
                mw / bw);
    return listed == FileCount && taken == FileCount ? 0 : 1;
}
