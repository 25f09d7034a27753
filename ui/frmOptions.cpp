#include "frmOptions.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "dialog_placement.h"
#include "filters.h"
#include "frmMain.h"
#include "key_press_filter.h"
#include "options_logic.h"
#include "qt_text.h"

namespace {

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, QRect where) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setGeometry(where);
    label->setAccessibleName(caption);
    GrowToFit(*label);
    return label;
}

QLineEdit* MakeBox(QWidget* parent, const char* name, const QString& spokenName, QRect where) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setGeometry(where);
    box->setAccessibleName(spokenName);
    return box;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, QRect where) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(where);
    button->setAccessibleName(caption);
    // Neither button is a default button: Enter presses nothing.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

}  // namespace

frmOptions::frmOptions(frmMain& main)
    : QDialog(&main, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      m_main(main) {
    setObjectName("frmOptions");
    setWindowTitle("Morvane Options");
    setAccessibleName("Morvane Options");
    setFixedSize(Twips(5805), Twips(4515));
    BuildControls();
    Form_Load();
}

void frmOptions::BuildControls() {
    lblPrefix = MakeLabel(this, "lblPrefix", "Prefix", TwipsRect(840, 120, 390, 195));
    txtPrefix = MakeBox(this, "txtPrefix", "Prefix", TwipsRect(840, 360, 4095, 375));
    lblSufix = MakeLabel(this, "lblSufix", "Suffix", TwipsRect(840, 960, 390, 195));
    txtSufix = MakeBox(this, "txtSufix", "Suffix", TwipsRect(840, 1200, 4095, 375));
    lblStartingNumber =
        MakeLabel(this, "lblStartingNumber", "Starting Number", TwipsRect(840, 1800, 1140, 195));
    txtStartingNumber = MakeBox(this, "txtStartingNumber", "Starting Number", TwipsRect(840, 2040, 4095, 375));
    lblLettering = MakeLabel(this, "lblLettering", "Consecutive Lettering Position", TwipsRect(840, 2640, 2145, 195));

    m_lettering = new QButtonGroup(this);
    m_lettering->setExclusive(true);
    const char* const captions[3] = {"None", "First", "Last"};
    const int lefts[3] = {840, 2280, 3720};
    for (int i = 0; i < 3; ++i) {
        opt1[i] = new QRadioButton(captions[i], this);
        opt1[i]->setObjectName(QString("opt1_%1").arg(i));
        opt1[i]->setGeometry(TwipsRect(lefts[i], 2880, 1095, 495));
        opt1[i]->setAccessibleName(captions[i]);
        opt1[i]->setAccessibleDescription("Consecutive Lettering Position");
        m_lettering->addButton(opt1[i], i);
    }

    cmdClearOptions = MakeButton(this, "cmdClearOptions", "Clear Options", TwipsRect(960, 3720, 1215, 495));
    cmdOk = MakeButton(this, "cmdOk", "Ok", TwipsRect(3600, 3720, 1215, 495));
    connect(cmdClearOptions, &QPushButton::clicked, this, &frmOptions::cmdClearOptions_Click);
    connect(cmdOk, &QPushButton::clicked, this, &frmOptions::cmdOk_Click);

    new KeyPressFilter(txtPrefix, &frmOptions::txtPrefix_KeyPress);
    new KeyPressFilter(txtSufix, &frmOptions::txtSufix_KeyPress);
    new KeyPressFilter(txtStartingNumber, &frmOptions::txtStartingNumber_KeyPress);

    // Labels take no focus; the tab order runs as the dialog was designed.
    setTabOrder(cmdClearOptions, txtPrefix);
    setTabOrder(txtPrefix, txtSufix);
    setTabOrder(txtSufix, cmdOk);
    setTabOrder(cmdOk, txtStartingNumber);
    setTabOrder(txtStartingNumber, opt1[0]);
    setTabOrder(opt1[0], opt1[1]);
    setTabOrder(opt1[1], opt1[2]);
    cmdClearOptions->setFocus();
}

void frmOptions::Form_Load() { CentreOnScreen(*this); }

void frmOptions::Open(frmMain& main) {
    frmOptions dialog(main);
    dialog.FillFromLabels();
    dialog.exec();
}

void frmOptions::FillFromLabels() { ShowValues(m_main.Options()); }

// The boxes and the lettering button selected (no lettering when none is).
morvane::Options frmOptions::Values() const {
    return {ToText(txtPrefix->text()), ToText(txtSufix->text()), ToText(txtStartingNumber->text()),
            LetteringOfButton(m_lettering->checkedId())};
}

void frmOptions::ShowValues(const morvane::Options& options) {
    txtPrefix->setText(ToQString(options.Prefix));
    txtSufix->setText(ToQString(options.Sufix));
    txtStartingNumber->setText(ToQString(options.StartNumber));
    const int button = LetteringButtonIndex(options.LetteringPosition);
    if (button >= 0) opt1[button]->setChecked(true);
}

void frmOptions::cmdOk_Click() {
    const morvane::Options result = ConfirmOptions(m_main.store(), Values(), m_main.Options());
    hide();
    m_main.ShowOptions(result);
    accept();
}

void frmOptions::cmdClearOptions_Click() { ShowValues(ClearedOptions()); }

void frmOptions::keyPressEvent(QKeyEvent* event) {
    // Enter and Escape press nothing and do not close the dialog.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void frmOptions::txtPrefix_KeyPress(qint16& KeyAscii) { Filters::FileNameKeyFilter(KeyAscii); }
void frmOptions::txtSufix_KeyPress(qint16& KeyAscii) { Filters::FileNameKeyFilter(KeyAscii); }
void frmOptions::txtStartingNumber_KeyPress(qint16& KeyAscii) { Filters::NumericKeyFilter(KeyAscii); }
