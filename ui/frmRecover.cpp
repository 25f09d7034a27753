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
    std::vector<std::string> damaged;
    for (const morvane::UnfinishedPass& found : session.FindUnfinished()) {
        if (found.Problem != morvane::JournalProblem::None) {
            // Which pass it was, where the journal still tells.
            const bool named = !found.Directory.empty();
            problems << QString("%1%2 %3.")
                            .arg(QString::fromStdString(found.FileName),
                                 named ? QString(" (a rename in %1)").arg(ToQString(found.Directory)) : QString(),
                                 ProblemText(found));
            damaged.push_back(found.FileName);
            continue;
        }
        // Told from the journal alone: its folder is looked at only for the undo.
        const QString text = QString("A rename of %1 in %2 did not finish.")
                                 .arg(Files(found.Files), ToQString(found.Directory));
        frmRecover dialog(&main, text);
        QString report;
        if (dialog.exec() == QDialog::Accepted) {
            BusyCursor busy;
            report = UndoReport(session.RecoverUndo(found.FileName));
        } else if (const morvane::ErrorNumber error = session.RecoverKeep(found.FileName).Error;
                   error != morvane::ErrNone) {
            report = ErrorText(error);
        }
        if (!report.isEmpty()) main.ShowExampleText(report);
    }
    if (!problems.isEmpty()) {
        QMessageBox box(QMessageBox::Warning, "Unfinished Rename",
                        QString("These rename journals in %1 cannot be used and were left as they are:\n%2\n\n"
                                "\"Set Aside\" moves them into its \"damaged\" folder, where they are kept "
                                "but no longer reported.")
                            .arg(QString::fromStdString(session.JournalFolder()), problems.join('\n')),
                        QMessageBox::Ok, &main);
        QPushButton* setAside = box.addButton("&Set Aside", QMessageBox::ActionRole);
        setAside->setObjectName("cmdSetAside");
        box.setDefaultButton(QMessageBox::Ok);
        box.exec();
        if (box.clickedButton() == setAside) {
            for (const std::string& name : damaged) {
                const morvane::ErrorNumber error = session.SetAside(name).Error;
                if (error != morvane::ErrNone) main.ShowExampleText(ErrorText(error));
            }
        }
    }
    session.LetUnfinishedGo();  // gives the journals' locks up
    main.RefreshUndoLast();
}
