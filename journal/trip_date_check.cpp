#include "trip_date_check.h"

namespace {

using biteclock::kFirstYear;
using biteclock::kLastYear;

/// The digits of a whole number, its sign and the blanks around it removed; empty when the text is
/// not a whole number.
QString absoluteDigits(const QString& text) {
    QString digits = text.trimmed();
    if (digits.startsWith(QLatin1Char('-')) || digits.startsWith(QLatin1Char('+'))) {
        digits.remove(0, 1);
    }
    if (digits.isEmpty()) {
        return {};
    }
    for (const QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            return {};
        }
    }
    return digits;
}

/// The value of such digits, held at a ceiling far above any date part.
std::optional<int> absoluteValue(const QString& text) {
    const QString digits = absoluteDigits(text);
    if (digits.isEmpty()) {
        return std::nullopt;
    }
    int value = 0;
    for (const QChar c : digits) {
        value = std::min(value * 10 + (c.unicode() - u'0'), 1'000'000);
    }
    return value;
}

std::optional<biteclock::DateSerial> dateOf(std::optional<int> day, std::optional<int> month,
                                            std::optional<int> year) {
    if (!day || !month || !year || *year < kFirstYear || *year > kLastYear ||
        !biteclock::isValidDate(*year, *month, *day)) {
        return std::nullopt;
    }
    return biteclock::dateSerial(*year, *month, *day);
}

JournalNotice exclamation(const char* title, const char* text) {
    return {QString::fromLatin1(title), QString::fromLatin1(text), JournalNotice::Icon::Exclamation};
}

JournalNotice critical(const char* title, const char* text) {
    return {QString::fromLatin1(title), QString::fromLatin1(text), JournalNotice::Icon::Critical};
}

} // namespace

TripDateCheck checkTripDate(const TripDateFields& typed, int currentYear) {
    TripDateCheck check;
    check.fields = typed;
    if (typed.day.trimmed().isEmpty()) {
        check.notices.append(
            exclamation("No Day Specified", "No value was entered for the Day. Please re-enter the day."));
        check.focus = TripDateCheck::Box::Day;
        return check;
    }
    if (typed.month.trimmed().isEmpty()) {
        check.notices.append(exclamation("No Month Specified",
                                         "No value was entered for the Month. Please re-enter the month."));
        check.focus = TripDateCheck::Box::Month;
        return check;
    }
    if (typed.year.trimmed().isEmpty()) {
        check.notices.append(
            exclamation("No Year Specified", "No value was entered for the Year. Please re-enter the year."));
        check.focus = TripDateCheck::Box::Year;
        return check;
    }

    const std::optional<int> day = absoluteValue(typed.day);
    const std::optional<int> month = absoluteValue(typed.month);
    std::optional<int> year = absoluteValue(typed.year);
    if (year) {
        const QString digits = absoluteDigits(typed.year);
        if (digits.size() == 2) {
            check.notices.append(
                {QStringLiteral("Biteclock"),
                 QStringLiteral("Two digit year format is acceptable, but to avoid any possible errors, we "
                                "suggest you use the four digit format. The four digit format will now be "
                                "implemented to your date. The century used will be that of your current "
                                "computer date."),
                 JournalNotice::Icon::Information});
            check.fields.year = QString::number(currentYear).left(2) + digits;
            year = check.fields.year.toInt();
        }
        if (*year < kFirstYear) {
            year = kFirstYear;
            check.fields.year = QString::number(kFirstYear);
        } else if (*year > kLastYear) {
            year = kLastYear;
            check.fields.year = QString::number(kLastYear);
        }
    }

    const bool dayBad = !day || *day < 1 || *day > 31;
    const bool monthBad = !month || *month < 1 || *month > 12;
    if (dayBad && monthBad) {
        check.notices.append(
            critical("INVALID DAY & MONTH", "Invalid date. Please re-enter the Day and Month."));
        check.fields.day.clear();
        check.fields.month.clear();
        check.focus = TripDateCheck::Box::Day;
        return check;
    }
    if (dayBad) {
        check.notices.append(critical("INVALID DAY", "Invalid date. Please re-enter the Day."));
        check.fields.day.clear();
        check.focus = TripDateCheck::Box::Day;
        return check;
    }
    if (monthBad) {
        check.notices.append(critical("INVALID MONTH", "Invalid date. Please re-enter the Month."));
        check.fields.month.clear();
        check.focus = TripDateCheck::Box::Month;
        return check;
    }

    check.date = dateOf(day, month, year);
    if (!check.date) {
        check.notices.append(
            critical("INVALID DATE", "The date you have selected is not a valid date. For example, if you "
                                     "enter 30/2/1999 or 2/30/1999 this error will occur as Febuary does not "
                                     "have 30 days."));
        check.focus = TripDateCheck::Box::Day;
    }
    return check;
}

std::optional<biteclock::DateSerial> storedTripDate(const TripDateFields& fields) {
    return dateOf(absoluteValue(fields.day), absoluteValue(fields.month), absoluteValue(fields.year));
}
