#include "system_tray_backend.h"

#include "tray_icon.h"

#include <QSystemTrayIcon>

SystemTrayBackend::SystemTrayBackend()
    : moon_(std::make_unique<QSystemTrayIcon>())
    , fish_(std::make_unique<QSystemTrayIcon>()) {}

SystemTrayBackend::~SystemTrayBackend() = default;

QSystemTrayIcon& SystemTrayBackend::icon(TrayIconKind kind) {
    return kind == TrayIconKind::Moon ? *moon_ : *fish_;
}

bool SystemTrayBackend::isAvailable() const {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void SystemTrayBackend::setContextMenu(QMenu* menu) {
    moon_->setContextMenu(menu);
    fish_->setContextMenu(menu);
}

void SystemTrayBackend::add(TrayIconKind kind, int pictureId, const QString& tip) {
    if (!isAvailable()) {
        return;
    }
    QSystemTrayIcon& i = icon(kind);
    i.setIcon(trayIcon(pictureId));
    i.setToolTip(tip);
    i.show();
}

void SystemTrayBackend::setPicture(TrayIconKind kind, int pictureId) {
    icon(kind).setIcon(trayIcon(pictureId));
}

void SystemTrayBackend::setTip(TrayIconKind kind, const QString& tip) {
    icon(kind).setToolTip(tip);
}

void SystemTrayBackend::remove(TrayIconKind kind) {
    icon(kind).hide();
}
