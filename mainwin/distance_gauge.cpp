#include "distance_gauge.h"

#include <QPainter>

namespace {

constexpr int kPictureSide = 28;
constexpr double kEarthCentreTwips = 180;
/// Twips in one pixel of the gauge's picture as it was drawn at its designed size.
constexpr double kTwipsPerPicturePixel = 15.0;

} // namespace

DistanceGauge::DistanceGauge(QWidget* parent)
    : QWidget(parent) {
    setMinimumSize(160, kPictureSide + 4);
}

void DistanceGauge::setPositions(double pictureLeftTwips, double lineEndTwips) {
    pictureLeft_ = pictureLeftTwips;
    lineEnd_ = lineEndTwips;
    update();
}

void DistanceGauge::setPicture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

int DistanceGauge::pictureLeftPixels() const {
    // The picture must stay inside the gauge whatever the width.
    const double scale = (width() - kPictureSide) / (kWidthTwips - kPictureSide * kTwipsPerPicturePixel);
    return qRound(pictureLeft_ * scale);
}

QSize DistanceGauge::sizeHint() const {
    return {200, kPictureSide + 6};
}

void DistanceGauge::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double scale = (width() - kPictureSide) / (kWidthTwips - kPictureSide * kTwipsPerPicturePixel);
    const double middle = height() / 2.0;
    const double earthX = kEarthCentreTwips * scale;
    const double earthRadius = kPictureSide / 2.0 - 3;

    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    painter.drawLine(QPointF(earthX + earthRadius, middle), QPointF(lineEnd_ * scale, middle));

    QRadialGradient earth(QPointF(earthX - 3, middle - 3), earthRadius * 1.4);
    earth.setColorAt(0, QColor(120, 180, 255));
    earth.setColorAt(1, QColor(20, 70, 160));
    painter.setBrush(earth);
    painter.setPen(QPen(QColor(20, 50, 110), 1));
    painter.drawEllipse(QPointF(earthX, middle), earthRadius, earthRadius);

    if (!picture_.isNull()) {
        const QRectF target(pictureLeftPixels(), middle - kPictureSide / 2.0, kPictureSide, kPictureSide);
        painter.drawPixmap(target, picture_, QRectF(picture_.rect()));
    }
}
