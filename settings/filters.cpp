#include "filters.h"

#include <QApplication>

namespace Filters {

namespace {
BeepFunction g_beep = &QApplication::beep;

void Beep() {
    if (g_beep) g_beep();
}
}  // namespace

BeepFunction SetBeep(BeepFunction beep) {
    const BeepFunction previous = g_beep;
    g_beep = beep;
    return previous;
}

void NumericKeyFilter(qint16& KeyAscii) {
    switch (KeyAscii) {
    case 0:
    case 8:
        return;
    case 13:
    case 43:
    case 44:
    case 45:
    case 46:
        KeyAscii = 0;
        return;
    default:
        if (KeyAscii >= 48 && KeyAscii <= 57) return;
        KeyAscii = 0;
        Beep();
    }
}

void FileNameKeyFilter(qint16& KeyAscii) {
    switch (KeyAscii) {
    case 13:
    case 34:
    case 42:
    case 47:
    case 58:
    case 60:
    case 62:
    case 63:
    case 92:
    case 124:
        KeyAscii = 0;
        return;
    default:
        return;
    }
}

}  // namespace Filters
