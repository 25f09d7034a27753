#include "texts/report_text.h"

#include <QStringList>

#include <algorithm>

#include "naming/name_plan.h"
#include "texts/status_text.h"
#include "qt_text.h"

namespace {

struct Report {
    Q_DECLARE_TR_FUNCTIONS(Report)
};

}  // namespace

QString MediumDateTime(const QLocale& locale, const QDateTime& when) {
    QString date;
    switch (locale.language()) {
        case QLocale::C: date = QStringLiteral("d MMM yyyy"); break;
        case QLocale::English:
            date = locale.territory() == QLocale::UnitedStates ? QStringLiteral("MMM d, yyyy") : QStringLiteral("d MMM yyyy");
            break;
        case QLocale::German: date = QStringLiteral("dd.MM.yyyy"); break;
        case QLocale::French:
        case QLocale::Spanish: date = QStringLiteral("d MMM yyyy"); break;
        default:
            // Elsewhere the short date, with the year in full.
            date = locale.dateFormat(QLocale::ShortFormat);
            if (!date.contains(QStringLiteral("yyyy"))) date.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
            break;
    }
    return locale.toString(when, date + ' ' + locale.timeFormat(QLocale::ShortFormat));
}

QString PreviewNote(const morvane::PredictedName& name, bool noDateTaken) {
    using enum morvane::PredictedOutcome;
    QString note = name.Outcome == NumberAdded    ? Report::tr("number added")
                   : name.Outcome == KeepsItsName ? Report::tr("keeps its name")
                   : name.Outcome == Skipped      ? (name.Skip == morvane::SkipReason::NoDate
                                                         ? Report::tr("skipped: its date could not be read")
                                                         : Report::tr("skipped"))
                   : name.Outcome == RefusedByFileSystem
                       ? Report::tr("skipped: this folder's file system refuses the name \"%1\"")
                             .arg(ToQString(name.RefusedName))
                       : QString();
    if (name.Hidden) note = note.isEmpty() ? Report::tr("hidden") : Report::tr("%1, hidden").arg(note);
    if (noDateTaken || name.DateModifiedUsed)
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
    // Counted as the status line counts after the pass: a file that gets a
    // number added is renamed too.
    const std::size_t numbered = prediction.Count(NumberAdded), renamed = prediction.Count(Renamed) + numbered;
    QStringList parts{renamed == 1 ? Report::tr("1 file will be renamed")
                                   : Report::tr("%n files will be renamed", nullptr, count(renamed))};
    if (numbered) parts.back() += ' ' + NumberAddedWords(numbered);
    const std::size_t keep = prediction.Count(KeepsItsName),
                      skipped = prediction.Count(Skipped) + prediction.Count(RefusedByFileSystem) + prediction.Uncovered;
    if (keep)
        parts << (keep == 1 ? Report::tr("1 keeps its name") : Report::tr("%n keep their names", nullptr, count(keep)));
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

QString UndoReport(const morvane::SessionUndo& undo, const QString& folder) {
    const auto names = [](const std::vector<morvane::Text>& list) {
        QStringList shown;
        for (const morvane::Text& name : list) shown << ToQString(name);
        shown.removeDuplicates();
        return shown.join(QStringLiteral(", "));
    };
    if (undo.NoneFound)
        return Report::tr("The folder at %1 holds none of the files renamed there; nothing was changed, the pass stays "
                          "in the history.")
            .arg(folder);
    QString words = RestoredWords(undo.Restored);
    const auto count = [](std::size_t n) { return static_cast<int>(n); };
    if (undo.AlreadyBack > 0)
        words += ' ' + (undo.AlreadyBack == 1
                            ? Report::tr("1 already had its old name.")
                            : Report::tr("%n already had their old names.", nullptr, count(undo.AlreadyBack)));
    if (!undo.NotFound.empty())
        words += ' ' + Report::tr("Not found: %1; the pass keeps them for a later undo.").arg(names(undo.NotFound));
    if (!undo.RenamedLater.empty())
        words += ' ' + Report::tr("Renamed again by a later pass: %1. Undo that one first.").arg(names(undo.RenamedLater));
    if (!undo.Blocked.empty())
        words += ' ' + Report::tr("Not given back yet: %1, whose old names are held by files a rename cut short may "
                                  "have left: %2. Remove those that are not yours, then undo again.")
                           .arg(names(undo.Blocked), names(undo.LeftBehind));
    else if (!undo.LeftBehind.empty())
        words += ' ' + Report::tr("These files may be left from a rename that was cut short: %1. Remove those that are "
                                  "not yours.")
                           .arg(names(undo.LeftBehind));
    return words;
}
