#pragma once

#include <QString>

/// A number as the programs print it into a field or the store: a value of 0 or above carries one
/// leading blank (" 39", " 9.5", " 0"), a negative one its minus sign ("-5", "-0.5"). Up to 15
/// significant digits, no exponent for the values the fields hold.
QString printNumber(double value);
