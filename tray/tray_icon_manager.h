#pragma once

#include "tray_icon_backend.h"

#include <QString>

/// The longest tip the notification area is given, in characters.
inline constexpr int kTrayTipLength = 64;

/// A tip as the icons carry it: cut at the first NUL and at 64 characters.
QString trayTipText(const QString& tip);

/// The operations on the Moon and fish icons. The Moon icon shows today's phase picture, the fish
/// icon today's prediction; removing an icon that is not shown does nothing, and adding one that is
/// shown only brings its picture and tip up to date.
class TrayIconManager {
public:
    explicit TrayIconManager(TrayIconBackend& backend)
        : backend_(backend) {}

    /// The pictures ItemAdd and Itemaddfish put up: a Moon phase (100 to 111) and a fish (201 to 204).
    void setPictures(int moonPictureId, int fishPictureId);

    /// Adds the Moon icon with today's phase picture and the tip.
    void ItemAdd(const QString& tip);
    /// Adds the fish icon with today's prediction picture and the tip.
    void Itemaddfish(const QString& tip);
    /// Shows another picture in the Moon icon.
    void ItemModify(int pictureId);
    /// Gives the Moon icon another tip.
    void ItemSetToolTipText(const QString& tip);
    /// Removes the Moon icon.
    void ItemDelete();
    /// Removes the Moon icon (the same as ItemDelete).
    void ItemDeletemoon() { ItemDelete(); }
    /// Removes the fish icon.
    void ItemDeletefish();

    bool moonShown() const { return moonShown_; }
    bool fishShown() const { return fishShown_; }

private:
    TrayIconBackend& backend_;
    int moonPictureId_ = 100;
    int fishPictureId_ = 204;
    bool moonShown_ = false;
    bool fishShown_ = false;
};
