#pragma once
// Placing the windows on the screen and fitting captions to the font in use.
#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

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
