#include "windows/frmAbout.h"

#include <QLabel>
#include <QPushButton>

#include "widgets/dialog_frame.h"
#include "widgets/dialog_placement.h"
#include "widgets/form_builder.h"

namespace {

using enum ControlKind;

constexpr const char* Disclaimer = QT_TRANSLATE_NOOP(
    "frmAbout",
    "Morvane is free software under the GNU General Public License, version 3 or later. It comes without any "
    "warranty.");

// Line1_0 and Line1_1 together are the etched separator: white below, grey
// drawn over its upper pixel (later rows lie above earlier ones). "OK" is the default button: Enter presses it,
// and Escape closes the box as well.
const ControlRow Controls[] = {
    {Picture, "picIcon", nullptr, 120, 120, 540, 540, NoTab, QT_TRANSLATE_NOOP("frmAbout", "Morvane icon"), nullptr},
    {Caption, "lblTitle", QT_TRANSLATE_NOOP("frmAbout", "Morvane  Version 2.01"), 1320, 240, 3885, 360, NoTab,
     QT_TRANSLATE_NOOP("frmAbout", "Morvane  Version 2.01"), nullptr},
    {Caption, "lblVersion", QT_TRANSLATE_NOOP("frmAbout", "Copyright (C) 2026 The Morvane developers"), 1320, 720,
     3885, 225, NoTab,
     QT_TRANSLATE_NOOP("frmAbout", "Copyright (C) 2026 The Morvane developers"), nullptr},
    {Caption, "lblDescription", QT_TRANSLATE_NOOP("frmAbout", "A file renaming utility"), 1320, 1125, 3885, 330,
     NoTab, QT_TRANSLATE_NOOP("frmAbout", "A file renaming utility"),
     nullptr},
    {Line, "Line1_0", "#ffffff", 120, 1680, 5549, 30, NoTab, nullptr, nullptr},
    {Line, "Line1_1", "#808080", 120, 1680, 5520, 15, NoTab, nullptr, nullptr},
    {WrappedText, "lblDisclaimer", Disclaimer, 255, 1920, 3900, 1425, NoTab, Disclaimer, nullptr},
    {DefaultButton, "cmdOK", QT_TRANSLATE_NOOP("frmAbout", "OK"), 4320, 2280, 1260, 345, 0,
     QT_TRANSLATE_NOOP("frmAbout", "OK"), nullptr},
};

void Paint(QWidget* widget, QPalette::ColorRole role, QColor colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

}  // namespace

frmAbout::frmAbout(QWidget* owner)
    : QDialog(owner, kFixedDialogFrame) {
    setObjectName("frmAbout");
    setWindowTitle(tr("About Morvane"));
    setAccessibleName(windowTitle());
    BuildControls();
    Form_Load();
}

void frmAbout::BuildControls() {
    const Form form = BuildForm(*this, Controls, "frmAbout");
    setFixedSize(form.Size(5730, 3450));
    for (const char* name : {"lblTitle", "lblDescription", "lblDisclaimer"})
        Paint(form.get<QLabel>(name), QPalette::WindowText, Qt::black);
    connect(form.get<QPushButton>("cmdOK"), &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
}

void frmAbout::Form_Load() { new CentreOnceFramed(*this); }

void frmAbout::Open(QWidget* owner) {
    frmAbout box(owner);
    box.exec();
}

void frmAbout::cmdOK_Click() { accept(); }
