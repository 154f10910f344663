#pragma once

#include <QString>

/// A number as the windows print it into a field: one leading blank when it is 0 or more, no
/// trailing zeros (" 39", "-5", " 9.5").
QString printedNumber(double value);
