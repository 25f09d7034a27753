#include <QApplication>

#include "frmMain.h"
#include "mount_table_source.h"
#include "rename_layer.h"
#include "settings_store.h"
#include "work_state.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    morvane::WorkState ws;
    SettingsStore store;
    morvane::PosixRenamer renamer;
    frmMain window(ws, store, renamer, SystemMountTable());
    window.show();
    return app.exec();
}
