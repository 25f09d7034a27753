#include "override_pointer.h"

#include <QApplication>
#include <QCursor>

std::int16_t OverridePointer::Shape() const {
    const QCursor* cursor = QApplication::overrideCursor();
    return cursor && cursor->shape() == Qt::WaitCursor ? morvane::PointerBusy : morvane::PointerDefault;
}

void OverridePointer::SetShape(std::int16_t shape) {
    const bool busy = shape == morvane::PointerBusy;
    if (busy == (Shape() == morvane::PointerBusy)) return;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}
