#include "named_drop_down.h"

#include <QAccessibleWidget>
#include <QComboBox>

namespace {

constexpr const char* AnnouncedByName = "morvaneAnnouncedByName";

class NamedDropDown : public QAccessibleWidget {
public:
    explicit NamedDropDown(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text kind) const override {
        const auto* box = static_cast<const QComboBox*>(widget());
        if (kind == QAccessible::Name && !box->accessibleName().isEmpty()) return box->accessibleName();
        if (kind == QAccessible::Name || kind == QAccessible::Value) return box->currentText();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* Factory(const QString&, QObject* object) {
    auto* box = qobject_cast<QComboBox*>(object);
    return box && box->property(AnnouncedByName).toBool() ? new NamedDropDown(box) : nullptr;
}

}  // namespace

void AnnounceByName(QComboBox& box) {
    static const bool installed = (QAccessible::installFactory(Factory), true);
    (void)installed;
    box.setProperty(AnnouncedByName, true);
}
