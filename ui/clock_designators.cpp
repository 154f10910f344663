#include "clock_designators.h"

#include <QLocale>

biteclock::ClockDesignators platformClockDesignators() {
    const QLocale locale;
    biteclock::ClockDesignators d;
    if (!locale.amText().isEmpty()) {
        d.am = locale.amText().toStdString();
    }
    if (!locale.pmText().isEmpty()) {
        d.pm = locale.pmText().toStdString();
    }
    return d;
}
