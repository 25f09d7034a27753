#pragma once
// The keystroke filters of the options dialog's text boxes. Each takes the
// code of one typed character (a signed 16-bit code: above 32767 arrives
// negative) and leaves it, or sets it to 0 to cancel the key.
#include <QtGlobal>

namespace Filters {

// Starting number: digits and backspace pass; Enter, "+", ",", "-" and "."
// are dropped silently; everything else is dropped with a beep.
void NumericKeyFilter(qint16& KeyAscii);

// Prefix and suffix: Enter and the characters a file name cannot hold
// (" * / : < > ? \ |) are dropped silently; everything else passes.
void FileNameKeyFilter(qint16& KeyAscii);

// The beep the filters sound. Replaceable so that tests can count beeps;
// returns the previous one. The default is the system beep.
using BeepFunction = void (*)();
BeepFunction SetBeep(BeepFunction beep);

}  // namespace Filters
