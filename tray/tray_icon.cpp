#include "tray_icon.h"

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

namespace {

bool isMoonPicture(int id) {
    return id >= 100 && id <= 111;
}

bool isFishPicture(int id) {
    return id >= 201 && id <= 204;
}

void drawMoon(QPainter& p, int id, qreal size) {
    const qreal margin = size / 16;
    const QRectF disc(margin, margin, size - 2 * margin, size - 2 * margin);
    const qreal r = disc.width() / 2;
    const QPointF centre = disc.center();
    const QColor dark(52, 58, 72);
    const QColor lit(246, 240, 206);
    const QColor rim(20, 20, 28);

    p.setPen(Qt::NoPen);
    p.setBrush(dark);
    p.drawEllipse(disc);

    // Twelve pictures over the lunation: picture 100 + k stands k twelfths of the way round.
    const int k = id - 100;
    if (k != 0) {
        QPainterPath litPart;
        if (k == 6) {
            litPart.addEllipse(disc);
        } else {
            const double angle = 2 * std::numbers::pi * k / 12.0;
            const qreal terminator = r * std::abs(std::cos(angle));
            const bool litOnRight = k < 6;
            const bool gibbous = k > 3 && k < 9;
            QPainterPath half;
            half.moveTo(centre.x(), disc.top());
            half.arcTo(disc, 90, litOnRight ? -180 : 180);
            half.closeSubpath();
            QPainterPath ellipse;
            ellipse.addEllipse(centre, terminator, r);
            if (terminator < 0.5) {
                litPart = half; // a half Moon: the terminator is the straight line itself
            } else {
                litPart = gibbous ? half.united(ellipse) : half.subtracted(ellipse);
            }
        }
        p.setBrush(lit);
        p.drawPath(litPart);
    }

    QPen outline(rim);
    outline.setWidthF(std::max<qreal>(1, size / 24));
    p.setPen(outline);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(disc);
}

QColor fishColour(int id) {
    switch (id) {
    case 201:
        return QColor(0, 0, 192);
    case 202:
        return QColor(0, 255, 0);
    case 203:
        return QColor(255, 255, 128);
    default:
        return QColor(255, 255, 255);
    }
}

void drawFish(QPainter& p, int id, qreal size) {
    const qreal u = size / 32;
    const QColor body = fishColour(id);
    QPen outline(QColor(16, 16, 16));
    outline.setWidthF(std::max<qreal>(1, 1.5 * u));
    outline.setJoinStyle(Qt::RoundJoin);
    p.setPen(outline);
    p.setBrush(body);

    QPainterPath tail;
    tail.moveTo(7 * u, 16 * u);
    tail.lineTo(1.5 * u, 9 * u);
    tail.lineTo(1.5 * u, 23 * u);
    tail.closeSubpath();
    p.drawPath(tail);

    QPainterPath fish;
    fish.moveTo(5 * u, 16 * u);
    fish.cubicTo(11 * u, 6 * u, 24 * u, 6 * u, 30.5 * u, 16 * u);
    fish.cubicTo(24 * u, 26 * u, 11 * u, 26 * u, 5 * u, 16 * u);
    p.drawPath(fish);

    p.setBrush(QColor(16, 16, 16));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(24.5 * u, 14.5 * u), 1.6 * u, 1.6 * u);

    QPen gill(QColor(16, 16, 16));
    gill.setWidthF(std::max<qreal>(1, u));
    p.setPen(gill);
    p.setBrush(Qt::NoBrush);
    QPainterPath gillLine;
    gillLine.moveTo(20 * u, 11.5 * u);
    gillLine.quadTo(22 * u, 16 * u, 20 * u, 20.5 * u);
    p.drawPath(gillLine);
}

} // namespace

QPixmap trayPixmap(int id, int size) {
    if ((!isMoonPicture(id) && !isFishPicture(id)) || size <= 0) {
        return {};
    }
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    if (isMoonPicture(id)) {
        drawMoon(p, id, size);
    } else {
        drawFish(p, id, size);
    }
    return pixmap;
}

QIcon trayIcon(int id) {
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64}) {
        const QPixmap pixmap = trayPixmap(id, size);
        if (!pixmap.isNull()) {
            icon.addPixmap(pixmap);
        }
    }
    return icon;
}
