#include "widgets/announce.h"

#include <QAccessible>
#include <QFontMetrics>
#include <QStringList>
#include <QTextLayout>
#include <QLabel>
#include <QLineEdit>

namespace {

// Exactly one name change event (setAccessibleName sends one only when the
// name changes), and none for a control that stays empty.
void SetAnnouncedName(QWidget& control, const QString& name) {
    if (name.isEmpty() && control.accessibleName().isEmpty()) return;
    if (control.accessibleName() != name) {
        control.setAccessibleName(name);
        return;
    }
    QAccessibleEvent event(&control, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

// The lines text takes at width in font, each ending where the last word
// that fits ends, or where a word too long for any line must be broken.
QString BrokenIntoLines(const QString& text, const QFont& font, int width) {
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        QString shown = text.mid(line.textStart(), line.textLength());
        while (shown.endsWith(' ')) shown.chop(1);  // the space a line ends at
        lines << shown;
    }
    layout.endLayout();
    return lines.join('\n');
}

}  // namespace

void SetAnnouncedText(QLineEdit& box, const QString& text) {
    // A new text is announced by the box itself, as a change of its text (a
    // line edit has no value to change); the same text again by us alike.
    if (box.text() != text) {
        box.setText(text);
        return;
    }
    if (text.isEmpty()) return;
    QAccessibleTextUpdateEvent event(&box, 0, text, text);
    QAccessible::updateAccessibility(&event);
}

void SetAnnouncedLines(QLabel& label, const QString& text) {
    // The name first: a label with a name of its own sends no event of its
    // own when its text changes. No tool tip: it would be read as the
    // label's description, the same words a second time.
    SetAnnouncedName(label, text);
    label.setText(BrokenIntoLines(text, label.font(), label.contentsRect().width()));
}

int HeightForLines(const QLabel& label) {
    const int chrome = label.height() - label.contentsRect().height();
    return QFontMetrics(label.font()).size(0, label.text()).height() + chrome;
}

void SetAnnouncedText(QLabel& label, const QString& text) {
    SetAnnouncedName(label, text);
    label.setText(text);
}
