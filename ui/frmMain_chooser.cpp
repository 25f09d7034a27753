// The main window's handlers that work with the chooser and the rename pass:
// "Select " and "Rename".
#include "frmMain.h"

frmDir* frmMain::dirDialog() { return nullptr; }
void frmMain::Command3_Click() {}
void frmMain::Command4_Click() {}
