#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

/// The program's pictures by number: the Moon phases 100 (new, dark) to 111, lit from the right in
/// 101-105, full in 106 and lit from the left in 107-111 (the mirror of n is 212 - n), and the
/// rating fish 201 (Excellent, blue), 202 (Good, green), 203 (Fair, yellow) and 204 (Poor, white).
/// They are drawn from vector images, so they stay sharp at any size; resources/README.md says what
/// each one shows.
class IconProvider {
public:
    static constexpr int kFirstMoonPicture = 100; ///< new Moon
    static constexpr int kLastMoonPicture = 111;
    static constexpr int kFirstRatingPicture = 201; ///< "Excellent"
    static constexpr int kLastRatingPicture = 204;  ///< "Poor"

    /// True for the numbers above.
    static bool exists(int id);
    /// The resource path of a picture; empty for an unknown number.
    static QString resourcePath(int id);
    /// The picture as an icon; a null icon for an unknown number.
    static QIcon icon(int id);
    /// The picture drawn at a size in device-independent pixels; a null pixmap for an unknown number.
    static QPixmap pixmap(int id, QSize size, qreal devicePixelRatio = 1.0);
};
