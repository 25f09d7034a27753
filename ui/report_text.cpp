#include "report_text.h"

#include <QStringList>

#include <algorithm>

#include "naming/name_plan.h"
#include "status_text.h"
#include "qt_text.h"

namespace {

struct Report {
    Q_DECLARE_TR_FUNCTIONS(Report)
};

}  // namespace

QString PreviewNote(const morvane::PredictedName& name, bool noDateTaken) {
    using enum morvane::PredictedOutcome;
    QString note = name.Outcome == NumberAdded    ? Report::tr("number added")
                   : name.Outcome == KeepsItsName ? Report::tr("keeps its name")
                   : name.Outcome == Skipped      ? Report::tr("skipped")
                                                  : QString();
    if (name.Hidden) note = note.isEmpty() ? Report::tr("hidden") : Report::tr("%1, hidden").arg(note);
    if (noDateTaken)
        note = note.isEmpty() ? Report::tr("no date taken: date modified used")
                              : Report::tr("%1, no date taken: date modified used").arg(note);
    return note;
}

// The renamed files are always counted, the other outcomes when there are any.
QString PreviewSummary(const morvane::Prediction& prediction, const QString& folder) {
    using enum morvane::PredictedOutcome;
    if (prediction.Error != morvane::ErrNone)
        return Report::tr("%1: %2").arg(ErrorText(prediction.Error),
                                        ErrorWords(prediction.Error, {folder, prediction.Refused, false}));
    const auto count = [](std::size_t n) { return static_cast<int>(n); };
    const std::size_t renamed = prediction.Count(Renamed);
    QStringList parts{renamed == 1 ? Report::tr("1 file will be renamed")
                                   : Report::tr("%n files will be renamed", nullptr, count(renamed))};
    const std::size_t keep = prediction.Count(KeepsItsName), numbered = prediction.Count(NumberAdded),
                      skipped = prediction.Count(Skipped) + prediction.Uncovered;
    if (keep)
        parts << (keep == 1 ? Report::tr("1 keeps its name") : Report::tr("%n keep their names", nullptr, count(keep)));
    if (numbered)
        parts << (numbered == 1 ? Report::tr("1 gets a number added")
                                : Report::tr("%n get a number added", nullptr, count(numbered)));
    if (skipped)
        parts << (skipped == 1 ? Report::tr("1 will be skipped")
                               : Report::tr("%n will be skipped", nullptr, count(skipped)));
    QString line = Report::tr("%1.").arg(parts.join(Report::tr(", ")));
    if (prediction.Uncovered)
        line += ' ' + Report::tr("Only the first %1 files are covered.").arg(morvane::MaxJournalIndex + 1);
    const auto hidden = static_cast<std::size_t>(std::count_if(
        prediction.Names.begin(), prediction.Names.end(), [](const morvane::PredictedName& n) { return n.Hidden; }));
    if (hidden)
        line += ' ' + (hidden == 1 ? Report::tr("1 new name begins with a dot and will be hidden.")
                                   : Report::tr("%n new names begin with a dot and will be hidden.", nullptr,
                                                count(hidden)));
    return line;
}

QString UndoReport(const morvane::SessionUndo& undo) {
    QString words = RestoredWords(undo.Restored);
    const auto count = [](std::size_t n) { return static_cast<int>(n); };
    if (undo.AlreadyBack > 0)
        words += ' ' + (undo.AlreadyBack == 1 ? Report::tr("1 was already back.")
                                              : Report::tr("%n were already back.", nullptr, count(undo.AlreadyBack)));
    if (!undo.NotFound.empty()) {
        QStringList names;
        for (const morvane::Text& name : undo.NotFound) names << ToQString(name);
        names.removeDuplicates();
        words += ' ' + Report::tr("Not found: %1.").arg(names.join(QStringLiteral(", ")));
    }
    return words;
}
