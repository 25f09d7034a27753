#pragma once
// The title bar a dialog asks the window manager for.
#include <Qt>

// A dialog of a fixed design: a title and a close button, nothing to
// minimise or maximise. Without CustomizeWindowHint Qt asks the window
// manager for its default decorations, maximise included. With it, the
// hints (_MOTIF_WM_HINTS on X11) leave both buttons out; openbox still draws
// its buttons on every framed window, but refuses to maximise these dialogs.
inline constexpr Qt::WindowFlags kFixedDialogFrame =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

// A dialog that is answered only through its own buttons: a title, no
// close button either.
inline constexpr Qt::WindowFlags kAnswerOnlyDialogFrame = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
