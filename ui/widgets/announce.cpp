#include "widgets/announce.h"

#include <QAccessible>
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

}  // namespace

void SetAnnouncedText(QLineEdit& box, const QString& text) {
    box.setText(text);
    QAccessibleValueChangeEvent event(&box, text);
    QAccessible::updateAccessibility(&event);
}

void SetAnnouncedLine(QLabel& label, const QString& text) {
    // The name first: a label with a name of its own sends no event of its
    // own when its text changes.
    SetAnnouncedName(label, text);
    const QString shown = label.fontMetrics().elidedText(text, Qt::ElideRight, label.contentsRect().width());
    label.setText(shown);
    label.setToolTip(shown == text ? QString() : text);
}

void SetAnnouncedText(QLabel& label, const QString& text) {
    SetAnnouncedName(label, text);
    label.setText(text);
}
