#include "calendar_page.h"

#include "daily_refresh.h"
#include "date_serial.h"
#include "number_print.h"
#include "page_writer.h"

namespace {

constexpr int kTitlePoints = 20;
constexpr int kGapPoints = 14;
constexpr int kRulePoints = 12;
constexpr int kCellPoints = 20;
constexpr int kStarPoints = 22;
constexpr int kRowEndPoints = 24;
constexpr int kRowGapPoints = 8;
constexpr int kDetailPoints = 7;
constexpr int kLegendPoints = 10;
constexpr int kLegendSymbolPoints = 20;
constexpr int kLocationPoints = 8;
constexpr int kRatingColumn = 12;
constexpr int kDaysInWeek = 7;
constexpr int kWeekRows = 6;

// Offsets in twips from the print position after a cell's day number.
constexpr QPointF kCircleCentre(780, 200);
constexpr double kCircleRadius = 150;
constexpr QPointF kPhaseLabel(980, 80);
constexpr QPointF kPhaseTime(980, 230);
constexpr QPointF kMajorLine(140, 520);
constexpr QPointF kMinorLine(140, 660);
constexpr QPointF kSunLine(140, 800);
constexpr QPointF kMoonLine(140, 940);

const QString kWeekdays[kDaysInWeek] = {
    QStringLiteral("  Sun"), QStringLiteral(" Mon"), QStringLiteral(" Tue"), QStringLiteral(" Wed"),
    QStringLiteral(" Thu"),  QStringLiteral(" Fri"), QStringLiteral(" Sat")};

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

// A slot of the phase table; the index comes from the table search and is checked all the same.
const std::string& slotText(const std::array<std::string, biteclock::PhaseTable::kSlots>& texts, int index) {
    static const std::string none;
    return index >= 0 && index < biteclock::PhaseTable::kSlots ? texts[static_cast<std::size_t>(index)]
                                                               : none;
}

} // namespace

QString CalendarPage::stars(int dayRating) {
    switch (dayRating) {
    case 0:
        return QStringLiteral("  ");
    case 33:
        return QStringLiteral(" *");
    case 66:
        return QStringLiteral(" **");
    case 100:
        return QStringLiteral(" ***");
    default:
        return {};
    }
}

bool CalendarPage::write(const CalendarRequest& request) {
    request_ = request;
    layout_ = calendarLayoutFor(request.options.paperText);
    const std::string_view name = biteclock::monthName(request.month);
    monthName_ = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
    firstWeekday_ = biteclock::weekdayNumber(biteclock::dateSerial(request.year, request.month, 1));

    const biteclock::DateSerial shownDate = day_.AlmanacDate;
    heading();
    grid();
    legend();
    // The window that shares the context goes on computing its own date, in its own offset.
    biteclock::returnToDate(day_, shownDate);
    return writer_.endDocument();
}

void CalendarPage::heading() {
    PageWriter& w = writer_;
    w.beginLandscapePage();
    w.setFontSize(kTitlePoints);
    w.tabTo(layout_.title);
    w.writeLine(kTitle);
    w.endLine();

    w.setFontSize(kTitlePoints);
    w.writeLine(QStringLiteral("  ") + monthName_ + QLatin1Char(' ') + QString::number(request_.year));

    w.setFontSize(kGapPoints);
    w.endLine();

    w.setFontSize(kTitlePoints);
    w.write(kWeekdays[0]);
    for (int i = 1; i < kDaysInWeek; ++i) {
        w.tabTo(layout_.weekdayStops[static_cast<std::size_t>(i - 1)]);
        w.write(kWeekdays[i]);
    }
    w.endLine();

    w.setFontSize(kRulePoints);
    w.writeLine(QStringLiteral("  ") + QString(135, QLatin1Char('_')));

    w.setFontSize(kCellPoints);
    gridOrigin_ = w.position();
}

void CalendarPage::grid() {
    PageWriter& w = writer_;
    bool started = false;
    bool sixthRow = false;
    QPointF saved;
    dayNumber_ = 0;
    for (int week = 1; week <= kWeekRows; ++week) {
        for (int column = 1; column <= kDaysInWeek; ++column) {
            if (!started && column == firstWeekday_) {
                dayNumber_ = 1;
                cell(column);
                started = true;
            } else if (started && biteclock::isValidDate(request_.year, request_.month, dayNumber_)) {
                if (week == kWeekRows) {
                    // A sixth week shares the first row, whose leading cells are empty.
                    if (!sixthRow) {
                        saved = w.position();
                        w.moveTo(QPointF(0, gridOrigin_.y()));
                    }
                    sixthRow = true;
                }
                cell(column);
            }
            if (column < kDaysInWeek) {
                w.tabTo(layout_.weekdayStops[static_cast<std::size_t>(column - 1)]);
            }
            ++dayNumber_;
        }
        if (week < kWeekRows) {
            w.setFontSize(kRowEndPoints);
            w.endLine();
            w.setFontSize(kRowGapPoints);
            w.endLine();
            w.endLine();
            w.endLine();
            w.setFontSize(kRowGapPoints);
            w.writeLine(QStringLiteral("     ") + QString(189, QLatin1Char('_')));
            w.setFontSize(kCellPoints);
        } else {
            if (sixthRow) {
                w.moveTo(saved);
            }
            w.setFontSize(kLegendPoints);
            w.endLine();
        }
    }
}

void CalendarPage::cell(int column) {
    PageWriter& w = writer_;
    biteclock::AlmanacDay& a = day_;
    const CalendarOptions& o = request_.options;
    w.setFontSize(kCellPoints);

    const biteclock::DateSerial date = biteclock::dateSerial(request_.year, request_.month, dayNumber_);
    // Each cell shows only its own day's values, never one a routine left from the day before.
    a.clearDayResults();
    biteclock::moveToDate(a, date);
    biteclock::loadPhaseTableFor(a, date);
    a.calcmoon();

    if (column == 1) {
        w.write(QStringLiteral(" "));
    }
    w.write(printNumber(dayNumber_));
    const QPointF origin = w.position();

    if (o.prediction) {
        w.setFontSize(kStarPoints);
        w.write(stars(a.DayRating));
    }
    if (o.newFull) {
        if (a.DaysToNewMoon == 0) {
            phaseSymbol(origin, Qt::black, QStringLiteral("New Moon"),
                        slotText(a.phases.NewMoonText, a.PhaseIndex));
        }
        if (a.DaysToFullMoon == 0) {
            phaseSymbol(origin, Qt::white, QStringLiteral("Full Moon"),
                        slotText(a.phases.FullMoonText, a.PhaseIndex));
        }
        w.setFontSize(kCellPoints);
    }
    if (o.sunrise) {
        a.AlmanacDate = date;
        a.Sunriseset();
        riseSetLine(origin + kSunLine, QStringLiteral("S"), a.sunriseText, a.sunsetText);
        w.moveTo(origin);
    }
    if (o.moonrise) {
        a.AlmanacDate = date;
        a.moonriseset();
        riseSetLine(origin + kMoonLine, QStringLiteral("M"), a.moonriseText, a.moonsetText);
        w.moveTo(origin);
    }
    if (o.majorMinor) {
        a.AlmanacDate = date;
        a.majorminor();
        a.AlmanacDate = date;
        w.setFontSize(kDetailPoints);
        w.moveTo(origin + kMajorLine);
        w.write(QStringLiteral("Maj: ") + text(a.UpperMajorText) + QStringLiteral(" Maj: ") +
                text(a.LowerMajorText));
        w.moveTo(origin + kMinorLine);
        w.write(QStringLiteral("Min: ") + text(a.SetMinorText) + QStringLiteral(" Min: ") +
                text(a.RiseMinorText));
        w.moveTo(origin);
        w.setFontSize(kCellPoints);
    }
}

void CalendarPage::riseSetLine(QPointF at, const QString& body, const std::string& rise,
                               const std::string& set) {
    PageWriter& w = writer_;
    w.setFontSize(kDetailPoints);
    w.moveTo(at);
    w.write(body + QStringLiteral("  Rise: ") + text(rise) + QStringLiteral("  Set: ") + text(set));
    w.setFontSize(kCellPoints);
}

void CalendarPage::phaseSymbol(QPointF origin, const QColor& fill, const QString& label,
                               const std::string& time) {
    PageWriter& w = writer_;
    w.circle(origin + kCircleCentre, kCircleRadius, fill);
    w.setFontSize(kDetailPoints);
    w.moveTo(origin + kPhaseLabel);
    w.writeLine(label);
    w.moveTo(origin + kPhaseTime);
    w.writeLine(text(time));
    w.moveTo(origin);
}

void CalendarPage::legend() {
    PageWriter& w = writer_;
    const CalendarLocation& place = request_.location;

    w.setFontSize(kLegendPoints);
    w.write(QStringLiteral("     Fishing Prediction Legend:"));
    w.tabTo(layout_.legendSymbol);
    w.writeLine(QStringLiteral("Data Legend:"));
    w.endLine();

    w.setFontSize(kLegendPoints);
    w.write(QStringLiteral("  "));
    w.tabTo(kRatingColumn);
    w.write(QStringLiteral("=   Poor"));
    w.tabTo(layout_.legendSymbol);
    w.write(QStringLiteral("Maj"));
    w.tabTo(layout_.legendExplanation);
    w.writeLine(QStringLiteral("=   Major Fishing Time"));

    w.setFontSize(kLegendSymbolPoints);
    w.write(QStringLiteral("  *"));
    w.setFontSize(kLegendPoints);
    w.tabTo(kRatingColumn);
    w.write(QStringLiteral("=   Fair"));
    w.setFontSize(kLocationPoints);
    w.tabTo(place.customZone() ? layout_.customLocation : layout_.location);
    w.write(place.line());
    w.setFontSize(kLegendPoints);
    w.tabTo(layout_.legendSymbol);
    w.write(QStringLiteral("Min"));
    w.tabTo(layout_.legendExplanation);
    w.writeLine(QStringLiteral("=   Minor Fishing Time"));

    w.setFontSize(kLegendSymbolPoints);
    w.write(QStringLiteral("  **"));
    w.setFontSize(kLegendPoints);
    w.tabTo(kRatingColumn);
    w.write(QStringLiteral("=   Good"));
    w.setFontSize(kLocationPoints);
    w.tabTo(layout_.programLine);
    w.write(kProgramLine);
    w.setFontSize(kLegendPoints);
    w.tabTo(layout_.legendSymbol);
    w.write(QStringLiteral("S Rise/Set"));
    w.tabTo(layout_.legendExplanation);
    w.writeLine(QStringLiteral("=   Sunrise & Sunset"));

    w.setFontSize(kLegendSymbolPoints);
    w.write(QStringLiteral("  ***"));
    w.setFontSize(kLegendPoints);
    w.tabTo(kRatingColumn);
    w.write(QStringLiteral("=   Excellent"));
    w.setFontSize(kLegendPoints);
    w.tabTo(layout_.legendSymbol);
    w.write(QStringLiteral("M Rise/Set"));
    w.tabTo(layout_.legendExplanation);
    w.writeLine(QStringLiteral("=   Moonrise & Moonset"));
}
