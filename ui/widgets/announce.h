#pragma once
// Changes a screen reader should hear without the focus moving there: the
// example box's new text, the status line and the preview's summary.
#include <QString>

class QLabel;
class QLineEdit;

// Sets the box's text and announces it as a change of the box's text, also
// when the text is the same as before (the same error again is news too).
void SetAnnouncedText(QLineEdit& box, const QString& text);

// Shows text in the label whole, broken into as many lines as the label's
// width needs (between words, or within a word longer than a line, such as
// a long path), and makes the whole text the label's accessible name; the
// change is announced as a change of name. The label's height is left to
// its window: it needs HeightForLines.
void SetAnnouncedLines(QLabel& label, const QString& text);
// The height the label needs to show its lines.
int HeightForLines(const QLabel& label);

// The same for a label that wraps its text and so shows it whole.
void SetAnnouncedText(QLabel& label, const QString& text);
