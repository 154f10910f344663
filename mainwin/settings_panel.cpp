#include "settings_panel.h"

#include "number_print.h"
#include "number_text.h"
#include "program_paths.h"
#include "spinner.h"
#include "tray_autostart.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {

double leading(const QString& text) {
    return biteclock::leadingNumber(text.toStdString());
}

QLineEdit* numberField(QWidget* parent, int width) {
    auto* field = new QLineEdit(parent);
    field->setFixedWidth(width);
    field->setAlignment(Qt::AlignRight);
    return field;
}

Spinner* spinnerFor(QWidget* parent, QLineEdit* buddy, int minimum, int maximum, bool wrap) {
    auto* spinner = new Spinner(parent);
    spinner->setBuddy(buddy);
    spinner->setRange(minimum, maximum);
    spinner->setWrapping(wrap);
    spinner->setFixedSize(17, buddy != nullptr ? buddy->sizeHint().height() : 24);
    return spinner;
}

QLineEdit* letterField(QWidget* parent, const QString& letters) {
    auto* field = new QLineEdit(parent);
    field->setFixedWidth(28);
    field->setAlignment(Qt::AlignCenter);
    field->setMaxLength(1);
    field->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[%1%2]").arg(letters, letters.toLower())), field));
    QObject::connect(field, &QLineEdit::textEdited, field,
                     [field](const QString& text) { field->setText(text.toUpper()); });
    return field;
}

/// The three stored values that decide whether the tray companion starts at log-on, as stored texts
/// (empty when missing).
QStringList trayChoiceTexts(const SettingsStore& store) {
    QStringList texts;
    for (const char* key : {"showmoon", "showfish", "runalarm"}) {
        texts.append(
            store.read(SettingsStore::kShared, SettingsStore::kSettings, QLatin1String(key), QString()));
    }
    return texts;
}

} // namespace

QString trayExecutableFrom(const QString& programFolder) {
    const QString found = siblingProgramPath(Program::Bitetray, programFolder);
    return found.isEmpty() ? programFileName(Program::Bitetray) : found;
}

SettingsPanel::SettingsPanel(Services services, QWidget* parent)
    : QFrame(parent)
    , store_(services.store)
    , shared_(services.store)
    , catalogue_(services.store)
    , messages_(services.messages)
    , help_(services.help)
    , zones_(services.zones)
    , programTitle_(std::move(services.programTitle)) {
    setFrameShape(QFrame::StyledPanel);
    buildLayout();
    nameFields();
    connectHandlers();
}

void SettingsPanel::buildLayout() {
    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(8, 8, 8, 8);
    top->setSpacing(6);

    // Alarm: the two choices stay usable while the condition frame is disabled.
    auto* alarm = new QGroupBox(tr("Fish Alarm"), this);
    auto* alarmLayout = new QHBoxLayout(alarm);
    auto* choices = new QVBoxLayout;
    Option1 = new QRadioButton(tr("&Activated"), alarm);
    Option2 = new QRadioButton(tr("&Deactivated"), alarm);
    Option2->setChecked(true);
    choices->addWidget(Option1);
    choices->addWidget(Option2);
    choices->addStretch();
    alarmLayout->addLayout(choices);
    alarmFrame = new QGroupBox(tr("Fish Alarm Condition"), alarm);
    auto* condition = new QGridLayout(alarmFrame);
    warnOnLabel = new QLabel(tr("Warn on:"), alarmFrame);
    Combo2 = new QComboBox(alarmFrame);
    Combo2->addItems({QStringLiteral("Excellent Days"), QStringLiteral("Good & Excellent Days"),
                      QStringLiteral("Fair To Excellent Days"), QStringLiteral("All Days")});
    daysLabel = new QLabel(tr("Days in Advance"), alarmFrame);
    Text12 = numberField(alarmFrame, 36);
    UpDown4 = spinnerFor(alarmFrame, Text12, 1, 15, false);
    condition->addWidget(warnOnLabel, 0, 0);
    condition->addWidget(Combo2, 0, 1, 1, 3);
    condition->addWidget(daysLabel, 1, 0);
    condition->addWidget(Text12, 1, 1);
    condition->addWidget(UpDown4, 1, 2);
    condition->setColumnStretch(3, 1);
    alarmLayout->addWidget(alarmFrame, 1);

    auto* icons = new QGroupBox(tr("Tray Icons"), this);
    auto* iconsLayout = new QVBoxLayout(icons);
    Check1 = new QCheckBox(QStringLiteral("Show Moon Phase Icon "), icons);
    Check2 = new QCheckBox(QStringLiteral("Show Fish Prediction Icon "), icons);
    iconsLayout->addWidget(Check1);
    iconsLayout->addWidget(Check2);

    auto* alarmRow = new QHBoxLayout;
    alarmRow->addWidget(alarm, 3);
    alarmRow->addWidget(icons, 2);
    top->addLayout(alarmRow);

    auto* location = new QGroupBox(tr("Location"), this);
    auto* grid = new QGridLayout(location);
    grid->setHorizontalSpacing(4);
    Combo3 = new QComboBox(location);
    Combo3->setEditable(true);
    Combo3->setInsertPolicy(QComboBox::NoInsert);
    // Names are offered in a list under the field, never completed inside it: a new name that begins
    // like a saved one must not become the saved one and receive the new place's coordinates.
    Combo3->completer()->setCompletionMode(QCompleter::PopupCompletion);
    Combo3->completer()->setCaseSensitivity(Qt::CaseSensitive);
    Combo3->setMinimumWidth(180);
    Command8 = new QPushButton(QStringLiteral("Save"), location);
    Command9 = new QPushButton(QStringLiteral("Delete"), location);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(new QLabel(tr("Name"), location));
    nameRow->addWidget(Combo3, 1);
    nameRow->addWidget(Command8);
    nameRow->addWidget(Command9);
    grid->addLayout(nameRow, 0, 0, 1, 12);

    grid->addWidget(new QLabel(tr("Degrees"), location), 1, 1, 1, 2);
    grid->addWidget(new QLabel(tr("Minutes"), location), 1, 3, 1, 2);
    Text30 = numberField(location, 44);
    UpDown9 = spinnerFor(location, Text30, -1, 90, true);
    Text20 = numberField(location, 44);
    UpDown6 = spinnerFor(location, Text20, -1, 60, true);
    Text40 = letterField(location, QStringLiteral("NS"));
    UpDown10 = spinnerFor(location, nullptr, 0, 1, true);
    Text15 = numberField(location, 44);
    UpDown7 = spinnerFor(location, Text15, -1, 180, true);
    Text14 = numberField(location, 44);
    UpDown8 = spinnerFor(location, Text14, -1, 60, true);
    Text13 = letterField(location, QStringLiteral("WE"));
    UpDown5 = spinnerFor(location, nullptr, 0, 1, true);
    UpDown10->setFixedHeight(Text40->sizeHint().height());
    UpDown5->setFixedHeight(Text13->sizeHint().height());

    grid->addWidget(new QLabel(tr("Latitude"), location), 2, 0);
    grid->addWidget(Text30, 2, 1);
    grid->addWidget(UpDown9, 2, 2);
    grid->addWidget(Text20, 2, 3);
    grid->addWidget(UpDown6, 2, 4);
    grid->addWidget(Text40, 2, 5);
    grid->addWidget(UpDown10, 2, 6);
    grid->addWidget(new QLabel(tr("N or S"), location), 2, 7);
    grid->addWidget(new QLabel(tr("Longitude"), location), 3, 0);
    grid->addWidget(Text15, 3, 1);
    grid->addWidget(UpDown7, 3, 2);
    grid->addWidget(Text14, 3, 3);
    grid->addWidget(UpDown8, 3, 4);
    grid->addWidget(Text13, 3, 5);
    grid->addWidget(UpDown5, 3, 6);
    grid->addWidget(new QLabel(tr("W or E"), location), 3, 7);

    auto* offsetRow = new QHBoxLayout;
    offsetRow->setSpacing(4);
    offsetRow->addWidget(new QLabel(QStringLiteral("G.M.T"), location));
    Label17 = new QLabel(QStringLiteral("+"), location);
    Label17->setFixedWidth(10);
    offsetRow->addWidget(Label17);
    Text17 = numberField(location, 44);
    offsetRow->addWidget(Text17);
    UpDown11 = spinnerFor(location, nullptr, -100, 100, false);
    UpDown11->setFixedHeight(Text17->sizeHint().height());
    offsetRow->addWidget(UpDown11);
    offsetRow->addWidget(new QLabel(QStringLiteral("Hrs"), location));
    Text16 = new QLineEdit(location);
    Text16->setReadOnly(true);
    Text16->setMinimumWidth(150);
    offsetRow->addWidget(Text16, 1);
    grid->addLayout(offsetRow, 4, 0, 1, 12);
    Check3 = new QCheckBox(QStringLiteral("Auto Daylight Savings Adjust"), location);
    grid->addWidget(Check3, 5, 1, 1, 11);
    grid->setColumnStretch(11, 1);
    top->addWidget(location);
    top->addStretch();

    auto* buttons = new QHBoxLayout;
    Command4 = new QPushButton(QStringLiteral("&Ok"), this);
    Command2 = new QPushButton(QStringLiteral("&Apply "), this);
    Command5 = new QPushButton(QStringLiteral("&Cancel"), this);
    Command6 = new QPushButton(QStringLiteral("He&lp"), this);
    buttons->addStretch();
    for (QPushButton* b : {Command4, Command2, Command5, Command6}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    top->addLayout(buttons);
}

void SettingsPanel::nameFields() {
    // The captions of the design stand beside the fields, often for a whole row; a screen reader
    // needs each field's own name.
    const std::pair<QWidget*, const char*> names[] = {
        {Combo2, "Warn on"},
        {Text12, "Days in advance"},
        {UpDown4, "Days in advance spinner"},
        {Combo3, "Location name"},
        {Command8, "Save location"},
        {Command9, "Delete location"},
        {Text30, "Latitude degrees"},
        {UpDown9, "Latitude degrees spinner"},
        {Text20, "Latitude minutes"},
        {UpDown6, "Latitude minutes spinner"},
        {Text40, "North or south"},
        {UpDown10, "North or south spinner"},
        {Text15, "Longitude degrees"},
        {UpDown7, "Longitude degrees spinner"},
        {Text14, "Longitude minutes"},
        {UpDown8, "Longitude minutes spinner"},
        {Text13, "West or east"},
        {UpDown5, "West or east spinner"},
        {Text17, "Hours from Greenwich"},
        {UpDown11, "Hours from Greenwich spinner"},
        {Text16, "Time zone name"},
        {Option1, "Alarm activated"},
        {Option2, "Alarm deactivated"},
        {Command4, "Ok"},
        {Command2, "Apply"},
        {Command5, "Cancel"},
        {Command6, "Help"},
    };
    for (const auto& [field, name] : names) {
        field->setAccessibleName(tr(name));
    }
}

void SettingsPanel::connectHandlers() {
    connect(Command4, &QPushButton::clicked, this, &SettingsPanel::Command4_Click);
    connect(Command2, &QPushButton::clicked, this, &SettingsPanel::Command2_Click);
    connect(Command5, &QPushButton::clicked, this, &SettingsPanel::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &SettingsPanel::Command6_Click);
    connect(Command8, &QPushButton::clicked, this, &SettingsPanel::Command8_Click);
    connect(Command9, &QPushButton::clicked, this, &SettingsPanel::Command9_Click);
    connect(Combo3, &QComboBox::activated, this, &SettingsPanel::Combo3_Click);
    connect(Check3, &QCheckBox::clicked, this, &SettingsPanel::Check3_Click);

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

    connect(UpDown11, &Spinner::upClicked, this, [this] { stepOffset(0.5); });
    connect(UpDown11, &Spinner::downClicked, this, [this] { stepOffset(-0.5); });
    connect(Text17, &QLineEdit::returnPressed, this, [this] {
        offsetValue_ = printNumber(leading(Text17->text()));
        gmtadj();
    });
}

void SettingsPanel::wrapField(QLineEdit* field, Spinner* spinner, int wrapsToZero, int wrapsToMaximum) {
    spinner->setFocus();
    const double value = leading(field->text());
    if (value == wrapsToZero) {
        field->setText(QStringLiteral("0"));
    } else if (value == wrapsToMaximum) {
        field->setText(QString::number(wrapsToZero - 1));
    }
}

void SettingsPanel::stepOffset(double hours) {
    offsetValue_ = printNumber(leading(Text17->text()) + hours);
    Text17->setText(offsetValue_);
    gmtadj();
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

void SettingsPanel::fillLocationList() {
    Combo3->clear();
    Combo3->addItem(LocationCatalogue::kNewLocation);
    Combo3->addItems(catalogue_.names());
    Combo3->setCurrentIndex(-1);
    Combo3->setEditText(shared_.currentLocation());
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
            flag(customZone_)};
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
    if (!customZone_) {
        Text16->setText(systemZoneName_);
        Text17->setText(printNumber(systemZoneHours_));
        Check3->setEnabled(true);
    } else {
        Text16->setText(QStringLiteral("Custom"));
        Text16->setEnabled(false);
        Check3->setEnabled(false);
    }
    loaded_ = snapshot();
}

void SettingsPanel::gmtadj() {
    const double value = leading(offsetValue_);
    if (value < -12) {
        offsetValue_ = QStringLiteral("13");
    } else if (value > 13) {
        offsetValue_ = QStringLiteral("-12");
    }
    const double offset = leading(offsetValue_);
    if (offset == systemZoneHours_) {
        queryZone();
        Text16->setText(systemZoneName_);
        Text16->setEnabled(true);
        Check3->setEnabled(true);
        customZone_ = false;
    } else {
        Text16->setText(QStringLiteral("Custom"));
        Text16->setEnabled(false);
        Check3->setEnabled(false);
        customZone_ = true;
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

LocationFields SettingsPanel::locationFields() const {
    return {Text30->text(), Text20->text(), Text40->text(), Text15->text(),
            Text14->text(), Text13->text(), Text17->text()};
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
    const QStringList trayChoiceBefore = trayChoiceTexts(store_);
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
    shared_.setCurrentLocation(Combo3->currentText());
    if (Option2->isChecked()) {
        shared_.setAlarmOn(false);
    }
    // The companion's log-on entry follows the icons and the alarm; it is only touched when one of
    // them changed, not on every refresh. A failure is not reported: the icon boxes' tip already says
    // these settings only take effect when the computer is restarted, and nothing else depends on it.
    if (trayChoiceTexts(store_) != trayChoiceBefore) {
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
    help_.showTopic(10);
}

void SettingsPanel::Combo3_Click(int index) {
    if (index < 0) {
        return;
    }
    const QString name = Combo3->itemText(index);
    if (index == 0) {
        Combo3->setEditText(QString());
        return;
    }
    const LocationFields f = catalogue_.entry(name);
    Text30->setText(f.latitudeDegrees);
    Text15->setText(f.longitudeDegrees);
    Text20->setText(f.latitudeMinutes);
    Text14->setText(f.longitudeMinutes);
    Text40->setText(f.northOrSouth);
    Text13->setText(f.westOrEast);
    Text17->setText(f.gmt);
    offsetValue_ = printNumber(leading(Text17->text()));
    gmtadj();
}

void SettingsPanel::Command8_Click() {
    emit daySpinnerFocusRequested();
    const QString name = Combo3->currentText();
    if (name.isEmpty()) {
        // An empty name would put the keys into the catalogue's own section.
        messages_.show(programTitle_, tr("Please enter a name for the location before saving it."),
                       MessageService::Icon::Exclamation);
        return;
    }
    if (Combo3->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0) {
        Combo3->addItem(name);
        QStringList names;
        for (int i = 1; i < Combo3->count(); ++i) {
            names.append(Combo3->itemText(i));
        }
        catalogue_.storeNames(names);
        Combo3->setEditText(name);
    }
    catalogue_.writeEntry(name, locationFields());
}

void SettingsPanel::Command9_Click() {
    const QString name = Combo3->currentText();
    if (name.isEmpty() || name == LocationCatalogue::kNewLocation) {
        return; // the catalogue itself, or the fixed first entry: never deleted
    }
    if (!catalogue_.removeEntry(name)) {
        return;
    }
    Combo3->setFocus();
    const int index = Combo3->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index > 0) {
        Combo3->removeItem(index);
    }
    Combo3->setCurrentIndex(-1);
    Combo3->setEditText(QString());
    QStringList names;
    for (int i = 1; i < Combo3->count(); ++i) {
        names.append(Combo3->itemText(i));
    }
    catalogue_.storeNames(names);
    if (names.isEmpty()) {
        shared_.setCurrentLocation(Combo3->currentText());
    }
}
