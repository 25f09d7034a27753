#pragma once
// Where the help file is.
#include <QString>
#include <QStringList>

// The help in the first of the user's languages (as QLocale::uiLanguages()
// gives them, most preferred first) that it is written in: mvn_de.hlp for
// German, and so on. English ends the search, since mvn.hlp is English; a
// language without a help file passes on to the next; after the last comes
// English.
// Each file is looked for beside the program first, so that a build tree
// keeps working, then in the data directory of the prefix the program is
// installed in. When no file of the chosen languages exists, the English
// file's place beside the program, where opening it fails quietly.
QString HelpFileFor(const QString& programDir, const QStringList& uiLanguages);
