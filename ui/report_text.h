#pragma once
// The one place where the core's error numbers and flags become the texts
// the windows show.
#include <QString>

#include "pass/pass_prediction.h"
#include "session/rename_session.h"

inline QString ErrorText(morvane::ErrorNumber error) { return QStringLiteral("Error # %1").arg(morvane::NumberOf(error)); }

// Some of the files a pass covers, or that were handed over, were left out.
inline QString SkippedText() { return QStringLiteral("Some Files Were Skipped"); }

// What the example box shows after a pass: the failure that ended it, the
// note that a file was left alone, or nothing.
inline QString PassReport(morvane::ErrorNumber error, bool filesSkipped) {
    if (error != morvane::ErrNone) return ErrorText(error);
    return filesSkipped ? SkippedText() : QString();
}

// What an undo did, for the example box: empty when every file simply came
// back; otherwise how many came back, how many were already back, which were
// found nowhere (by name, once) and any other failure.
QString UndoReport(const morvane::SessionUndo& undo);

// Where a pass of the history stands.
inline QString PassStatusText(morvane::PassStatus status) {
    switch (status) {
    case morvane::PassStatus::UnderReview: return QStringLiteral("under review");
    case morvane::PassStatus::Accepted: return QStringLiteral("accepted");
    case morvane::PassStatus::PartlyUndone: return QStringLiteral("partly undone");
    case morvane::PassStatus::Undone: return QStringLiteral("undone");
    case morvane::PassStatus::Unfinished: return QStringLiteral("unfinished");
    }
    return {};
}

// The preview's note on one file: empty when it gets its composed name.
inline QString PreviewNote(const morvane::PredictedName& name) {
    using enum morvane::PredictedOutcome;
    QString note = name.Outcome == NumberAdded    ? QStringLiteral("number added")
                   : name.Outcome == KeepsItsName ? QStringLiteral("keeps its name")
                   : name.Outcome == Skipped      ? QStringLiteral("skipped")
                                                  : QString();
    if (name.Hidden) note += note.isEmpty() ? QStringLiteral("hidden") : QStringLiteral(", hidden");
    return note;
}

// The preview's one line: the failure exactly as the pass would report it,
// or how many files each outcome has, the files a pass would not reach and
// the new names that file managers hide.
QString PreviewSummary(const morvane::Prediction& prediction);
