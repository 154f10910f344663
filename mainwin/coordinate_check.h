#pragma once

#include "platform_services.h"

#include <QList>
#include <QString>
#include <optional>

/// The settings panel's location texts that the check reads and may rewrite.
struct CoordinateFields {
    QString name;             ///< Combo3
    QString latitudeDegrees;  ///< Text30
    QString latitudeMinutes;  ///< Text20
    QString longitudeDegrees; ///< Text15
    QString longitudeMinutes; ///< Text14
    QString gmt;              ///< Text17

    friend bool operator==(const CoordinateFields&, const CoordinateFields&) = default;
};

/// The field the focus goes to after a failed check.
enum class CoordinateField {
    Name,
    Gmt,
    LatitudeDegrees,
    LongitudeDegrees,
    LongitudeMinutes,
    LatitudeMinutes
};

struct CoordinateMessage {
    QString title;
    QString text;
    MessageService::Icon icon = MessageService::Icon::Critical;

    friend bool operator==(const CoordinateMessage&, const CoordinateMessage&) = default;
};

/// What the check found: the messages in the order they are shown, the field to focus (before the
/// messages for an empty field, after them otherwise), the fields as the check leaves them and, when
/// every test passed, the offset in hours.
struct CoordinateOutcome {
    bool passed = false;
    QList<CoordinateMessage> messages;
    std::optional<CoordinateField> focus;
    bool focusBeforeMessages = false;
    CoordinateFields fields;
    double offsetHours = 0;
};

/// Validates the location part of the settings panel, stopping at the first failure: a name, no empty
/// field, the ranges, no negative coordinate, whole degrees and minutes, a numeric offset. On success
/// the four coordinate fields come back as whole numbers in printed form (" 39"). `programTitle` is
/// the title of the messages that carry the program's own name.
CoordinateOutcome checkCoordinates(const CoordinateFields& fields, const QString& programTitle);
