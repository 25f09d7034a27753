#pragma once
// Enter and Escape in a dialog whose buttons are pressed only on purpose:
// neither key presses a button nor closes the dialog. The keys still reach
// the focused control first (a list opens its entry on Enter).
#include <QObject>

class QDialog;

class EnterEscapeFilter : public QObject {
    Q_OBJECT
public:
    // Installs itself on the dialog and lives as its child.
    explicit EnterEscapeFilter(QDialog& dialog);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
