#pragma once
// At start-up: the journals of passes that never ended (the program was
// killed or the machine stopped) are offered for an undo before anything
// else, one dialog each; journals that cannot be used are reported in words
// and never acted on.
#include <QDialog>

class QLabel;
class Presenter;

class frmRecover : public QDialog {
    Q_OBJECT
public:
    // text: what the pass was and how far it got.
    frmRecover(QWidget* owner, const QString& text);

    // Runs through the unfinished journals with owner as the dialogs'
    // owner: "Undo" gives every file of a pass its old name back, "Keep"
    // leaves the names and closes the journal (Undo Last Rename can still
    // undo it later).
    static void OfferRecovery(Presenter& presenter, QWidget& owner);

signals:
    // The user's answer: "Undo" (true), or "Keep" (false; so is any other way of closing).
    void Answered(bool undo);
};
