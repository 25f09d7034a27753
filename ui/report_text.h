#pragma once
// The one place where the core's error numbers and flags become the texts
// the main window's example box shows.
#include <QString>

inline QString ErrorText(int number) { return QStringLiteral("Error # %1").arg(number); }

// Some of the files a pass covers, or that were handed over, were left out.
inline QString SkippedText() { return QStringLiteral("Some Files Were Skipped"); }

// What the example box shows after a pass: the failure that ended it, the
// note that a file was left alone, or nothing.
inline QString PassReport(int error, bool filesSkipped) {
    if (error != 0) return ErrorText(error);
    return filesSkipped ? SkippedText() : QString();
}
