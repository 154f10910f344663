#include "number_print.h"

#include <cmath>

QString printNumber(double value) {
    if (value == 0) {
        return QStringLiteral(" 0"); // also -0
    }
    QString digits = QString::number(value, 'g', 15);
    if (value > 0) {
        digits.prepend(QLatin1Char(' '));
    }
    return digits;
}
