#pragma once

#include <QString>

/// The companion's log-on entry: $XDG_CONFIG_HOME/autostart/Bitetray.desktop, or
/// ~/.config/autostart/Bitetray.desktop when XDG_CONFIG_HOME is unset or not an absolute path.
QString trayAutostartPath();

/// The log-on entry's text for the companion's executable (quoted as the desktop entry rules ask).
QString trayAutostartEntry(const QString& trayExecutable);

/// Installs the companion's log-on entry when either icon or the alarm is wanted and removes it
/// otherwise. The change takes effect at the next log-on. The entry is written whole or not at all.
/// Returns false when the entry could not be written or removed, with the file's name and the
/// reason in `error`.
bool updateTrayAutostart(bool showMoon, bool showFish, bool alarmOn, const QString& trayExecutable,
                         QString* error = nullptr);
