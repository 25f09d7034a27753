#include "texts/help_file_location.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

// MORVANE_DATA_FROM_PROGRAM: the installed data directory, relative to the
// installed program ("../share/morvane"), so that the installed tree can move.
QString Existing(const QString& programDir, const QString& fileName) {
    // The separator is always added, whatever the directory ends with.
    const QString beside = programDir + "/" + fileName;
    if (QFileInfo(beside).isFile()) return beside;
    const QString installed = QDir::cleanPath(programDir + "/" MORVANE_DATA_FROM_PROGRAM "/" + fileName);
    if (QFileInfo(installed).isFile()) return installed;
    return {};
}

// "de-DE", "de_DE.UTF-8" and "de" all give "de".
QString LanguageOf(const QString& uiLanguage) {
    return uiLanguage.section(QRegularExpression("[-_.@]"), 0, 0).toLower();
}

}  // namespace

QString HelpFileFor(const QString& programDir, const QStringList& uiLanguages) {
    for (const QString& uiLanguage : uiLanguages) {
        const QString language = LanguageOf(uiLanguage);
        if (language == "en") break;
        // Only a plain language code can name a file.
        if (language.isEmpty() || language.contains(QRegularExpression("[^a-z]"))) continue;
        const QString found = Existing(programDir, "mvn_" + language + ".hlp");
        if (!found.isEmpty()) return found;
    }
    const QString english = Existing(programDir, "mvn.hlp");
    return english.isEmpty() ? programDir + "/mvn.hlp" : english;
}
