// The month page on the recording printer: where every heading, cell and legend item goes, and
// that every cell shows what the almanac computes for its day. The recording font is 10 twips wide
// and 23 twips high per point, so a 20-point tab column is 200 twips and the grid starts at 2438
// twips: title (460) + empty line (460) + month (460) + 14-point gap (322) + weekdays (460) +
// 12-point rule (276). Each week row is 1288 twips: a 24-point line end (552), three empty 8-point
// lines (552) and the 8-point rule (184).
#include "calendar_page.h"
#include "daily_refresh.h"
#include "number_print.h"
#include "recording_page_writer.h"

#include <QRegularExpression>
#include <gtest/gtest.h>
#include <optional>

using biteclock::AlmanacDay;
using biteclock::dateSerial;
using Item = RecordingPageWriter::Item;

namespace {

constexpr double kGridTop = 2438;
constexpr double kRowPitch = 1288;
constexpr double kColumn20 = 200;

biteclock::Observer newYork() {
    return biteclock::observerFromDegrees(40.7128, -74.006, -5);
}

CalendarOptions onlyBoxes(bool prediction, bool sunrise, bool moonrise, bool majorMinor, bool newFull) {
    CalendarOptions o;
    o.prediction = prediction;
    o.sunrise = sunrise;
    o.moonrise = moonrise;
    o.majorMinor = majorMinor;
    o.newFull = newFull;
    return o;
}

CalendarOptions allBoxes() {
    return onlyBoxes(true, true, true, true, true);
}

struct Page {
    RecordingPageWriter writer;
    bool written = false;
};

Page writePage(int year, int month, const CalendarOptions& options,
               const biteclock::Observer& where = newYork(), const CalendarLocation& location = {}) {
    AlmanacDay day;
    day.observer = where;
    CalendarRequest request;
    request.year = year;
    request.month = month;
    request.options = options;
    request.location = location;
    Page page;
    page.written = CalendarPage(day, page.writer).write(request);
    return page;
}

// The index of day d's number in the grid (20 points, " d").
std::optional<qsizetype> dayItem(const RecordingPageWriter& w, int d) {
    const QString wanted = printNumber(d);
    std::optional<qsizetype> found;
    for (qsizetype i = 0; i < w.items.size(); ++i) {
        const Item& item = w.items[i];
        if (item.kind == Item::Kind::Text && item.points == 20 && item.text == wanted &&
            item.at.y() >= kGridTop) {
            EXPECT_FALSE(found) << "day " << d << " printed twice";
            found = i;
        }
    }
    return found;
}

// The print position after day d's number, from which the rest of its cell is placed.
QPointF cellOrigin(const RecordingPageWriter& w, int d) {
    const auto i = dayItem(w, d);
    if (!i) {
        ADD_FAILURE() << "day " << d << " missing";
        return {};
    }
    const Item& item = w.items[*i];
    return item.at + QPointF(static_cast<double>(item.text.size()) * item.points *
                                 RecordingPageWriter::kCharTwipsPerPoint,
                             0);
}

// The items of day d's cell after its number, up to the next day's number or the legend.
QList<Item> cellItems(const RecordingPageWriter& w, int d) {
    QList<Item> items;
    const auto first = dayItem(w, d);
    if (!first) {
        return items;
    }
    static const QRegularExpression dayNumber(QStringLiteral("^ \\d+$"));
    for (qsizetype i = *first + 1; i < w.items.size(); ++i) {
        const Item& item = w.items[i];
        if (item.kind == Item::Kind::Text &&
            ((item.points == 20 && dayNumber.match(item.text).hasMatch()) || item.points == 10 ||
             item.text.startsWith(QStringLiteral("     ___")))) {
            break;
        }
        items.append(item);
    }
    return items;
}

std::optional<Item> cellText(const RecordingPageWriter& w, int d, const QString& prefix) {
    for (const Item& item : cellItems(w, d)) {
        if (item.kind == Item::Kind::Text && item.text.startsWith(prefix)) {
            return item;
        }
    }
    return std::nullopt;
}

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

int dayNumbersPrinted(const RecordingPageWriter& w) {
    static const QRegularExpression dayNumber(QStringLiteral("^ \\d+$"));
    int n = 0;
    for (const Item& item : w.items) {
        n += item.kind == Item::Kind::Text && item.points == 20 && item.at.y() >= kGridTop &&
             dayNumber.match(item.text).hasMatch();
    }
    return n;
}

} // namespace

// --- The heading and the legend ---

TEST(CalendarPageHeading, TitleMonthWeekdaysAndRuleOnA4) {
    const Page page = writePage(2000, 3, CalendarOptions{});
    const RecordingPageWriter& w = page.writer;
    ASSERT_GE(w.items.size(), 10);
    EXPECT_EQ(w.landscapePages, 1);
    EXPECT_EQ(w.startedAfterDrawing, false);
    const QStringList texts = w.texts();
    EXPECT_EQ(
        texts.mid(0, 10),
        (QStringList{QStringLiteral("Biteclock Solunar Fishing Calendar"), QStringLiteral("  March 2000"),
                     QStringLiteral("  Sun"), QStringLiteral(" Mon"), QStringLiteral(" Tue"),
                     QStringLiteral(" Wed"), QStringLiteral(" Thu"), QStringLiteral(" Fri"),
                     QStringLiteral(" Sat"), QStringLiteral("  ") + QString(135, QLatin1Char('_'))}));
    EXPECT_EQ(w.items[0].at, QPointF(26 * kColumn20, 0));
    EXPECT_EQ(w.items[0].points, 20);
    EXPECT_EQ(w.items[1].at, QPointF(0, 920));
    const double weekdays = 920 + 460 + 322;
    const double stops[] = {0, 12, 24, 36, 48, 60, 72};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(w.items[2 + i].at, QPointF(stops[i] * kColumn20, weekdays)) << i;
    }
    EXPECT_EQ(w.items[9].at, QPointF(0, weekdays + 460));
    EXPECT_EQ(w.items[9].points, 12);
}

TEST(CalendarPageHeading, LetterTabStops) {
    CalendarOptions o;
    o.paperText = kLetterPaperText;
    const Page page = writePage(2000, 3, o);
    const RecordingPageWriter& w = page.writer;
    EXPECT_EQ(w.items[0].at.x(), 23 * kColumn20);
    const double stops[] = {0, 11, 22, 33, 44, 55, 66};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(w.items[2 + i].at.x(), stops[i] * kColumn20) << i;
    }
    EXPECT_EQ(cellOrigin(w, 1).x(), 33 * kColumn20 + 400) << "Wednesday column";
}

TEST(CalendarPageHeading, DecemberKeepsTheBlankOfItsName) {
    const Page page = writePage(2200, 12, CalendarOptions{});
    EXPECT_EQ(page.writer.texts().value(1), QStringLiteral("   December 2200"));
}

TEST(CalendarPageLegend, RowsInOrderWithTheLocationAndProgramLines) {
    CalendarLocation place;
    place.gmtText = QStringLiteral("-5");
    place.zoneName = QStringLiteral("Eastern Standard Time");
    const Page page = writePage(2000, 3, CalendarOptions{}, newYork(), place);
    const QStringList texts = page.writer.texts();
    const qsizetype start = texts.indexOf(QStringLiteral("     Fishing Prediction Legend:"));
    ASSERT_GE(start, 0);
    EXPECT_EQ(texts.mid(start), (QStringList{QStringLiteral("     Fishing Prediction Legend:"),
                                             QStringLiteral("Data Legend:"),
                                             QStringLiteral("  "),
                                             QStringLiteral("=   Poor"),
                                             QStringLiteral("Maj"),
                                             QStringLiteral("=   Major Fishing Time"),
                                             QStringLiteral("  *"),
                                             QStringLiteral("=   Fair"),
                                             place.line(),
                                             QStringLiteral("Min"),
                                             QStringLiteral("=   Minor Fishing Time"),
                                             QStringLiteral("  **"),
                                             QStringLiteral("=   Good"),
                                             CalendarPage::kProgramLine,
                                             QStringLiteral("S Rise/Set"),
                                             QStringLiteral("=   Sunrise & Sunset"),
                                             QStringLiteral("  ***"),
                                             QStringLiteral("=   Excellent"),
                                             QStringLiteral("M Rise/Set"),
                                             QStringLiteral("=   Moonrise & Moonset")}));
    EXPECT_TRUE(CalendarPage::kProgramLine.contains(QStringLiteral("Biteclock")));
}

TEST(CalendarPageLegend, ColumnsAndTheCustomShift) {
    for (const bool letter : {false, true}) {
        for (const bool custom : {false, true}) {
            CalendarOptions o;
            o.paperText = letter ? kLetterPaperText : kA4PaperText;
            CalendarLocation place;
            place.zoneName = custom ? QStringLiteral("Custom") : QStringLiteral("Eastern Standard Time");
            const Page page = writePage(2000, 3, o, newYork(), place);
            const RecordingPageWriter& w = page.writer;
            const CalendarLayout layout = calendarLayoutFor(o.paperText);
            for (const Item& item : w.items) {
                if (item.text == place.line()) {
                    EXPECT_EQ(item.points, 8);
                    EXPECT_EQ(item.at.x(), ((letter ? 54 : 64) + (custom ? 8 : 0) - 1) * 80.0);
                } else if (item.text == CalendarPage::kProgramLine) {
                    EXPECT_EQ(item.points, 8);
                    EXPECT_EQ(item.at.x(), (layout.programLine - 1) * 80.0);
                } else if (item.text == QStringLiteral("Data Legend:") ||
                           item.text == QStringLiteral("Maj")) {
                    EXPECT_EQ(item.at.x(), (layout.legendSymbol - 1) * 100.0);
                } else if (item.text.startsWith(QStringLiteral("=   M"))) {
                    EXPECT_EQ(item.at.x(), (layout.legendExplanation - 1) * 100.0);
                } else if (item.text == QStringLiteral("=   Fair")) {
                    EXPECT_EQ(item.at.x(), 11 * 100.0) << "the rating column is 12 in the 10-point font";
                }
            }
        }
    }
}

// --- The grid ---

TEST(CalendarPageGrid, MarchTwoThousandStartsOnWednesday) {
    const Page page = writePage(2000, 3, CalendarOptions{});
    const RecordingPageWriter& w = page.writer;
    ASSERT_EQ(biteclock::weekdayNumber(dateSerial(2000, 3, 1)), 4);
    EXPECT_EQ(cellOrigin(w, 1), QPointF(36 * kColumn20 + 400, kGridTop));
    EXPECT_EQ(cellOrigin(w, 4), QPointF(72 * kColumn20 + 400, kGridTop));
    // Sunday cells begin with one blank.
    EXPECT_EQ(cellOrigin(w, 5), QPointF(kColumn20 + 400, kGridTop + kRowPitch));
    EXPECT_EQ(cellOrigin(w, 12), QPointF(kColumn20 + 600, kGridTop + 2 * kRowPitch));
    EXPECT_EQ(cellOrigin(w, 31), QPointF(60 * kColumn20 + 600, kGridTop + 4 * kRowPitch));
    EXPECT_EQ(dayNumbersPrinted(w), 31);
    EXPECT_EQ(page.written, true);
    EXPECT_EQ(w.endedDocuments, 1);
}

TEST(CalendarPageGrid, ThirtyOneDaysFromAFridayPutTheLastInTheFirstRowsSundayCell) {
    ASSERT_EQ(biteclock::weekdayNumber(dateSerial(2002, 3, 1)), 6);
    const Page page = writePage(2002, 3, CalendarOptions{});
    const RecordingPageWriter& w = page.writer;
    EXPECT_EQ(cellOrigin(w, 31), QPointF(kColumn20 + 600, kGridTop));
    EXPECT_EQ(cellOrigin(w, 30), QPointF(72 * kColumn20 + 600, kGridTop + 4 * kRowPitch));
    EXPECT_EQ(cellOrigin(w, 1), QPointF(60 * kColumn20 + 400, kGridTop));
    EXPECT_EQ(dayNumbersPrinted(w), 31);
}

TEST(CalendarPageGrid, ThirtyOneDaysFromASaturdayPutTheLastTwoInTheFirstRow) {
    ASSERT_EQ(biteclock::weekdayNumber(dateSerial(2000, 1, 1)), 7);
    const Page page = writePage(2000, 1, CalendarOptions{});
    const RecordingPageWriter& w = page.writer;
    EXPECT_EQ(cellOrigin(w, 30), QPointF(kColumn20 + 600, kGridTop));
    EXPECT_EQ(cellOrigin(w, 31), QPointF(12 * kColumn20 + 600, kGridTop));
    EXPECT_EQ(cellOrigin(w, 29), QPointF(72 * kColumn20 + 600, kGridTop + 4 * kRowPitch));
    EXPECT_EQ(dayNumbersPrinted(w), 31);
}

TEST(CalendarPageGrid, ThirtyDaysFromASaturdayPutTheLastInTheFirstRow) {
    ASSERT_EQ(biteclock::weekdayNumber(dateSerial(2000, 9, 1)), 6);
    ASSERT_EQ(biteclock::weekdayNumber(dateSerial(2001, 9, 1)), 7);
    const Page page = writePage(2001, 9, CalendarOptions{});
    EXPECT_EQ(cellOrigin(page.writer, 30), QPointF(kColumn20 + 600, kGridTop));
    EXPECT_EQ(dayNumbersPrinted(page.writer), 30);
}

TEST(CalendarPageGrid, TheLegendStartsBelowTheSixthRowWhetherOrNotItIsUsed) {
    for (const auto& [year, month] :
         {std::pair{2000, 3}, std::pair{2002, 3}, std::pair{2000, 1}, std::pair{2000, 10}}) {
        const Page page = writePage(year, month, CalendarOptions{});
        const RecordingPageWriter& w = page.writer;
        const qsizetype legend = w.texts().indexOf(QStringLiteral("     Fishing Prediction Legend:"));
        ASSERT_GE(legend, 0);
        for (const Item& item : w.items) {
            if (item.text == QStringLiteral("     Fishing Prediction Legend:")) {
                EXPECT_EQ(item.at, QPointF(0, kGridTop + 5 * kRowPitch + 230)) << year << "-" << month;
            }
        }
    }
}

TEST(CalendarPageGrid, AThirtyOneDayMonthFromASundayNeedsNoSixthRow) {
    ASSERT_EQ(biteclock::weekdayNumber(dateSerial(2000, 10, 1)), 1);
    const Page page = writePage(2000, 10, CalendarOptions{});
    const RecordingPageWriter& w = page.writer;
    EXPECT_EQ(cellOrigin(w, 1), QPointF(kColumn20 + 400, kGridTop));
    EXPECT_EQ(cellOrigin(w, 29), QPointF(kColumn20 + 600, kGridTop + 4 * kRowPitch));
    EXPECT_EQ(cellOrigin(w, 31), QPointF(24 * kColumn20 + 600, kGridTop + 4 * kRowPitch));
}

TEST(CalendarPageGrid, FebruaryHasTwentyNineDaysInLeapYearsOnly) {
    EXPECT_EQ(dayNumbersPrinted(writePage(2000, 2, CalendarOptions{}).writer), 29);
    EXPECT_EQ(dayNumbersPrinted(writePage(2004, 2, CalendarOptions{}).writer), 29);
    EXPECT_EQ(dayNumbersPrinted(writePage(2001, 2, CalendarOptions{}).writer), 28);
    EXPECT_EQ(dayNumbersPrinted(writePage(2100, 2, CalendarOptions{}).writer), 28) << "2100 is no leap year";
}

TEST(CalendarPageGrid, WithNoBoxACellShowsOnlyItsNumber) {
    const Page page = writePage(2000, 3, onlyBoxes(false, false, false, false, false));
    for (int d = 1; d <= 31; ++d) {
        const QList<Item> items = cellItems(page.writer, d);
        EXPECT_TRUE(items.isEmpty()) << "day " << d << " shows " << items.size() << " items";
    }
    EXPECT_TRUE(page.writer.items.constLast().text.startsWith(QStringLiteral("=   Moonrise")));
}

TEST(CalendarPageGrid, WithOnlyThePredictionTheNextColumnIsMeasuredInTheStarsFont) {
    const Page page = writePage(2000, 3, onlyBoxes(true, false, false, false, false));
    const RecordingPageWriter& w = page.writer;
    // 5 March is a Sunday; the tabs after its stars are counted in 22-point columns.
    EXPECT_EQ(cellOrigin(w, 6).x(), 12 * 220.0 + 400);
    EXPECT_EQ(cellOrigin(w, 7).x(), 24 * 220.0 + 400);
    // The first row's empty cells are tabbed in the 20-point font.
    EXPECT_EQ(cellOrigin(w, 1).x(), 36 * kColumn20 + 400);
}

TEST(CalendarPageGrid, TheContextsDateIsPutBack) {
    AlmanacDay day;
    day.observer = newYork();
    day.AlmanacDate = dateSerial(2010, 7, 4);
    RecordingPageWriter w;
    CalendarRequest request;
    request.year = 2000;
    request.month = 3;
    request.options = allBoxes();
    EXPECT_EQ(CalendarPage(day, w).write(request), true);
    EXPECT_EQ(day.AlmanacDate, dateSerial(2010, 7, 4));
}

TEST(CalendarPageGrid, AnUnfinishedDocumentIsReported) {
    AlmanacDay day;
    RecordingPageWriter w;
    w.endSucceeds = false;
    EXPECT_EQ(CalendarPage(day, w).write(CalendarRequest{}), false);
    EXPECT_EQ(w.endedDocuments, 1);
}

// --- What the cells say ---

TEST(CalendarPageCells, StarsFollowTheDailyRatingIncludingJanuary) {
    for (const auto& [year, month] :
         {std::pair{2000, 3}, std::pair{2001, 1}, std::pair{1901, 1}, std::pair{2200, 12}}) {
        const Page page = writePage(year, month, onlyBoxes(true, false, false, false, false));
        AlmanacDay oracle;
        oracle.observer = newYork();
        for (int d = 1; d <= biteclock::daysInMonth(year, month); ++d) {
            biteclock::refreshDay(oracle, dateSerial(year, month, d), 0, false);
            const QList<Item> items = cellItems(page.writer, d);
            ASSERT_FALSE(items.isEmpty()) << year << "-" << month << "-" << d;
            EXPECT_EQ(items.constLast().text, CalendarPage::stars(oracle.DayRating))
                << year << "-" << month << "-" << d;
            EXPECT_EQ(items.constLast().points, 22);
        }
    }
}

TEST(CalendarPageCells, StarTexts) {
    EXPECT_EQ(CalendarPage::stars(0), QStringLiteral("  "));
    EXPECT_EQ(CalendarPage::stars(33), QStringLiteral(" *"));
    EXPECT_EQ(CalendarPage::stars(66), QStringLiteral(" **"));
    EXPECT_EQ(CalendarPage::stars(100), QStringLiteral(" ***"));
    EXPECT_EQ(CalendarPage::stars(50), QString());
}

TEST(CalendarPageCells, NewMoonsAreBlackFullMoonsWhiteWithLabelAndTime) {
    for (const auto& [year, month] : {std::pair{2000, 3}, std::pair{2001, 1}, std::pair{2000, 12}}) {
        const Page page = writePage(year, month, onlyBoxes(false, false, false, false, true));
        const RecordingPageWriter& w = page.writer;
        AlmanacDay oracle;
        oracle.observer = newYork();
        int events = 0;
        for (int d = 1; d <= biteclock::daysInMonth(year, month); ++d) {
            biteclock::refreshDay(oracle, dateSerial(year, month, d), 0, false);
            const QList<Item> items = cellItems(w, d);
            const QPointF origin = cellOrigin(w, d);
            if (!oracle.main.Label14.visible) {
                EXPECT_TRUE(items.isEmpty()) << d;
                continue;
            }
            ++events;
            const bool isNew = oracle.main.Label14.text == "New Moon";
            const qsizetype first = 0;
            ASSERT_EQ(items.size(), 3) << d;
            EXPECT_EQ(items[first].kind, Item::Kind::Circle);
            EXPECT_EQ(items[first].at, origin + QPointF(780, 200));
            EXPECT_EQ(items[first].radius, 150);
            EXPECT_EQ(items[first].fill, isNew ? QColor(Qt::black) : QColor(Qt::white));
            EXPECT_EQ(items[first + 1].text,
                      isNew ? QStringLiteral("New Moon") : QStringLiteral("Full Moon"));
            EXPECT_EQ(items[first + 1].at, origin + QPointF(980, 80));
            EXPECT_EQ(items[first + 1].points, 7);
            EXPECT_EQ(items[first + 2].text, q(oracle.main.Label18.text)) << d;
            EXPECT_EQ(items[first + 2].at, origin + QPointF(980, 230));
        }
        EXPECT_GE(events, 1) << year << "-" << month;
    }
}

TEST(CalendarPageCells, MarchTwoThousandNewAndFullMoonTimesInNewYork) {
    const Page page = writePage(2000, 3, onlyBoxes(false, false, false, false, true));
    const auto newMoon = cellText(page.writer, 6, QStringLiteral("12:"));
    ASSERT_TRUE(newMoon);
    EXPECT_EQ(newMoon->text, QStringLiteral("12:18 AM"));
    const auto fullMoon = cellText(page.writer, 19, QStringLiteral("11:"));
    ASSERT_TRUE(fullMoon);
    EXPECT_EQ(fullMoon->text, QStringLiteral("11:44 PM"));
}

TEST(CalendarPageCells, DetailLinesAtTheirOffsetsWithEachDaysOwnTimes) {
    struct Place {
        const char* name;
        biteclock::Observer where;
        int year;
        int month;
    };
    const Place places[] = {
        {"New York", newYork(), 2000, 3},
        {"Svalbard", biteclock::observerFromDegrees(78.22, 15.65, 1), 2000, 6},
        {"Sydney", biteclock::observerFromDegrees(-33.87, 151.21, 10), 2001, 1},
    };
    for (const Place& p : places) {
        const Page page = writePage(p.year, p.month, allBoxes(), p.where);
        for (int d = 1; d <= biteclock::daysInMonth(p.year, p.month); ++d) {
            const biteclock::DateSerial date = dateSerial(p.year, p.month, d);
            AlmanacDay sun;
            sun.observer = p.where;
            sun.AlmanacDate = date;
            sun.Sunriseset();
            AlmanacDay moon;
            moon.observer = p.where;
            moon.AlmanacDate = date;
            moon.moonriseset();
            AlmanacDay periods;
            periods.observer = p.where;
            periods.AlmanacDate = date;
            periods.majorminor();

            const QPointF origin = cellOrigin(page.writer, d);
            const auto expectLine = [&](const QString& text, QPointF offset) {
                const auto item = cellText(page.writer, d, text.left(5));
                ASSERT_TRUE(item) << p.name << " day " << d << ": " << text.toStdString();
                EXPECT_EQ(item->text, text) << p.name << " day " << d;
                EXPECT_EQ(item->at, origin + offset) << p.name << " day " << d;
                EXPECT_EQ(item->points, 7);
            };
            expectLine(QStringLiteral("Maj: ") + q(periods.UpperMajorText) + QStringLiteral(" Maj: ") +
                           q(periods.LowerMajorText),
                       QPointF(140, 520));
            expectLine(QStringLiteral("Min: ") + q(periods.SetMinorText) + QStringLiteral(" Min: ") +
                           q(periods.RiseMinorText),
                       QPointF(140, 660));
            expectLine(QStringLiteral("S  Rise: ") + q(sun.sunriseText) + QStringLiteral("  Set: ") +
                           q(sun.sunsetText),
                       QPointF(140, 800));
            expectLine(QStringLiteral("M  Rise: ") + q(moon.moonriseText) + QStringLiteral("  Set: ") +
                           q(moon.moonsetText),
                       QPointF(140, 940));
        }
    }
}

TEST(CalendarPageCells, ADayTheMoonStaysUpOrDownPrintsCantCalc) {
    const Page page = writePage(2000, 6, allBoxes(), biteclock::observerFromDegrees(78.22, 15.65, 1));
    int cantCalc = 0;
    for (int d = 1; d <= 30; ++d) {
        const auto major = cellText(page.writer, d, QStringLiteral("Maj: "));
        ASSERT_TRUE(major);
        cantCalc += major->text == QStringLiteral("Maj: Can't Calc Maj: Can't Calc");
    }
    EXPECT_GE(cantCalc, 1);
}
