#include "widgets/named_drop_down.h"

#include <QAbstractItemView>
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
    // The list of choices, its current one selected: what a screen reader
    // reads as the value.
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(static_cast<QComboBox*>(widget())->view())
                          : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && child->object() == static_cast<QComboBox*>(widget())->view() ? 0 : -1;
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
    // The choice shown is the one selected in the list of choices.
    QObject::connect(&box, &QComboBox::currentIndexChanged, &box, [&box](int index) {
        box.view()->setCurrentIndex(box.model()->index(index, box.modelColumn()));
    });
}
