#pragma once

#include <QString>

class QMenu;

/// The companion's two notification-area icons.
enum class TrayIconKind { Moon, Fish };

/// The desktop's notification area, behind an interface so that tests can see what the companion
/// adds, changes and removes. Pictures are passed by their almanac identifiers (see trayIcon()).
/// A call the desktop cannot honour is ignored: the companion goes on without that icon.
class TrayIconBackend {
public:
    virtual ~TrayIconBackend() = default;

    /// True when the desktop has a notification area.
    virtual bool isAvailable() const = 0;
    /// The menu both icons open with the right button.
    virtual void setContextMenu(QMenu* menu) = 0;
    virtual void add(TrayIconKind kind, int pictureId, const QString& tip) = 0;
    virtual void setPicture(TrayIconKind kind, int pictureId) = 0;
    virtual void setTip(TrayIconKind kind, const QString& tip) = 0;
    virtual void remove(TrayIconKind kind) = 0;
};
