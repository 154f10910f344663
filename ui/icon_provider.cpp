#include "icon_provider.h"

#include <QPainter>
#include <QSvgRenderer>

bool IconProvider::exists(int id) {
    return (id >= kFirstMoonPicture && id <= kLastMoonPicture) ||
           (id >= kFirstRatingPicture && id <= kLastRatingPicture);
}

QString IconProvider::resourcePath(int id) {
    if (!exists(id)) {
        return {};
    }
    return QStringLiteral(":/icons/%1.svg").arg(id);
}

QPixmap IconProvider::pixmap(int id, QSize size, qreal devicePixelRatio) {
    if (!exists(id) || size.isEmpty()) {
        return {};
    }
    QSvgRenderer renderer(resourcePath(id));
    if (!renderer.isValid()) {
        return {};
    }
    QPixmap picture(size * devicePixelRatio);
    picture.setDevicePixelRatio(devicePixelRatio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return picture;
}

QIcon IconProvider::icon(int id) {
    if (!exists(id)) {
        return {};
    }
    QIcon result;
    for (const int side : {16, 24, 32, 48, 64, 128}) {
        result.addPixmap(pixmap(id, QSize(side, side)));
    }
    return result;
}
