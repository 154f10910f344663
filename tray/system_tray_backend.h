#pragma once

#include "tray_icon_backend.h"

#include <memory>

class QSystemTrayIcon;

/// The notification area through QSystemTrayIcon. The right button opens the context menu; the
/// other buttons do nothing.
class SystemTrayBackend final : public TrayIconBackend {
public:
    SystemTrayBackend();
    ~SystemTrayBackend() override;

    bool isAvailable() const override;
    void setContextMenu(QMenu* menu) override;
    void add(TrayIconKind kind, int pictureId, const QString& tip) override;
    void setPicture(TrayIconKind kind, int pictureId) override;
    void setTip(TrayIconKind kind, const QString& tip) override;
    void remove(TrayIconKind kind) override;

private:
    QSystemTrayIcon& icon(TrayIconKind kind);

    std::unique_ptr<QSystemTrayIcon> moon_;
    std::unique_ptr<QSystemTrayIcon> fish_;
};
