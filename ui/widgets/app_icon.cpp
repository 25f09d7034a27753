#include "widgets/app_icon.h"

#include <QIconEngine>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

// The picture: a sheet with lines of text on a teal tile; one line is
// highlighted (the kept part of a name) and a number tag sits in the corner.
// Drawn on a 64 x 64 grid and scaled.
QPixmap AppIconPixmap(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);

    QLinearGradient tile(0, 0, 0, 64);
    tile.setColorAt(0, QColor(38, 150, 150));
    tile.setColorAt(1, QColor(16, 92, 104));
    p.setPen(Qt::NoPen);
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 11, 11);

    // The sheet with a folded corner.
    QPainterPath sheet;
    sheet.moveTo(13, 9);
    sheet.lineTo(39, 9);
    sheet.lineTo(49, 19);
    sheet.lineTo(49, 55);
    sheet.lineTo(13, 55);
    sheet.closeSubpath();
    p.setBrush(QColor(250, 250, 246));
    p.drawPath(sheet);
    QPainterPath fold;
    fold.moveTo(39, 9);
    fold.lineTo(39, 19);
    fold.lineTo(49, 19);
    fold.closeSubpath();
    p.setBrush(QColor(196, 212, 212));
    p.drawPath(fold);

    // Lines of text; the third one is the highlighted part.
    p.setBrush(QColor(150, 164, 170));
    p.drawRoundedRect(QRectF(18, 16, 17, 3.5), 1.5, 1.5);
    p.drawRoundedRect(QRectF(18, 24, 26, 3.5), 1.5, 1.5);
    p.drawRoundedRect(QRectF(18, 40, 22, 3.5), 1.5, 1.5);
    p.setBrush(QColor(255, 170, 40));
    p.drawRoundedRect(QRectF(16, 30.5, 30, 7), 2, 2);
    p.setBrush(QColor(120, 70, 10));
    p.drawRoundedRect(QRectF(24, 32.5, 14, 3), 1.2, 1.2);

    // The number tag.
    p.setBrush(QColor(230, 72, 56));
    p.drawEllipse(QRectF(38, 38, 22, 22));
    p.setPen(QPen(Qt::white, 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath one;
    one.moveTo(45.5, 45);
    one.lineTo(49.5, 42.5);
    one.lineTo(49.5, 55);
    p.drawPath(one);
    return pixmap;
}

namespace {

// Paints the icon only at the sizes actually asked for, when they are asked
// for: painting every size up front cost the main window several
// milliseconds of its start-up.
class PaintedIconEngine final : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        painter->drawPixmap(rect, AppIconPixmap(std::min(rect.width(), rect.height())));
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        return AppIconPixmap(std::min(size.width(), size.height()));
    }
    QIconEngine* clone() const override { return new PaintedIconEngine; }
};

}  // namespace

QIcon AppIcon() { return QIcon(new PaintedIconEngine); }
