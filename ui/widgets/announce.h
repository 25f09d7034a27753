#pragma once
// Changes a screen reader should hear without the focus moving there: the
// example box's new text, the status line and the preview's summary.
#include <QString>

class QLabel;
class QLineEdit;

// Sets the box's text and announces it as the box's new value, also when
// the text is the same as before (the same error again is news too).
void SetAnnouncedText(QLineEdit& box, const QString& text);

// Shows text in the label on one line, cut with "…" where it would not fit,
// and makes the whole text the label's accessible name and, when cut, its
// tool tip; the change is announced as a change of name.
void SetAnnouncedLine(QLabel& label, const QString& text);

// The same for a label that wraps its text and so shows it whole.
void SetAnnouncedText(QLabel& label, const QString& text);
