#include "help_file_location.h"

#include <QDir>
#include <QFileInfo>

// MORVANE_DATA_FROM_PROGRAM: the installed data directory, relative to the
// installed program ("../share/morvane"), so that the installed tree can move.
QString HelpFileFor(const QString& programDir) {
    // The separator is always added, whatever the directory ends with.
    const QString beside = programDir + "/mvn.hlp";
    const QString installed = QDir::cleanPath(programDir + "/" MORVANE_DATA_FROM_PROGRAM "/mvn.hlp");
    if (!QFileInfo(beside).isFile() && QFileInfo(installed).isFile()) return installed;
    return beside;
}
