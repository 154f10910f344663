// The settings panel's controls and where they stand: the alarm and tray-icon row, the location
// group with its coordinate and offset rows, and the button row.
#include "find_place_field.h"
#include "settings_panel.h"
#include "spinner.h"
#include "zone_chooser.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
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

// The room between a row's caption and its field, so that a long caption never touches the field.
constexpr int kLabelGap = 6;

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

} // namespace

void SettingsPanel::buildLayout() {
    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(8, 8, 8, 8);
    top->setSpacing(6);

    auto* alarmRow = new QHBoxLayout;
    alarmRow->addWidget(buildAlarmGroup(), 3);
    alarmRow->addWidget(buildIconGroup(), 2);
    top->addLayout(alarmRow);
    top->addWidget(buildLocationGroup());
    top->addStretch();
    top->addLayout(buildButtonRow());
}

QGroupBox* SettingsPanel::buildAlarmGroup() {
    // The two choices stay usable while the condition frame is disabled.
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
    return alarm;
}

QGroupBox* SettingsPanel::buildIconGroup() {
    auto* icons = new QGroupBox(tr("Tray Icons"), this);
    auto* iconsLayout = new QVBoxLayout(icons);
    Check1 = new QCheckBox(QStringLiteral("Show Moon Phase Icon "), icons);
    Check2 = new QCheckBox(QStringLiteral("Show Fish Prediction Icon "), icons);
    iconsLayout->addWidget(Check1);
    iconsLayout->addWidget(Check2);
    return icons;
}

QGroupBox* SettingsPanel::buildLocationGroup() {
    auto* location = new QGroupBox(tr("Location"), this);
    auto* grid = new QGridLayout(location);
    grid->setHorizontalSpacing(4);
    grid->addLayout(buildFindRow(location), 0, 0, 1, 12);
    grid->addLayout(buildNameRow(location), 1, 0, 1, 12);
    addCoordinateRows(location, grid);
    grid->addLayout(buildOffsetRow(location), 5, 0, 1, 12);
    Check3 = new QCheckBox(QStringLiteral("Auto Daylight Savings Adjust"), location);
    grid->addWidget(Check3, 6, 1, 1, 11);
    grid->setColumnStretch(11, 1);
    return location;
}

QHBoxLayout* SettingsPanel::buildNameRow(QWidget* location) {
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
    nameRow->setSpacing(kLabelGap);
    nameRow->addWidget(new QLabel(tr("Name"), location));
    nameRow->addWidget(Combo3, 1);
    nameRow->addWidget(Command8);
    nameRow->addWidget(Command9);
    return nameRow;
}

void SettingsPanel::addCoordinateRows(QWidget* location, QGridLayout* grid) {
    grid->addWidget(new QLabel(tr("Degrees"), location), 2, 1, 1, 2);
    grid->addWidget(new QLabel(tr("Minutes"), location), 2, 3, 1, 2);
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

    const auto addRow = [location, grid](int row, const QString& caption, const QList<QWidget*>& fields,
                                         const QString& letters) {
        grid->addWidget(new QLabel(caption, location), row, 0);
        int column = 1;
        for (QWidget* field : fields) {
            grid->addWidget(field, row, column++);
        }
        grid->addWidget(new QLabel(letters, location), row, column);
    };
    addRow(3, tr("Latitude"), {Text30, UpDown9, Text20, UpDown6, Text40, UpDown10}, tr("N or S"));
    addRow(4, tr("Longitude"), {Text15, UpDown7, Text14, UpDown8, Text13, UpDown5}, tr("W or E"));
}

QHBoxLayout* SettingsPanel::buildOffsetRow(QWidget* location) {
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
    auto* zoneLabel = new QLabel(tr("&Zone"), location);
    ZoneList = new ZoneChooser(location);
    ZoneList->setObjectName(QStringLiteral("ZoneList"));
    ZoneList->setMinimumWidth(200);
    zoneLabel->setBuddy(ZoneList);
    offsetRow->addWidget(zoneLabel);
    offsetRow->addWidget(ZoneList, 1);
    return offsetRow;
}

QHBoxLayout* SettingsPanel::buildFindRow(QWidget* location) {
    auto* findRow = new QHBoxLayout;
    findRow->setSpacing(kLabelGap);
    auto* findLabel = new QLabel(tr("&Find place"), location);
    FindPlace = new FindPlaceField(location);
    FindPlace->setObjectName(QStringLiteral("FindPlace"));
    findLabel->setBuddy(FindPlace);
    connect(FindPlace, &FindPlaceField::placeChosen, this, &SettingsPanel::fillFromPlace);
    findRow->addWidget(findLabel);
    findRow->addWidget(FindPlace, 1);
    return findRow;
}

void SettingsPanel::setKeyboardOrder() {
    // Top to bottom as the panel reads: a town found by name first, then what it fills in, the
    // offset row with its zone, and the buttons.
    QWidget* const order[] = {Option1,  Option2,  Combo2, Text12,   Check1,   Check2,   FindPlace, Combo3,
                              Command8, Command9, Text30, Text20,   Text40,   Text15,   Text14,    Text13,
                              Text17,   ZoneList, Check3, Command4, Command2, Command5, Command6};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

QHBoxLayout* SettingsPanel::buildButtonRow() {
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
    return buttons;
}

void SettingsPanel::nameFields() {
    // The captions stand beside the fields, often for a whole row; a screen reader
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
        {ZoneList, "Named time zone"},
        {FindPlace, "Find place"},
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