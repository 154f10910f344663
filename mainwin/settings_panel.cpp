#include "settings_panel.h"

#include "help_window.h"
#include "number_print.h"
#include "program_paths.h"
#include "spinner.h"
#include "tray_autostart.h"
#include "zone_chooser.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

QString trayExecutableFrom(const QString& programFolder) {
    const QString found = siblingProgramPath(Program::Bitetray, programFolder);
    return found.isEmpty() ? programFileName(Program::Bitetray) : found;
}

SettingsPanel::SettingsPanel(Services services, QWidget* parent)
    : QFrame(parent)
    , shared_(services.store)
    , catalogue_(services.store)
    , messages_(services.messages)
    , help_(services.help)
    , zones_(services.zones)
    , programTitle_(std::move(services.programTitle))
    , clock_(services.clock) {
    setFrameShape(QFrame::StyledPanel);
    buildLayout();
    nameFields();
    setKeyboardOrder();
    connectHandlers();
}

void SettingsPanel::connectHandlers() {
    connect(Command4, &QPushButton::clicked, this, &SettingsPanel::Command4_Click);
    connect(Command2, &QPushButton::clicked, this, &SettingsPanel::Command2_Click);
    connect(Command5, &QPushButton::clicked, this, &SettingsPanel::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &SettingsPanel::Command6_Click);
    connect(Command8, &QPushButton::clicked, this, &SettingsPanel::Command8_Click);
    connect(Command9, &QPushButton::clicked, this, &SettingsPanel::Command9_Click);
    connect(Combo3, &QComboBox::activated, this, &SettingsPanel::Combo3_Click);

    connect(Option1, &QRadioButton::clicked, this, [this] {
        setAlarmGroupEnabled(true);
        enableApply();
    });
    connect(Option2, &QRadioButton::clicked, this, [this] {
        setAlarmGroupEnabled(false);
        enableApply();
    });
    connect(Combo2, &QComboBox::activated, this, [this] {
        enableApply();
        emit daySpinnerFocusRequested();
    });
    for (QLineEdit* field : {Text12, Text13, Text14, Text15, Text17, Text20, Text30, Text40}) {
        connect(field, &QLineEdit::textChanged, this, &SettingsPanel::enableApply);
    }

    connect(UpDown9, &Spinner::changed, this, [this] { wrapField(Text30, UpDown9, 90, -1); });
    connect(UpDown6, &Spinner::changed, this, [this] { wrapField(Text20, UpDown6, 60, -1); });
    connect(UpDown7, &Spinner::changed, this, [this] { wrapField(Text15, UpDown7, 180, -1); });
    connect(UpDown8, &Spinner::changed, this, [this] { wrapField(Text14, UpDown8, 60, -1); });
    const auto toggleHemisphere = [this] {
        UpDown10->setFocus();
        Text40->setText(Text40->text() == QLatin1String("N") ? QStringLiteral("S") : QStringLiteral("N"));
    };
    connect(UpDown10, &Spinner::upClicked, this, toggleHemisphere);
    connect(UpDown10, &Spinner::downClicked, this, toggleHemisphere);
    const auto toggleSide = [this] {
        UpDown5->setFocus();
        Text13->setText(Text13->text() == QLatin1String("W") ? QStringLiteral("E") : QStringLiteral("W"));
    };
    connect(UpDown5, &Spinner::upClicked, this, toggleSide);
    connect(UpDown5, &Spinner::downClicked, this, toggleSide);
    connectOffsetRow();
}

void SettingsPanel::wrapField(QLineEdit* field, Spinner* spinner, int wrapsToZero, int wrapsToMaximum) {
    spinner->setFocus();
    const double value = SharedSettings::numberOf(field->text());
    if (value == wrapsToZero) {
        field->setText(QStringLiteral("0"));
    } else if (value == wrapsToMaximum) {
        field->setText(QString::number(wrapsToZero - 1));
    }
}

void SettingsPanel::enableApply() const {
    Command2->setEnabled(true);
}

void SettingsPanel::setAlarmGroupEnabled(bool on) {
    for (QWidget* w :
         std::initializer_list<QWidget*>{alarmFrame, Combo2, Text12, UpDown4, warnOnLabel, daysLabel}) {
        w->setEnabled(on);
    }
}

QStringList SettingsPanel::snapshot() const {
    const auto flag = [](bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); };
    return {flag(Option1->isChecked()),
            flag(Check1->isChecked()),
            flag(Check2->isChecked()),
            flag(Check3->isChecked()),
            Combo2->currentText(),
            Text12->text(),
            Combo3->currentText(),
            Text30->text(),
            Text20->text(),
            Text40->text(),
            Text15->text(),
            Text14->text(),
            Text13->text(),
            Text17->text(),
            flag(plusShown_),
            flag(customZone_),
            zoneToStore()};
}

bool SettingsPanel::hasUnstoredChanges() const {
    // Until the first load nothing on the panel can be the user's.
    return !loaded_.isEmpty() && snapshot() != loaded_;
}

void SettingsPanel::settings() {
    // The name is the stored one too: a name chosen and then cancelled must not be stored later
    // with the stored place's coordinates.
    Combo3->setCurrentIndex(-1);
    Combo3->setEditText(shared_.currentLocation());
    const bool alarm = shared_.alarmOn();
    Option1->setChecked(alarm);
    Option2->setChecked(!alarm);
    Check1->setChecked(shared_.showMoonIcon());
    Check2->setChecked(shared_.showFishIcon());
    Check3->setChecked(shared_.followDaylight());
    Text12->setText(shared_.daysInAdvance());
    Combo2->setCurrentText(shared_.dayType());
    customZone_ = shared_.customZone();
    Text30->setText(shared_.latitudeDegrees());
    Text15->setText(shared_.longitudeDegrees());
    Text20->setText(shared_.latitudeMinutes());
    Text14->setText(shared_.longitudeMinutes());
    Text17->setText(shared_.gmt());
    setPlusShown(shared_.plusSignShown());
    Text40->setText(shared_.northOrSouth());
    Text13->setText(shared_.westOrEast());
    queryZone();
    zoneName_ = systemZoneName_;
    setAlarmGroupEnabled(alarm);
    if (loadZone(shared_.zoneId())) {
        gmtadj();
    } else if (!shared_.zoneId().isEmpty()) {
        // A zone this computer does not know: the place keeps the offset stored with it.
        customZone_ = true;
        showCustomZone();
    } else if (!customZone_) {
        // The computer's current offset replaces the stored one.
        showSystemZone();
        Text17->setText(printNumber(systemZoneHours_));
    } else {
        showCustomZone();
    }
    loaded_ = snapshot();
}

QLineEdit* SettingsPanel::fieldOf(CoordinateField which) const {
    switch (which) {
    case CoordinateField::Name:
        return Combo3->lineEdit();
    case CoordinateField::Gmt:
        return Text17;
    case CoordinateField::LatitudeDegrees:
        return Text30;
    case CoordinateField::LongitudeDegrees:
        return Text15;
    case CoordinateField::LongitudeMinutes:
        return Text14;
    case CoordinateField::LatitudeMinutes:
        return Text20;
    }
    return Text30;
}

CoordinateFields SettingsPanel::coordinateFields() const {
    return {Combo3->currentText(), Text30->text(), Text20->text(),
            Text15->text(),        Text14->text(), Text17->text()};
}

bool SettingsPanel::checklatlon() {
    const CoordinateFields before = coordinateFields();
    const CoordinateOutcome outcome = checkCoordinates(before, programTitle_);
    if (outcome.focus && outcome.focusBeforeMessages) {
        fieldOf(*outcome.focus)->setFocus();
    }
    for (const CoordinateMessage& m : outcome.messages) {
        messages_.show(m.title, m.text, m.icon);
    }
    const CoordinateFields& after = outcome.fields;
    const auto update = [](QLineEdit* field, const QString& text) {
        if (field->text() != text) {
            field->setText(text);
        }
    };
    update(Text30, after.latitudeDegrees);
    update(Text20, after.latitudeMinutes);
    update(Text15, after.longitudeDegrees);
    update(Text14, after.longitudeMinutes);
    update(Text17, after.gmt);
    if (outcome.focus && !outcome.focusBeforeMessages) {
        fieldOf(*outcome.focus)->setFocus();
    }
    if (!outcome.passed) {
        return false;
    }
    offsetValue_ = printNumber(outcome.offsetHours);
    gmtadj();
    writeBack();
    return true;
}

void SettingsPanel::writeBack() {
    const QStringList trayChoiceBefore = shared_.trayStartTexts();
    shared_.setAlarmOn(Option1->isChecked());
    shared_.setShowMoonIcon(Check1->isChecked());
    shared_.setShowFishIcon(Check2->isChecked());
    shared_.setDayType(Combo2->currentText());
    shared_.setDaysInAdvance(Text12->text());
    shared_.setLatitudeDegrees(Text30->text());
    shared_.setLongitudeDegrees(Text15->text());
    shared_.setLatitudeMinutes(Text20->text());
    shared_.setLongitudeMinutes(Text14->text());
    shared_.setPlusSignShown(plusShown_);
    shared_.setGmt(Text17->text());
    shared_.setNorthOrSouth(Text40->text());
    shared_.setWestOrEast(Text13->text());
    shared_.setFollowDaylight(Check3->isChecked());
    shared_.setCustomZone(customZone_);
    shared_.setZoneId(zoneToStore());
    shared_.setCurrentLocation(Combo3->currentText());
    if (Option2->isChecked()) {
        shared_.setAlarmOn(false);
    }
    // The companion's log-on entry follows the icons and the alarm; it is only touched when one of
    // them changed, not on every refresh. A failure is not reported: the icon boxes' tip already says
    // these settings only take effect when the computer is restarted, and nothing else depends on it.
    if (shared_.trayStartTexts() != trayChoiceBefore) {
        updateTrayAutostart(shared_.showMoonIcon(), shared_.showFishIcon(), shared_.alarmOn(),
                            trayExecutableFrom(QCoreApplication::applicationDirPath()));
    }
    loaded_ = snapshot();
}

void SettingsPanel::Command4_Click() {
    if (!checklatlon()) {
        // The panel stays open with the focus in the field to correct and the others as typed.
        return;
    }
    Command2->setEnabled(false);
    emit closeRequested();
    emit refreshRequested();
    Command2->setEnabled(true);
}

void SettingsPanel::Command2_Click() {
    checklatlon();
    Command2->setEnabled(false);
    emit refreshRequested();
}

void SettingsPanel::Command5_Click() {
    emit closeRequested();
    Command2->setEnabled(true);
    // Nothing is stored; the panel shows the store again at once, so that nothing that was on it
    // when it was cancelled can reach the store later.
    settings();
}

void SettingsPanel::Command6_Click() {
    help_.showTopic(help_topic::kSettings);
}
