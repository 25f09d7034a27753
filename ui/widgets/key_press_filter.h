#pragma once
// The per-keystroke hook of a text box: every typed character key is turned
// into its character code and handed to a handler before the box inserts it;
// a handler that sets the code to 0 cancels the key.
#include <QObject>

#include <functional>
#include <optional>

class QKeyEvent;
class QLineEdit;

class KeyPressFilter : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void(qint16& KeyAscii)>;

    // Installs itself on the box and lives as its child.
    KeyPressFilter(QLineEdit* box, Handler handler);

    // The character code of a key press, or nothing for a key that types no
    // character (arrows, Delete, Home, F-keys, Tab). Ctrl+letter gives its
    // control code (Ctrl+V is 22); a code above 32767 comes out negative.
    static std::optional<qint16> CharacterCode(const QKeyEvent& event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Handler m_handler;
};
