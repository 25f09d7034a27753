#include "windows/frmRecover.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include "widgets/dialog_frame.h"
#include "widgets/dialog_placement.h"
#include "widgets/form_builder.h"
#include "presenter/presenter.h"
#include "qt_text.h"

namespace {

using enum ControlKind;

const ControlRow Controls[] = {
    {WrappedText, "lblRecover", "", 240, 240, 5400, 900, NoTab, QT_TRANSLATE_NOOP("frmRecover", "Unfinished rename"),
     nullptr},
    {Button, "cmdRecoverUndo", QT_TRANSLATE_NOOP("frmRecover", "&Undo"), 2880, 1320, 1215, 375, 0,
     QT_TRANSLATE_NOOP("frmRecover", "Undo"), nullptr},
    {Button, "cmdRecoverKeep", QT_TRANSLATE_NOOP("frmRecover", "&Keep"), 4320, 1320, 1215, 375, 1,
     QT_TRANSLATE_NOOP("frmRecover", "Keep"), nullptr},
};

QString Files(std::size_t count) {
    return count == 1 ? frmRecover::tr("1 file") : frmRecover::tr("%n files", nullptr, int(count));
}

// Why a journal found in the store cannot be used, in words.
QString ProblemText(const morvane::UnfinishedPass& found) {
    using morvane::JournalProblem;
    switch (found.Problem) {
        case JournalProblem::Unreadable: return frmRecover::tr("cannot be read");
        case JournalProblem::Truncated: return frmRecover::tr("is incomplete");
        case JournalProblem::Garbled: return frmRecover::tr("is damaged");
        case JournalProblem::FutureVersion: return frmRecover::tr("was written by a newer version of Morvane");
        case JournalProblem::None:
        case JournalProblem::InUse: break;
    }
    return {};
}

}  // namespace

frmRecover::frmRecover(QWidget* owner, const QString& text)
    : QDialog(owner, kAnswerOnlyDialogFrame) {
    setObjectName("frmRecover");
    setWindowTitle(tr("Unfinished Rename"));
    setAccessibleName(windowTitle());
    const Form form = BuildForm(*this, Controls, "frmRecover");
    setFixedSize(form.Size(5880, 1920));
    form.get<QLabel>("lblRecover")->setText(text);
    form.get<QLabel>("lblRecover")->setAccessibleDescription(text);
    connect(form.get<QPushButton>("cmdRecoverUndo"), &QPushButton::clicked, this, &QDialog::accept);
    connect(form.get<QPushButton>("cmdRecoverKeep"), &QPushButton::clicked, this, &QDialog::reject);
    connect(this, &QDialog::finished, this, [this](int result) { emit Answered(result == QDialog::Accepted); });
    new CentreOnceFramed(*this);
}

void frmRecover::OfferRecovery(Presenter& presenter, QWidget& owner) {
    QStringList problems;
    std::vector<std::string> damaged;
    for (const morvane::UnfinishedPass& found : presenter.FindUnfinished()) {
        if (found.Problem != morvane::JournalProblem::None) {
            // Which pass it was, where the journal still tells.
            const bool named = !found.Directory.empty();
            problems << tr("%1%2 %3.").arg(QString::fromStdString(found.FileName),
                                           named ? tr(" (a rename in %1)").arg(ToQString(found.Directory)) : QString(),
                                           ProblemText(found));
            damaged.push_back(found.FileName);
            continue;
        }
        // Told from the journal alone: its folder is looked at only for the undo.
        const QString text = tr("A rename of %1 in %2 did not finish.").arg(Files(found.Files), ToQString(found.Directory));
        frmRecover dialog(&owner, text);
        bool undo = false;
        connect(&dialog, &frmRecover::Answered, &dialog, [&undo](bool answer) { undo = answer; });
        dialog.exec();
        presenter.Recover(found, undo ? Presenter::Recovery::Undo : Presenter::Recovery::Keep, owner);
    }
    if (!problems.isEmpty()) {
        QMessageBox box(QMessageBox::Warning, tr("Unfinished Rename"),
                        tr("These rename journals in %1 cannot be used and were left as they are:\n%2\n\n"
                           "\"Set Aside\" moves them into its \"damaged\" folder, where they are kept "
                           "but no longer reported.")
                            .arg(presenter.JournalFolder(), problems.join('\n')),
                        QMessageBox::Ok, &owner);
        QPushButton* setAside = box.addButton(tr("&Set Aside"), QMessageBox::ActionRole);
        setAside->setObjectName("cmdSetAside");
        box.setDefaultButton(QMessageBox::Ok);
        box.exec();
        if (box.clickedButton() == setAside) presenter.SetAside(damaged);
    }
    presenter.EndRecovery();
}
