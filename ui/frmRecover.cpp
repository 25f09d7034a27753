#include "frmRecover.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include "busy_cursor.h"
#include "dialog_frame.h"
#include "dialog_placement.h"
#include "form_builder.h"
#include "frmMain.h"
#include "qt_text.h"
#include "report_text.h"
#include "session/rename_session.h"

namespace {

using enum ControlKind;

const ControlRow Controls[] = {
    {WrappedText, "lblRecover", "", 240, 240, 5400, 900, NoTab, "Unfinished rename", nullptr},
    {Button, "cmdRecoverUndo", "&Undo", 2880, 1320, 1215, 375, 0, "Undo", nullptr},
    {Button, "cmdRecoverKeep", "&Keep", 4320, 1320, 1215, 375, 1, "Keep", nullptr},
};

QString Files(std::size_t count) { return count == 1 ? QString("1 file") : QString("%1 files").arg(count); }

// Why a journal found in the store cannot be used, in words.
QString ProblemText(const morvane::UnfinishedPass& found) {
    using morvane::JournalProblem;
    switch (found.Problem) {
        case JournalProblem::Unreadable: return "cannot be read";
        case JournalProblem::Truncated: return "is incomplete";
        case JournalProblem::Garbled: return "is damaged";
        case JournalProblem::FutureVersion: return "was written by a newer version of Morvane";
        case JournalProblem::DirectoryMissing:
            return QString("names a folder that no longer exists: %1").arg(ToQString(found.Directory));
        case JournalProblem::None:
        case JournalProblem::InUse: break;
    }
    return {};
}

}  // namespace

frmRecover::frmRecover(QWidget* owner, const QString& text)
    : QDialog(owner, kAnswerOnlyDialogFrame) {
    setObjectName("frmRecover");
    setWindowTitle("Unfinished Rename");
    setAccessibleName("Unfinished Rename");
    const Form form = BuildForm(*this, Controls);
    setFixedSize(form.Size(5880, 1920));
    form.get<QLabel>("lblRecover")->setText(text);
    form.get<QLabel>("lblRecover")->setAccessibleDescription(text);
    connect(form.get<QPushButton>("cmdRecoverUndo"), &QPushButton::clicked, this, &QDialog::accept);
    connect(form.get<QPushButton>("cmdRecoverKeep"), &QPushButton::clicked, this, &QDialog::reject);
    new CentreOnceFramed(*this);
}

void frmRecover::OfferRecovery(morvane::RenameSession& session, frmMain& main) {
    QStringList problems;
    for (const morvane::UnfinishedPass& found : session.FindUnfinished()) {
        if (found.Problem != morvane::JournalProblem::None) {
            problems << QString("%1 %2.").arg(QString::fromStdString(found.FileName), ProblemText(found));
            continue;
        }
        const QString text = QString("A rename of %1 in %2 did not finish: %3 %4 new names.")
                                 .arg(Files(found.Files), ToQString(found.Directory), Files(found.Renamed),
                                      found.Renamed == 1 ? "has" : "have");
        frmRecover dialog(&main, text);
        morvane::ErrorNumber error = morvane::ErrNone;
        if (dialog.exec() == QDialog::Accepted) {
            BusyCursor busy;
            error = session.RecoverUndo(found.FileName).Error;
        } else {
            error = session.RecoverKeep(found.FileName).Error;
        }
        if (error != morvane::ErrNone) main.ShowExampleText(ErrorText(error));
    }
    if (!problems.isEmpty())
        QMessageBox::warning(&main, "Unfinished Rename",
                             QString("These rename journals cannot be used and were left as they are:\n%1")
                                 .arg(problems.join('\n')));
    session.LetUnfinishedGo();  // gives the journals' locks up
    main.RefreshUndoLast();
}
