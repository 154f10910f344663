#pragma once

/// Clears the upper halves of the x86 vector registers when code outside the almanac has left them
/// in use. Reading a zone's rules (QTimeZone's constructor on Debian 12) leaves them so, and from
/// then on every sine and cosine of the almanac pays for it: a 300-year range took seven times as
/// long. Call it after such library calls and before a long computation. Does nothing on other
/// processors.
void releaseUpperVectorState();
