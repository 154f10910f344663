#pragma once

#include <QIcon>
#include <QPixmap>

/// The companion's pictures by their almanac identifiers, the same as the main program's: the Moon
/// phases 100 (new, dark) to 111, lit from the right for 101 to 105, full at 106, lit from the left
/// for 107 to 111; the fish of the four predictions 201 (Excellent, blue), 202 (Good, green),
/// 203 (Fair, yellow), 204 (Poor, white). An unknown identifier gives a null icon.
QIcon trayIcon(int id);

/// One picture of trayIcon() at `size` x `size` device-independent pixels.
QPixmap trayPixmap(int id, int size);
