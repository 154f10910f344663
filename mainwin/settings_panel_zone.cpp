// The settings panel's offset from Greenwich: stepping and typing it, the "+" sign, and whether it
// is the computer's own zone (with its name and the daylight box) or one the user typed.
#include "custom_zone.h"
#include "number_print.h"
#include "settings_panel.h"
#include "spinner.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

void SettingsPanel::connectOffsetRow() {
    connect(UpDown11, &Spinner::upClicked, this, [this] { stepOffset(0.5); });
    connect(UpDown11, &Spinner::downClicked, this, [this] { stepOffset(-0.5); });
    connect(Text17, &QLineEdit::returnPressed, this, [this] {
        offsetValue_ = printNumber(SharedSettings::numberOf(Text17->text()));
        gmtadj();
    });
    connect(Check3, &QCheckBox::clicked, this, &SettingsPanel::Check3_Click);
}

void SettingsPanel::stepOffset(double hours) {
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
    if (value < -12) {
        offsetValue_ = QStringLiteral("13");
    } else if (value > 13) {
        offsetValue_ = QStringLiteral("-12");
    }
    const double offset = SharedSettings::numberOf(offsetValue_);
    customZone_ = offset != systemZoneHours_;
    if (customZone_) {
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
