#include "tray_icon.h"

#include "icon_provider.h"

#include <QSize>

QIcon trayIcon(int id) {
    return IconProvider::icon(id);
}

QPixmap trayPixmap(int id, int size) {
    return IconProvider::pixmap(id, QSize(size, size));
}
