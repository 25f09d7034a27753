#include "frmAbout.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "app_icon.h"
#include "dialog_placement.h"

namespace {

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QRect where, bool wrap = false) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(where);
    label->setAccessibleName(text);
    label->setWordWrap(wrap);
    if (wrap)
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    else
        GrowToFit(*label);
    return label;
}

void Blacken(QLabel* label) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
}

// One stroke of the separator: a filled strip from x1 to x2 (twips) at y.
QFrame* MakeLine(QWidget* parent, const char* name, int x1, int x2, int y, int pixels, QColor colour) {
    auto* line = new QFrame(parent);
    line->setObjectName(name);
    line->setFrameShape(QFrame::NoFrame);
    line->setGeometry(Twips(x1), Twips(y), Twips(x2) - Twips(x1), pixels);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, colour);
    line->setPalette(palette);
    line->setAccessibleName("Separator");
    return line;
}

}  // namespace

frmAbout::frmAbout(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint) {
    setObjectName("frmAbout");
    setWindowTitle("About Morvane");
    setAccessibleName("About Morvane");
    setFixedSize(Twips(5730), Twips(3450));
    BuildControls();
    Form_Load();
}

void frmAbout::BuildControls() {
    picIcon = new QLabel(this);
    picIcon->setObjectName("picIcon");
    picIcon->setGeometry(TwipsRect(120, 120, 540, 540));
    picIcon->setAlignment(Qt::AlignCenter);
    picIcon->setPixmap(AppIconPixmap(32));
    picIcon->setAccessibleName("Morvane icon");

    lblTitle = MakeLabel(this, "lblTitle", "Morvane  Version 2.01", TwipsRect(1320, 240, 3885, 360));
    lblVersion = MakeLabel(this, "lblVersion", "Copyright (C) 2026 The Morvane developers",
                           TwipsRect(1320, 720, 3885, 225));
    lblDescription = MakeLabel(this, "lblDescription", "A file renaming utility", TwipsRect(1320, 1125, 3885, 330));
    Blacken(lblTitle);
    Blacken(lblDescription);

    // White below, grey drawn over its upper pixel: an etched groove.
    Line1[0] = MakeLine(this, "Line1_0", 120, 5669, 1680, 2, Qt::white);
    Line1[1] = MakeLine(this, "Line1_1", 120, 5640, 1680, 1, QColor(128, 128, 128));
    Line1[1]->raise();

    lblDisclaimer = MakeLabel(this, "lblDisclaimer",
                              "Morvane and its help file are protected by copyright. You may not "
                              "copy, sell or pass on this program, in whole or in part, without "
                              "the written permission of its authors.",
                              TwipsRect(255, 1920, 3900, 1425), true);
    Blacken(lblDisclaimer);

    cmdOK = new QPushButton("OK", this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setGeometry(TwipsRect(4320, 2280, 1260, 345));
    cmdOK->setAccessibleName("OK");
    // Enter presses it as the default button; Escape closes the box as well.
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    cmdOK->setFocus();
}

void frmAbout::Form_Load() { CentreOnScreen(*this); }

void frmAbout::Open(QWidget* owner) {
    frmAbout box(owner);
    box.exec();
}

void frmAbout::cmdOK_Click() { accept(); }
