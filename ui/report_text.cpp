#include "report_text.h"

#include <QStringList>

#include <algorithm>

#include "naming/name_plan.h"
#include "qt_text.h"

namespace {

QString Count(std::size_t n, const char* one, const char* many) {
    return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
}

}  // namespace

// The renamed files are always counted, the other outcomes when there are any.
QString PreviewSummary(const morvane::Prediction& prediction) {
    using enum morvane::PredictedOutcome;
    if (prediction.Error != morvane::ErrNone) return ErrorText(prediction.Error);
    QStringList parts{Count(prediction.Count(Renamed), "file will be renamed", "files will be renamed")};
    const std::size_t keep = prediction.Count(KeepsItsName), numbered = prediction.Count(NumberAdded),
                      skipped = prediction.Count(Skipped) + prediction.Uncovered;
    if (keep) parts << Count(keep, "keeps its name", "keep their names");
    if (numbered) parts << Count(numbered, "gets a number added", "get a number added");
    if (skipped) parts << Count(skipped, "will be skipped", "will be skipped");
    QString line = parts.join(QStringLiteral(", ")) + '.';
    if (prediction.Uncovered)
        line += QStringLiteral(" Only the first %1 files are covered.").arg(morvane::MaxJournalIndex + 1);
    const auto hidden = static_cast<std::size_t>(std::count_if(
        prediction.Names.begin(), prediction.Names.end(), [](const morvane::PredictedName& n) { return n.Hidden; }));
    if (hidden)
        line += ' ' + Count(hidden, "new name begins with a dot and will be hidden.",
                            "new names begin with a dot and will be hidden.");
    return line;
}

QString UndoReport(const morvane::SessionUndo& undo) {
    const bool otherFailure = undo.Error != morvane::ErrNone && undo.Error != morvane::ErrFileNotFound;
    if (undo.AlreadyBack == 0 && undo.NotFound.empty() && !otherFailure) return {};
    QStringList parts;
    parts << (undo.Restored == 1 ? QStringLiteral("1 file has its old name back")
                                 : QStringLiteral("%1 files have their old names back").arg(undo.Restored));
    if (undo.AlreadyBack > 0)
        parts << (undo.AlreadyBack == 1 ? QStringLiteral("1 was already back")
                                        : QStringLiteral("%1 were already back").arg(undo.AlreadyBack));
    if (!undo.NotFound.empty()) {
        QStringList names;
        for (const morvane::Text& name : undo.NotFound) names << ToQString(name);
        names.removeDuplicates();
        parts << QStringLiteral("not found: %1").arg(names.join(QStringLiteral(", ")));
    }
    QString report = parts.join(QStringLiteral("; ")) + QLatin1Char('.');
    if (otherFailure) report += QLatin1Char(' ') + ErrorText(undo.Error);
    return report;
}
