// The settings panel's offset from Greenwich: stepping and typing it, the "+" sign, and whether it
// is the computer's own zone (with its name and the daylight box), a named zone chosen from the zone
// list (with today's offset there), or one the user typed.
#include "custom_zone.h"
#include "date_serial.h"
#include "number_print.h"
#include "settings_panel.h"
#include "spinner.h"
#include "vector_state.h"
#include "zone_chooser.h"
#include "zone_date_offsets.h"

#include <QCheckBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>

void SettingsPanel::connectOffsetRow() {
    connect(UpDown11, &Spinner::upClicked, this, [this] { stepOffset(0.5); });
    connect(UpDown11, &Spinner::downClicked, this, [this] { stepOffset(-0.5); });
    connect(Text17, &QLineEdit::returnPressed, this, [this] {
        dropZone();
        offsetValue_ = printNumber(SharedSettings::numberOf(Text17->text()));
        gmtadj();
    });
    // An offset typed over a zone's is the user's own: the zone's rules no longer apply.
    connect(Text17, &QLineEdit::textEdited, this, &SettingsPanel::dropZone);
    connect(Check3, &QCheckBox::clicked, this, &SettingsPanel::Check3_Click);
    connect(ZoneList, &ZoneChooser::zoneChosen, this, &SettingsPanel::chooseZone);
}

void SettingsPanel::stepOffset(double hours) {
    dropZone();
    offsetValue_ = printNumber(SharedSettings::numberOf(Text17->text()) + hours);
    Text17->setText(offsetValue_);
    gmtadj();
}

void SettingsPanel::setPlusShown(bool shown) {
    plusShown_ = shown;
    // Kept in the layout while hidden, so that the offset does not jump sideways.
    Label17->setText(shown ? QStringLiteral("+") : QString());
}

void SettingsPanel::queryZone() {
    const biteclock::ZoneQuery q = biteclock::queryTimeZone(zones_, Check3->isChecked());
    systemZoneHours_ = q.hours;
    systemZoneName_ = QString::fromStdString(q.name);
    Text16->setEnabled(true);
}

void SettingsPanel::showSystemZone() {
    Text16->setText(systemZoneName_);
    Text16->setEnabled(true);
    Check3->setEnabled(true);
}

void SettingsPanel::showCustomZone() {
    // A typed offset has no zone name, and the computer's daylight saving does not apply to it.
    Text16->setText(QString::fromLatin1(kCustomZoneName));
    Text16->setEnabled(false);
    Check3->setEnabled(false);
}

void SettingsPanel::gmtadj() {
    const double value = SharedSettings::numberOf(offsetValue_);
    if (!zoneId_.isEmpty()) {
        // A named zone's offset is today's there, whatever the field held (the day may have changed).
        offsetValue_ = printNumber(todayZoneHours());
    } else if (value < -12) {
        offsetValue_ = QStringLiteral("13");
    } else if (value > 13) {
        offsetValue_ = QStringLiteral("-12");
    }
    const double offset = SharedSettings::numberOf(offsetValue_);
    customZone_ = offset != systemZoneHours_;
    if (!zoneId_.isEmpty()) {
        // Programs that do not read the zone keep today's offset as a fixed one.
        customZone_ = true;
        showNamedZone();
    } else if (customZone_) {
        showCustomZone();
    } else {
        queryZone();
        showSystemZone();
    }
    Text17->setText(offsetValue_);
    setPlusShown(offset > 0);
}

void SettingsPanel::Check3_Click() {
    queryZone();
    Text16->setText(systemZoneName_);
    Text17->setText(printNumber(systemZoneHours_));
    zoneName_ = systemZoneName_;
}

double SettingsPanel::todayZoneHours() const {
    const std::optional<ZoneDateOffsets> zone = ZoneDateOffsets::named(zoneId_.toLatin1());
    const QDate today = clock_ != nullptr ? clock_->today() : QDate::currentDate();
    const double hours =
        zone ? zone->offsetHours(biteclock::dateSerial(today.year(), today.month(), today.day())) : 0.0;
    // Reading a zone's rules leaves the vector registers in a state that slows every later sine.
    releaseUpperVectorState();
    return hours;
}

void SettingsPanel::showNamedZone() {
    Text16->setText(zoneId_);
    Text16->setEnabled(true);
    // A named zone brings its own daylight saving; the computer's does not apply to it.
    Check3->setEnabled(false);
}

bool SettingsPanel::loadZone(const QString& id) {
    const bool known = !id.isEmpty() && ZoneDateOffsets::named(id.toLatin1()).has_value();
    zoneId_ = known ? id : QString();
    keptZoneId_ = known ? QString() : id;
    ZoneList->setZoneId(zoneId_);
    return known;
}

void SettingsPanel::dropZone() {
    keptZoneId_.clear();
    if (zoneId_.isEmpty()) {
        return;
    }
    zoneId_.clear();
    ZoneList->setZoneId(QString());
}

void SettingsPanel::chooseZone(const QString& id) {
    if (id.isEmpty()) {
        // Back to the offset alone: the computer's zone when the offset is its own, else "Custom".
        dropZone();
        offsetValue_ = printNumber(SharedSettings::numberOf(Text17->text()));
    } else {
        const QString previous = zoneId_;
        if (!loadZone(id)) {
            return;
        }
        const double hours = todayZoneHours();
        if (hours < -12 || hours > 13) {
            // The offset field and the store hold -12 to 13 hours; the check on Ok would refuse it.
            messages_.show(programTitle_,
                           tr("Today %1 is %2 hours from Greenwich, outside the -12 to +13 hours this "
                              "program can use. Please choose another zone or keep the offset.")
                               .arg(id, printNumber(hours).trimmed()),
                           MessageService::Icon::Exclamation);
            loadZone(previous);
            return;
        }
    }
    gmtadj();
}
