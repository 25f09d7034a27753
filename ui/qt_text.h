#pragma once
// Conversion at the edge between the windows' QString and the core's Text:
// both are 16-bit characters, so the conversion is exact both ways.
#include <QString>

#include "text.h"

inline morvane::Text ToText(const QString& s) {
    return morvane::Text(reinterpret_cast<const char16_t*>(s.utf16()), static_cast<std::size_t>(s.size()));
}

inline QString ToQString(const morvane::Text& t) {
    return QString::fromUtf16(t.data(), static_cast<qsizetype>(t.size()));
}
