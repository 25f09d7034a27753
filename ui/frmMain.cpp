#include "frmMain.h"

#include "settings_store.h"

frmMain::frmMain(morvane::WorkState& ws, SettingsStore& store, morvane::FileRenamer& renamer, QWidget* parent)
    : QMainWindow(parent), m_ws(ws), m_store(store), m_renamer(renamer) {
    setObjectName("frmMain");
    setWindowTitle("Morvane");
    Form_Load();
}

frmMain::~frmMain() = default;

void frmMain::Form_Load() {}
void frmMain::Command1_Click() {}
void frmMain::Command2_Click() {}
void frmMain::List1_DblClick() {}
void frmMain::MnuFileExit_Click() { close(); }
void frmMain::mnuClearOptions_Click() {}
void frmMain::mnuOptionsSetOptions_Click() {}
void frmMain::MnuHelpHelp_Click() {}
void frmMain::MnuHelpAbout_Click() {}
