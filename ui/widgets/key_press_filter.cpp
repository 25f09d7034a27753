#include "widgets/key_press_filter.h"

#include <QKeyEvent>
#include <QLineEdit>

KeyPressFilter::KeyPressFilter(QLineEdit* box, Handler handler) : QObject(box), m_handler(std::move(handler)) {
    box->installEventFilter(this);
}

std::optional<qint16> KeyPressFilter::CharacterCode(const QKeyEvent& event) {
    const int key = event.key();
    const Qt::KeyboardModifiers mods = event.modifiers();
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return std::nullopt;  // focus moves and deletions are editing keys, not characters
    default:
        break;
    }
    // Ctrl+letter is the letter's control code whatever text the platform
    // attaches (Alt+Ctrl is AltGr on some layouts and types a real character).
    if ((mods & Qt::ControlModifier) && !(mods & Qt::AltModifier) && key >= Qt::Key_A && key <= Qt::Key_Z)
        return static_cast<qint16>(key - Qt::Key_A + 1);
    const QString text = event.text();
    if (text.isEmpty() || text.at(0) == QChar(0x7f)) return std::nullopt;
    return static_cast<qint16>(text.at(0).unicode());
}

bool KeyPressFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const std::optional<qint16> code = CharacterCode(*static_cast<QKeyEvent*>(event));
    if (!code) return false;
    qint16 KeyAscii = *code;
    m_handler(KeyAscii);
    return KeyAscii == 0;  // eaten: the box never sees a cancelled key
}
