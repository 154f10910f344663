#pragma once

/// What the zone-name field shows when the offset from Greenwich is one the user typed rather than
/// the computer's own zone; the printed calendar's legend and the command line show it too. Plain
/// characters, so that code without Qt (the command line's core) can use it as well.
inline constexpr char kCustomZoneName[] = "Custom";
