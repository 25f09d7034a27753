#pragma once
// Conversion at the edge between the windows' QString and the core's Text:
// both are 16-bit characters, so the conversion is exact both ways.
#include <QString>

#include "base/text.h"

inline morvane::Text ToText(const QString& s) {
    return morvane::Text(reinterpret_cast<const char16_t*>(s.utf16()), static_cast<std::size_t>(s.size()));
}

// A plain copy of the characters: QString::fromUtf16 would take a leading
// U+FEFF or U+FFFE for a byte order mark and drop it or swap every byte,
// and a file name may begin with either.
inline QString ToQString(const morvane::Text& t) {
    return QString(reinterpret_cast<const QChar*>(t.data()), static_cast<qsizetype>(t.size()));
}
