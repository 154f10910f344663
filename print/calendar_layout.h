#pragma once

#include "print_service.h"

#include <QString>
#include <array>

/// The two paper texts of the print window's paper list.
inline const QString kLetterPaperText = QStringLiteral("US Letter ( 8 1/2 in x 11 in )");
inline const QString kA4PaperText = QStringLiteral("A4  (210 mm x 297 mm )");

/// Character columns of the calendar page for one paper size (1 is the left margin; a column is the
/// average character width of the font in effect).
struct CalendarLayout {
    std::array<int, 6> weekdayStops{}; ///< where Monday to Saturday start
    int title = 0;
    int legendSymbol = 0;
    int legendExplanation = 0;
    int location = 0;       ///< the location line of the legend
    int customLocation = 0; ///< the same when the zone is typed ("Custom")
    int programLine = 0;
    PaperSize paper = PaperSize::A4;
};

/// The Letter layout for exactly the Letter text; the A4 layout for anything else.
CalendarLayout calendarLayoutFor(const QString& paperText);
