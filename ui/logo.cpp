#include "ui/logo.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace wazenie {

QPixmap program_logo(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    // Drawn on a 100 x 100 grid, scaled to the asked size.
    painter.scale(size / 100.0, size / 100.0);

    const QColor outline(0x45, 0x52, 0x60);
    QPen pen(outline, 2.2);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);

    // Frame: two posts holding the hopper, and the floor.
    painter.setPen(pen);
    painter.drawLine(QPointF(20, 10), QPointF(20, 90));
    painter.drawLine(QPointF(80, 10), QPointF(80, 90));
    painter.drawLine(QPointF(10, 90), QPointF(90, 90));
    painter.drawLine(QPointF(20, 14), QPointF(24, 14));
    painter.drawLine(QPointF(76, 14), QPointF(80, 14));

    // Hopper with its load in the lower part.
    const QPolygonF hopper{QPointF(24, 14), QPointF(76, 14), QPointF(57, 50),
                           QPointF(57, 58), QPointF(43, 58), QPointF(43, 50)};
    QLinearGradient steel(QPointF(24, 0), QPointF(76, 0));
    steel.setColorAt(0, QColor(0xdd, 0xe3, 0xe8));
    steel.setColorAt(1, QColor(0xb4, 0xc0, 0xcb));
    painter.setBrush(steel);
    painter.drawPolygon(hopper);
    QPainterPath load;
    load.addPolygon(hopper);
    QPainterPath below;
    below.addRect(QRectF(0, 30, 100, 70));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x8a, 0x98, 0xa6));
    painter.drawPath(load.intersected(below));
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(hopper);

    // Weighing dial below the chute, its needle near full.
    const QPointF centre(50, 75);
    painter.setBrush(QColor(0xf4, 0xf6, 0xf8));
    painter.drawEllipse(centre, 12, 12);
    for (int tick = 0; tick <= 4; ++tick) {
        painter.save();
        painter.translate(centre);
        painter.rotate(-120 + tick * 60);
        painter.drawLine(QPointF(0, -12), QPointF(0, -9));
        painter.restore();
    }
    painter.setPen(QPen(QColor(0x2f, 0x5d, 0x8a), 2.0, Qt::SolidLine, Qt::RoundCap));
    painter.save();
    painter.translate(centre);
    painter.rotate(50);
    painter.drawLine(QPointF(0, 0), QPointF(0, -9));
    painter.restore();
    return pixmap;
}

}  // namespace wazenie
