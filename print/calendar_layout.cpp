#include "calendar_layout.h"

CalendarLayout calendarLayoutFor(const QString& paperText) {
    if (paperText == kLetterPaperText) {
        return {{12, 23, 34, 45, 56, 67}, 24, 124, 135, 54, 62, 53, PaperSize::Letter};
    }
    return {{13, 25, 37, 49, 61, 73}, 27, 134, 145, 64, 72, 63, PaperSize::A4};
}
