#include "windows/frmOptions.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

#include "widgets/dialog_frame.h"
#include "widgets/dialog_placement.h"
#include "widgets/enter_escape_filter.h"
#include "filters.h"
#include "widgets/form_builder.h"
#include "widgets/key_press_filter.h"
#include "options_logic.h"
#include "qt_text.h"
#include "texts/status_text.h"

namespace {

using enum ControlKind;

// Labels take no focus; the tab order runs as the dialog was designed.
// Neither button is a default button: Enter presses nothing.
const ControlRow Controls[] = {
    {Caption, "lblPrefix", QT_TRANSLATE_NOOP("frmOptions", "Prefix"), 840, 120, 1140, 195, NoTab,
     QT_TRANSLATE_NOOP("frmOptions", "Prefix"), nullptr},
    {TextBox, "txtPrefix", nullptr, 840, 360, 4095, 375, 1, QT_TRANSLATE_NOOP("frmOptions", "Prefix"), nullptr},
    {Caption, "lblSufix", QT_TRANSLATE_NOOP("frmOptions", "Suffix"), 840, 960, 1140, 195, NoTab,
     QT_TRANSLATE_NOOP("frmOptions", "Suffix"), nullptr},
    {TextBox, "txtSufix", nullptr, 840, 1200, 4095, 375, 2, QT_TRANSLATE_NOOP("frmOptions", "Suffix"), nullptr},
    {Caption, "lblStartingNumber", QT_TRANSLATE_NOOP("frmOptions", "Starting Number"), 840, 1800, 1620, 195, NoTab,
     QT_TRANSLATE_NOOP("frmOptions", "Starting Number"), nullptr},
    {TextBox, "txtStartingNumber", nullptr, 840, 2040, 4095, 375, 7, QT_TRANSLATE_NOOP("frmOptions",
     "Starting Number"), nullptr},
    {Caption, "lblLettering", QT_TRANSLATE_NOOP("frmOptions", "Consecutive Lettering Position"), 840, 2640, 2625, 195,
     NoTab,
     QT_TRANSLATE_NOOP("frmOptions", "Consecutive Lettering Position"), nullptr},
    {OptionButton, "opt1_0", QT_TRANSLATE_NOOP("frmOptions", "None"), 840, 2880, 1095, 495, 8,
     QT_TRANSLATE_NOOP("frmOptions", "None"), nullptr},
    {OptionButton, "opt1_1", QT_TRANSLATE_NOOP("frmOptions", "First"), 2280, 2880, 1095, 495, 9,
     QT_TRANSLATE_NOOP("frmOptions", "First"), nullptr},
    {OptionButton, "opt1_2", QT_TRANSLATE_NOOP("frmOptions", "Last"), 3720, 2880, 1095, 495, 10,
     QT_TRANSLATE_NOOP("frmOptions", "Last"), nullptr},
    {Caption, "lblOrder", QT_TRANSLATE_NOOP("frmOptions", "Number in order of"), 840, 3480, 2625, 195, NoTab,
     QT_TRANSLATE_NOOP("frmOptions", "Number in order of"), nullptr},
    {DropDown, "cboOrder", nullptr, 840, 3720, 2625, 375, 11, QT_TRANSLATE_NOOP("frmOptions", "Number in order of"),
     nullptr},
    {Caption, "lblDateInName", QT_TRANSLATE_NOOP("frmOptions", "Date in the name"), 840, 4320, 2625, 195, NoTab,
     QT_TRANSLATE_NOOP("frmOptions", "Date in the name"), nullptr},
    {DropDown, "cboDateInName", nullptr, 840, 4560, 2625, 375, 12, QT_TRANSLATE_NOOP("frmOptions", "Date in the name"),
     nullptr},
    {TextBox, "txtDateFormat", nullptr, 3600, 4560, 1335, 375, 13, QT_TRANSLATE_NOOP("frmOptions", "Date format"),
     QT_TRANSLATE_NOOP("frmOptions", "yyyy year, yy its last two digits, MM month, dd day, HH hour, mm minute, "
                                     "ss second; every other character stands for itself")},
    {CheckBox, "chkNumberPerDay", QT_TRANSLATE_NOOP("frmOptions", "Number again from the starting number each day"),
     840, 5040, 4095, 375, 14, nullptr, nullptr},
    {Button, "cmdClearOptions", QT_TRANSLATE_NOOP("frmOptions", "Clear Options"), 960, 5640, 1215, 495, 0,
     QT_TRANSLATE_NOOP("frmOptions", "Clear Options"), nullptr},
    {Button, "cmdOk", QT_TRANSLATE_NOOP("frmOptions", "Ok"), 3600, 5640, 1215, 495, 5, QT_TRANSLATE_NOOP("frmOptions",
     "Ok"), nullptr},
};

}  // namespace

frmOptions::frmOptions(QWidget& owner, const morvane::Options& current)
    : QDialog(&owner, kFixedDialogFrame), m_current(current) {
    setObjectName("frmOptions");
    setWindowTitle(tr("Morvane Options"));
    setAccessibleName(windowTitle());
    BuildControls();
    Form_Load();
    ShowValues(m_current);
}

void frmOptions::BuildControls() {
    const Form form = BuildForm(*this, Controls, "frmOptions");
    setFixedSize(form.Size(5805, 6435));
    txtPrefix = form.get<QLineEdit>("txtPrefix");
    txtSufix = form.get<QLineEdit>("txtSufix");
    txtStartingNumber = form.get<QLineEdit>("txtStartingNumber");

    m_lettering = new QButtonGroup(this);
    m_lettering->setExclusive(true);
    for (int i = 0; i < 3; ++i) {
        opt1[i] = form.get<QRadioButton>(QString("opt1_%1").arg(i));
        opt1[i]->setAccessibleDescription(tr("Consecutive Lettering Position"));
        m_lettering->addButton(opt1[i], i);
    }

    // In the order of their numbers in the store.
    cboOrder = form.get<QComboBox>("cboOrder");
    cboOrder->addItems({tr("Name"), tr("Date Taken"), tr("Date Modified"), tr("Size")});
    cboDateInName = form.get<QComboBox>("cboDateInName");
    cboDateInName->addItems({tr("None"), tr("Date Taken"), tr("Date Modified")});
    txtDateFormat = form.get<QLineEdit>("txtDateFormat");
    chkNumberPerDay = form.get<QCheckBox>("chkNumberPerDay");

    connect(form.get<QPushButton>("cmdClearOptions"), &QPushButton::clicked, this, &frmOptions::cmdClearOptions_Click);
    connect(form.get<QPushButton>("cmdOk"), &QPushButton::clicked, this, &frmOptions::cmdOk_Click);
    new KeyPressFilter(txtPrefix, &frmOptions::txtPrefix_KeyPress);
    new KeyPressFilter(txtSufix, &frmOptions::txtSufix_KeyPress);
    new KeyPressFilter(txtStartingNumber, &frmOptions::txtStartingNumber_KeyPress);
    new EnterEscapeFilter(*this);
}

void frmOptions::Form_Load() { new CentreOnceFramed(*this); }

// The boxes and the lettering button selected; with none selected (an odd
// stored lettering) the lettering stays as it is, and so does every option
// the dialog does not show.
morvane::Options frmOptions::Values() const {
    morvane::Options typed = m_current;
    typed.Prefix = ToText(txtPrefix->text());
    typed.Suffix = ToText(txtSufix->text());
    typed.StartNumber = ToText(txtStartingNumber->text());
    if (const int button = m_lettering->checkedId(); button >= 0) {
        typed.Lettering = static_cast<morvane::LetteringPosition>(button);
        typed.OddLettering.clear();
    }
    typed.Order = static_cast<morvane::ListOrder>(cboOrder->currentIndex());
    typed.DateInName = static_cast<morvane::DateChoice>(cboDateInName->currentIndex());
    typed.DateFormat = ToText(txtDateFormat->text());
    typed.NumberPerDay = chkNumberPerDay->isChecked();
    return typed;
}

void frmOptions::ShowValues(const morvane::Options& options) {
    txtPrefix->setText(ToQString(options.Prefix));
    txtSufix->setText(ToQString(options.Suffix));
    txtStartingNumber->setText(ToQString(options.StartNumber));
    const int button = LetteringButtonIndex(options);
    if (button >= 0) opt1[button]->setChecked(true);
    cboOrder->setCurrentIndex(static_cast<int>(options.Order));
    cboDateInName->setCurrentIndex(static_cast<int>(options.DateInName));
    txtDateFormat->setText(ToQString(options.DateFormat));
    chkNumberPerDay->setChecked(options.NumberPerDay);
}

// A date format no name may hold is said in words, and the dialog stays
// open for another.
void frmOptions::cmdOk_Click() {
    if (const morvane::NameFault fault = morvane::DateFormatFault(ToText(txtDateFormat->text()));
        fault != morvane::NameFault::None) {
        QMessageBox::warning(this, windowTitle(), DateFormatWords(fault));
        txtDateFormat->setFocus();
        txtDateFormat->selectAll();
        return;
    }
    hide();
    emit Confirmed(Values());
    accept();
}

// Everything cleared, the options the dialog does not show too, as the
// menu's "Clear Options" does; written only by "Ok".
void frmOptions::cmdClearOptions_Click() {
    m_current = ClearedOptions();
    ShowValues(m_current);
}

void frmOptions::txtPrefix_KeyPress(qint16& KeyAscii) { Filters::FileNameKeyFilter(KeyAscii); }
void frmOptions::txtSufix_KeyPress(qint16& KeyAscii) { Filters::FileNameKeyFilter(KeyAscii); }
void frmOptions::txtStartingNumber_KeyPress(qint16& KeyAscii) { Filters::NumericKeyFilter(KeyAscii); }
