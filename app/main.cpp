#include <QApplication>

#include "command_line.h"
#include "frmMain.h"
#include "mount_table_source.h"
#include "rename_layer.h"
#include "settings_store.h"
#include "work_state.h"

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationVersion(MORVANE_VERSION);
    CommandLine command;
    {
        // Only for the parser's texts: the window system is not needed yet.
        QCoreApplication plain(argc, argv);
        command = ReadCommandLine(argc, argv);
    }
    if (command.ExitStatus) return *command.ExitStatus;

    QApplication app(argc, argv);
    morvane::WorkState ws;
    SettingsStore store;
    morvane::PosixRenamer renamer;
    frmMain window(ws, store, renamer, SystemMountTable());
    OpenNamedPaths(window, command.Paths);
    window.show();
    return app.exec();
}
