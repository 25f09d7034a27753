#include "widgets/enter_escape_filter.h"

#include <QDialog>
#include <QKeyEvent>

EnterEscapeFilter::EnterEscapeFilter(QDialog& dialog) : QObject(&dialog) { dialog.installEventFilter(this); }

bool EnterEscapeFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            event->accept();
            return true;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}
