#pragma once
// Placing the windows on the screen.
#include <QEvent>
#include <QGuiApplication>
#include <QMargins>
#include <QRect>
#include <QScreen>
#include <QWidget>

#include <algorithm>

// Places a window at the centre of its screen by its outer size, frame
// included, whatever its owner's position. Before a window is first shown
// its frame is not known yet; its owner's frame stands in for it, as the
// same window manager draws both.
inline void CentreOnScreen(QWidget& window) {
    QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const auto frameOf = [](const QWidget& w) {
        const QRect outer = w.frameGeometry(), inner = w.geometry();
        return QMargins(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                        outer.bottom() - inner.bottom());
    };
    QMargins frame = frameOf(window);
    if (frame.isNull() && window.parentWidget()) frame = frameOf(*window.parentWidget()->window());
    const QRect area = screen->availableGeometry();
    const QSize outer = window.size().grownBy(frame);
    // A window larger than the screen keeps its title bar on the screen.
    window.move(area.x() + std::max(0, (area.width() - outer.width()) / 2),
                area.y() + std::max(0, (area.height() - outer.height()) / 2));
}

// A window learns its own frame only once the window manager has framed it:
// it is centred now (by its owner's frame, or none) and again by its own
// outer size as soon as that is known.
class CentreOnceFramed : public QObject {
public:
    explicit CentreOnceFramed(QWidget& window) : QObject(&window), window_(window) {
        CentreOnScreen(window);
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        const auto type = event->type();
        if ((type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show) &&
            window_.frameGeometry() != window_.geometry()) {
            window_.removeEventFilter(this);
            CentreOnScreen(window_);
            deleteLater();
        }
        return false;
    }

private:
    QWidget& window_;
};
