#include "printed_number.h"

QString printedNumber(double value) {
    if (value == 0) {
        value = 0; // no "-0"
    }
    const QString digits = QString::number(value, 'g', 15);
    return value >= 0 ? QLatin1Char(' ') + digits : digits;
}
