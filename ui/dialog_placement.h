#pragma once
// Small layout helpers for the dialogs, which are laid out in twips.
#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

// Twips to device-independent pixels (15 twips to a pixel at 96 dots per inch).
constexpr int Twips(int twips) { return twips / 15; }

inline QRect TwipsRect(int left, int top, int width, int height) {
    return QRect(Twips(left), Twips(top), Twips(width), Twips(height));
}

// Places a window at the centre of its screen, whatever its owner's position.
inline void CentreOnScreen(QWidget& window) {
    QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->geometry();
    const QSize outer = window.frameGeometry().size();
    window.move(area.x() + (area.width() - outer.width()) / 2, area.y() + (area.height() - outer.height()) / 2);
}

// A caption laid out for a narrower font keeps its place but grows to show
// its whole text with the font in use.
inline void GrowToFit(QWidget& widget) {
    const QSize hint = widget.sizeHint();
    widget.resize(qMax(widget.width(), hint.width()), qMax(widget.height(), hint.height()));
}
