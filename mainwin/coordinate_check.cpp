#include "coordinate_check.h"

#include "number_print.h"
#include "number_text.h"

#include <cmath>
#include <optional>

namespace {

using Icon = MessageService::Icon;

double leading(const QString& text) {
    return biteclock::leadingNumber(text.toStdString());
}

bool strict(const QString& text) {
    return biteclock::isNumberText(text.toStdString());
}

QString& fieldText(CoordinateFields& f, CoordinateField which) {
    switch (which) {
    case CoordinateField::Name:
        return f.name;
    case CoordinateField::Gmt:
        return f.gmt;
    case CoordinateField::LatitudeDegrees:
        return f.latitudeDegrees;
    case CoordinateField::LongitudeDegrees:
        return f.longitudeDegrees;
    case CoordinateField::LongitudeMinutes:
        return f.longitudeMinutes;
    case CoordinateField::LatitudeMinutes:
        return f.latitudeMinutes;
    }
    return f.name;
}

CoordinateMessage invalidCharacters() {
    return {QStringLiteral(" Invalid Characters Used"),
            QStringLiteral("Please use only Numeric characters in these boxes. "), Icon::Critical};
}

// Each step below tells whether the check ends at it; a step that ends it has put its messages, the
// field to focus and the fields it rewrote into the outcome.

bool endsAtName(CoordinateOutcome& out, const QString& programTitle) {
    if (!out.fields.name.isEmpty()) {
        return false;
    }
    out.messages.append(
        {programTitle,
         QStringLiteral("No name has been entered for your location. Please enter a name.\r\n"
                        "If this is the first time you are using this program, please enter your "
                        "location coordinates by selecting  | Settings | Program Settings | on the menu bar"),
         Icon::Critical});
    return true;
}

bool endsAtEmptyField(CoordinateOutcome& out) {
    struct Named {
        CoordinateField field;
        const char* name;
    };
    static constexpr Named kEmptyOrder[] = {
        {CoordinateField::Gmt, "Time Zone."},
        {CoordinateField::LatitudeDegrees, "Latitude Degrees."},
        {CoordinateField::LongitudeDegrees, "Longitude Degrees."},
        {CoordinateField::LongitudeMinutes, "Longitude minutes."},
        {CoordinateField::LatitudeMinutes, "Latitude minutes."},
    };
    for (const Named& n : kEmptyOrder) {
        if (fieldText(out.fields, n.field).isEmpty()) {
            const QString name = QLatin1String(n.name);
            out.focus = n.field;
            out.focusBeforeMessages = true;
            out.messages.append({QStringLiteral(" Settings Entry Is Blank"),
                                 QStringLiteral("No value was entered for ") + name +
                                     QStringLiteral(" Please re-enter the ") + name,
                                 Icon::Critical});
            return true;
        }
    }
    return false;
}

bool endsAtRange(CoordinateOutcome& out, const QString& programTitle) {
    struct Range {
        CoordinateField field;
        bool (*fails)(double);
        const char* message;
    };
    static constexpr Range kRanges[] = {
        {CoordinateField::LatitudeDegrees, [](double v) { return v > 89; },
         "Latitude is greater than 89 degrees. Please re-enter latitude between 0-89"},
        {CoordinateField::LongitudeDegrees, [](double v) { return v > 179; },
         "Longitude is greater than 179 degrees. Please re-enter longitude between 0-179"},
        {CoordinateField::LatitudeMinutes, [](double v) { return v > 59; },
         "Latitude minutes is greater than 59. Please re-enter latitude minutes between 0 - 59"},
        {CoordinateField::LongitudeMinutes, [](double v) { return v > 59; },
         "Longitude minutes is greater than 59. Please re-enter longitude minutes between 0 - 59"},
        {CoordinateField::Gmt, [](double v) { return v > 13 || v < -12; },
         "Time zone is not within GMT standard. Please re-enter time zone between -12 and +13"},
    };
    for (const Range& r : kRanges) {
        QString& text = fieldText(out.fields, r.field);
        if (r.fails(leading(text))) {
            out.messages.append({programTitle, QLatin1String(r.message), Icon::Critical});
            text.clear();
            out.focus = r.field;
            return true;
        }
    }
    return false;
}

bool endsAtNegative(CoordinateOutcome& out) {
    static constexpr CoordinateField kNegativeOrder[] = {
        CoordinateField::LongitudeMinutes, CoordinateField::LatitudeMinutes,
        CoordinateField::LongitudeDegrees, CoordinateField::LatitudeDegrees};
    std::optional<CoordinateField> firstNegative;
    for (const CoordinateField c : kNegativeOrder) {
        if (!firstNegative && leading(fieldText(out.fields, c)) < 0) {
            firstNegative = c;
        }
    }
    if (!firstNegative) {
        return false;
    }
    // The user is taken to the value to look at again.
    out.focus = *firstNegative;
    out.messages.append(
        {QStringLiteral(" Negative Values - Use (N or S) or (W or E)"),
         QStringLiteral("Negative values for latitude and longitude are not valid.\r"
                        "Some publications may represent latitude & longitude as negative "
                        "values. Usually the Southern Hemisphere and longitudes West of "
                        "Greenwich are represented this way.\r"
                        "Please use the (N or S) or (W or E) settings to correct this problem."),
         Icon::Critical});
    for (const CoordinateField c : kNegativeOrder) {
        QString& text = fieldText(out.fields, c);
        if (!strict(text)) {
            out.messages.append(invalidCharacters());
            out.focus = c;
            return true;
        }
        text = printNumber(std::fabs(leading(text)));
    }
    return true;
}

// Degrees and minutes become whole numbers; the check ends here only at a text that is no number.
bool endsAtWholeNumbers(CoordinateOutcome& out) {
    static constexpr CoordinateField kWholeOrder[] = {
        CoordinateField::LatitudeDegrees, CoordinateField::LatitudeMinutes, CoordinateField::LongitudeMinutes,
        CoordinateField::LongitudeDegrees};
    for (const CoordinateField c : kWholeOrder) {
        QString& text = fieldText(out.fields, c);
        if (!strict(text)) {
            out.messages.append(invalidCharacters());
            out.focus = c;
            return true;
        }
        text = printNumber(std::floor(leading(text)));
    }
    return false;
}

bool endsAtOffset(CoordinateOutcome& out) {
    if (!strict(out.fields.gmt)) {
        out.messages.append(invalidCharacters());
        out.focus = CoordinateField::Gmt;
        return true;
    }
    return false;
}

} // namespace

CoordinateOutcome checkCoordinates(const CoordinateFields& fields, const QString& programTitle) {
    CoordinateOutcome out;
    out.fields = fields;
    if (endsAtName(out, programTitle) || endsAtEmptyField(out) || endsAtRange(out, programTitle) ||
        endsAtNegative(out) || endsAtWholeNumbers(out) || endsAtOffset(out)) {
        return out;
    }
    out.offsetHours = leading(out.fields.gmt);
    out.passed = true;
    return out;
}
