#pragma once

#include <QPixmap>
#include <QWidget>

/// The lunar distance gauge: the Earth at the left, a line out to the Moon picture, which sits
/// further right the farther the Moon is. Positions come in the window's units (twips) over a gauge
/// 3000 twips wide, and are scaled to the widget's width.
class DistanceGauge : public QWidget {
    Q_OBJECT
public:
    static constexpr double kWidthTwips = 3000;

    explicit DistanceGauge(QWidget* parent = nullptr);

    /// The picture's left edge (Image2) and the line's right end (Line1), in twips.
    void setPositions(double pictureLeftTwips, double lineEndTwips);
    void setPicture(const QPixmap& picture);

    double pictureLeftTwips() const { return pictureLeft_; }
    double lineEndTwips() const { return lineEnd_; }
    /// The picture's left edge in pixels at the current width.
    int pictureLeftPixels() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double pictureLeft_ = 0;
    double lineEnd_ = 0;
    QPixmap picture_;
};
