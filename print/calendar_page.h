#pragma once

#include "almanac_day.h"
#include "calendar_layout.h"
#include "calendar_location.h"
#include "calendar_options.h"

#include <QPointF>
#include <QString>

class PageWriter;

/// The month a calendar page is printed for.
struct CalendarRequest {
    int year = 2000; ///< 1901 to 2200
    int month = 1;   ///< 1 to 12
    CalendarOptions options;
    CalendarLocation location;
};

/// Writes one month's landscape calendar page: the title, the month heading, the weekday row, six
/// week rows of day cells and the legend. Every day cell runs the almanac routines for its day on
/// the context it is given (a program's own), so after a page the context holds the results of
/// the last day printed; its date is put back as it was.
class CalendarPage {
public:
    /// The legend's line naming the program.
    static inline const QString kProgramLine =
        QStringLiteral("Printed by Biteclock, the solunar fishing almanac");
    static inline const QString kTitle = QStringLiteral("Biteclock Solunar Fishing Calendar");

    CalendarPage(biteclock::AlmanacDay& day, PageWriter& writer)
        : day_(day)
        , writer_(writer) {}

    /// Writes the page and ends the document; false when the writer could not finish it. The year
    /// must be one the almanac covers.
    bool write(const CalendarRequest& request);

    /// The stars of a day rating: "  " Poor, " *" Fair, " **" Good, " ***" Excellent; empty for
    /// any other value.
    static QString stars(int dayRating);

private:
    void heading();
    void grid();
    void cell(int column);
    /// "S  Rise: ... Set: ..." or the Moon's "M" line, in the small print, at a cell position.
    void riseSetLine(QPointF at, const QString& body, const std::string& rise, const std::string& set);
    void phaseSymbol(QPointF origin, const QColor& fill, const QString& label, const std::string& time);
    void legend();

    biteclock::AlmanacDay& day_;
    PageWriter& writer_;

    CalendarRequest request_;
    CalendarLayout layout_;
    QString monthName_;
    int firstWeekday_ = 1; ///< of the first of the month, 1 = Sunday
    int dayNumber_ = 0;
    QPointF gridOrigin_;
};
