#include "ui/icons.h"

#include <QPainter>
#include <QPainterPath>

namespace wazenie {

namespace {

constexpr int kRowSize = 14;
constexpr int kStateSize = 26;
const QColor kDark(64, 64, 64);
const QColor kDone(40, 130, 60);
const QColor kWater(50, 110, 190);

QPixmap blank(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void tick(QPainter& painter, double size, const QColor& colour, double width) {
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath path;
    path.moveTo(size * 0.2, size * 0.55);
    path.lineTo(size * 0.42, size * 0.76);
    path.lineTo(size * 0.8, size * 0.28);
    painter.drawPath(path);
}

// The material or cycle in progress: a plain arrow.
QPixmap draw_current() {
    QPixmap pixmap = blank(kRowSize);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kDark);
    const QPointF arrow[] = {{3.5, 2.5}, {11.5, 7.0}, {3.5, 11.5}};
    painter.drawPolygon(arrow, 3);
    return pixmap;
}

QPixmap draw_done() {
    QPixmap pixmap = blank(kRowSize);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    tick(painter, kRowSize, kDone, 2.0);
    return pixmap;
}

// A hopper whose bottom flap hangs open, with falling drops.
QPixmap draw_tank_open() {
    QPixmap pixmap = blank(kStateSize);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kDark, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath hopper;
    hopper.moveTo(3, 3);
    hopper.lineTo(23, 3);
    hopper.lineTo(16, 14);
    hopper.moveTo(3, 3);
    hopper.lineTo(10, 14);
    painter.drawPath(hopper);
    painter.drawLine(QPointF(16, 14), QPointF(19, 17));
    painter.setPen(Qt::NoPen);
    painter.setBrush(kWater);
    painter.drawEllipse(QPointF(11.5, 18), 1.6, 1.6);
    painter.drawEllipse(QPointF(14.5, 21.5), 1.6, 1.6);
    painter.drawEllipse(QPointF(11, 24), 1.4, 1.4);
    return pixmap;
}

QPixmap draw_completed() {
    QPixmap pixmap = blank(kStateSize);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kDone, 1.6));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(2, 2, kStateSize - 4, kStateSize - 4));
    tick(painter, kStateSize, kDone, 2.4);
    return pixmap;
}

}  // namespace

const QIcon& row_icon(RowIcon icon) {
    static const QIcon none;
    static const QIcon current(draw_current());
    static const QIcon done(draw_done());
    switch (icon) {
        case RowIcon::current:
            return current;
        case RowIcon::done:
            return done;
        case RowIcon::none:
            break;
    }
    return none;
}

const QPixmap& state_pixmap(StateIcon icon) {
    static const QPixmap none;
    static const QPixmap tank_open = draw_tank_open();
    static const QPixmap completed = draw_completed();
    switch (icon) {
        case StateIcon::tank_open:
            return tank_open;
        case StateIcon::completed:
            return completed;
        case StateIcon::none:
            break;
    }
    return none;
}

QString row_icon_name(RowIcon icon) {
    switch (icon) {
        case RowIcon::current:
            return QStringLiteral("w toku");
        case RowIcon::done:
            return QStringLiteral("zakończony");
        case RowIcon::none:
            break;
    }
    return {};
}

QString state_name(StateIcon icon) {
    switch (icon) {
        case StateIcon::tank_open:
            return QStringLiteral("zbiornik otwarty");
        case StateIcon::completed:
            return QStringLiteral("cykl zakończony");
        case StateIcon::none:
            break;
    }
    return {};
}

}  // namespace wazenie
