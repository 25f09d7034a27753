#pragma once
// The one place where the core's error numbers and flags become the texts
// the windows show. Under an English or the C locale they read exactly as
// the program always showed them.
#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <QString>

#include "pass/pass_prediction.h"
#include "session/pass_history.h"
#include "session/undo_job.h"

inline QString ErrorText(morvane::ErrorNumber error) {
    return QCoreApplication::translate("Report", "Error # %1").arg(morvane::NumberOf(error));
}

// Some of the files a pass covers, or that were handed over, were left out.
inline QString SkippedText() { return QCoreApplication::translate("Report", "Some Files Were Skipped"); }

// What the example box shows after a pass: the failure that ended it, the
// note that a file was left alone, or nothing.
inline QString PassReport(morvane::ErrorNumber error, bool filesSkipped) {
    if (error != morvane::ErrNone) return ErrorText(error);
    return filesSkipped ? SkippedText() : QString();
}

// What an undo did in folder, in words for the status line: how many came
// back, how many had their old names already, which were found nowhere,
// which a later pass renamed since, and what a rename cut short may have left.
QString UndoReport(const morvane::SessionUndo& undo, const QString& folder);

// Where a pass of the history stands.
inline QString PassStatusText(morvane::PassStatus status) {
    switch (status) {
    case morvane::PassStatus::UnderReview: return QCoreApplication::translate("Report", "under review");
    case morvane::PassStatus::Accepted: return QCoreApplication::translate("Report", "accepted");
    case morvane::PassStatus::PartlyUndone: return QCoreApplication::translate("Report", "partly undone");
    case morvane::PassStatus::Undone: return QCoreApplication::translate("Report", "undone");
    case morvane::PassStatus::Unfinished: return QCoreApplication::translate("Report", "unfinished");
    }
    return {};
}

// A moment as the history shows it: the locale's medium date, with a
// four-digit year, and its short time ("7 dic 2026 20:19" in Spanish).
QString MediumDateTime(const QLocale& locale, const QDateTime& when);

// The preview's note on one file: empty when it gets its composed name and
// took its place in the list as asked. noDateTaken: it was listed by its
// modification time for want of a date taken (its name's date says so itself).
QString PreviewNote(const morvane::PredictedName& name, bool noDateTaken = false);

// The preview's one line: the failure as the pass would report it, number
// and words, or how many files each outcome has, the files a pass would not
// reach and the new names that file managers hide.
QString PreviewSummary(const morvane::Prediction& prediction, const QString& folder = {});
