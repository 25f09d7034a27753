#pragma once
// The title bar a dialog asks the window manager for.
#include <Qt>

// A dialog of a fixed design: a title and a close button, nothing to
// minimise or maximise. Without CustomizeWindowHint Qt asks for the window
// manager's default decorations, and some managers (openbox among them) then
// draw a maximise button on a dialog that cannot grow.
inline constexpr Qt::WindowFlags kFixedDialogFrame =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

// A dialog that is answered only through its own buttons: a title, no
// close button either.
inline constexpr Qt::WindowFlags kAnswerOnlyDialogFrame = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
