#include "windows/frmRecover.h"

#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>

#include "widgets/dialog_frame.h"
#include "widgets/dialog_placement.h"
#include "widgets/form_builder.h"
#include "presenter/presenter.h"
#include "qt_text.h"
#include "texts/report_text.h"

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

// Which pass a journal that cannot be used was: where, where the journal
// still tells, and when, as its name tells; never its file's name.
QString WhichPass(const morvane::UnfinishedPass& found) {
    const QString folder = ToQString(found.Directory), problem = ProblemText(found);
    const std::int64_t began = morvane::StartTimeOf(found.FileName);
    const QString when = MediumDateTime(QLocale(), QDateTime::fromSecsSinceEpoch(began));
    if (folder.isEmpty())
        return began ? frmRecover::tr("Renaming on %1: its journal %2.").arg(when, problem)
                     : frmRecover::tr("A rename: its journal %1.").arg(problem);
    return began ? frmRecover::tr("Renaming in %1 on %2: its journal %3.").arg(folder, when, problem)
                 : frmRecover::tr("Renaming in %1: its journal %2.").arg(folder, problem);
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
            problems << WhichPass(found);
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
        const QString folder = presenter.JournalFolder();
        const QString aside = folder + "/damaged";
        const int n = int(problems.size());
        QMessageBox box(QMessageBox::Warning,
                        n == 1 ? tr("Damaged Rename Journal") : tr("Damaged Rename Journals"),
                        (n == 1 ? tr("A rename journal in %1 cannot be used and was left as it is:\n%2\n\n\"Set Aside\" "
                                     "moves it into %3, where it is kept but no longer reported.")
                                : tr("%n rename journals in %1 cannot be used and were left as they are:\n%2\n\n"
                                     "\"Set Aside\" moves them into %3, where they are kept but no longer reported.",
                                     nullptr, n))
                            .arg(folder, problems.join('\n'), aside),
                        QMessageBox::Ok, &owner);
        box.setObjectName("msgDamagedJournals");
        QPushButton* setAside = box.addButton(tr("&Set Aside"), QMessageBox::ActionRole);
        setAside->setObjectName("cmdSetAside");
        box.setDefaultButton(QMessageBox::Ok);
        box.exec();
        if (box.clickedButton() == setAside) presenter.SetAside(damaged);
    }
    presenter.EndRecovery();
}
