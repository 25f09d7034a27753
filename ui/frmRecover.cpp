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
#include "pass/rename_pass.h"
#include "report_text.h"
#include "journal/stored_pass.h"

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
QString ProblemText(const morvane::FoundJournal& found) {
    using morvane::JournalProblem;
    switch (found.Problem) {
        case JournalProblem::Unreadable: return frmRecover::tr("cannot be read");
        case JournalProblem::Truncated: return frmRecover::tr("is incomplete");
        case JournalProblem::Garbled: return frmRecover::tr("is damaged");
        case JournalProblem::FutureVersion: return frmRecover::tr("was written by a newer version of Morvane");
        case JournalProblem::DirectoryMissing:
            return frmRecover::tr("names a folder that no longer exists: %1").arg(ToQString(found.Journal.Directory));
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
    new CentreOnceFramed(*this);
}

void frmRecover::OfferRecovery(morvane::JournalStore& store, morvane::FileRenamer& renamer, frmMain& main) {
    morvane::JournalScan scan = store.FindUnfinished();
    QStringList problems;
    for (morvane::FoundJournal& found : scan.Journals) {
        if (found.Problem != morvane::JournalProblem::None) {
            problems << tr("%1 %2.").arg(QString::fromStdString(found.FileName), ProblemText(found));
            continue;
        }
        morvane::RenameJournal journal = morvane::FromStored(found.Journal);
        const std::size_t renamed = morvane::CountRenamed(journal, renamer);
        const QString text =
            (renamed == 1 ? tr("A rename of %1 in %2 did not finish: 1 file has its new name.")
                          : tr("A rename of %1 in %2 did not finish: %n files have new names.", nullptr, int(renamed)))
                .arg(Files(found.Journal.Entries.size()), ToQString(journal.Directory));
        frmRecover dialog(&main, text);
        if (dialog.exec() == QDialog::Accepted) {
            BusyCursor busy;
            const morvane::UndoOutcome outcome = morvane::UndoLastPass(journal, renamer);
            morvane::StoreAfterUndo(store, found.Lock, journal);
            if (outcome.FirstError != morvane::ErrNone)
                main.ShowError(outcome.FirstError, {ToQString(journal.Directory), {}, true});
            else
                main.ShowStatus(RestoredWords(outcome.Restored));
        } else {
            store.Write(found.Lock, morvane::ToStored(journal, morvane::JournalState::Finished));
        }
    }
    scan.Journals.clear();  // gives the journals' locks up
    if (!problems.isEmpty())
        QMessageBox::warning(&main, tr("Unfinished Rename"),
                             tr("These rename journals in %1 cannot be used and were left as they are:\n%2")
                                 .arg(QString::fromStdString(store.Directory()), problems.join('\n')));
    main.RefreshUndoLast();
}
