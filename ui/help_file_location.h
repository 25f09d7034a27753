#pragma once
// Where the help file is.
#include <QString>

// Beside the program first, so that a build tree keeps working; otherwise in
// the data directory of the prefix the program is installed in. When neither
// holds it, the place beside the program, where opening it fails quietly.
QString HelpFileFor(const QString& programDir);
