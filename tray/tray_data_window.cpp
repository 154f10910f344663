#include "tray_data_window.h"

#include "tray_almanac.h"
#include "tray_icon.h"
#include "tray_texts.h"
#include "tray_window_parts.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

using namespace tray_window;

const QString kPhaseCaptionName = QStringLiteral("New or full moon");

// Dark text on a light prediction colour, white on a dark one.
QColor textColourOn(const QColor& background) {
    return background.lightness() < 128 ? QColor(Qt::white) : QColor(Qt::black);
}

} // namespace

QLineEdit* TrayDataWindow::field(const QString& name, const QString& accessibleName) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    // The captions beside the fields repeat ("Rise:" for the Moon and the Sun), so each field says
    // in full what it shows.
    edit->setAccessibleName(accessibleName);
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::ClickFocus);
    edit->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("No moonrise")) + 16);
    return edit;
}

void TrayDataWindow::addTip(QWidget* widget, const QString& tip) {
    tips_.add(widget, tip);
}

TrayDataWindow::TrayDataWindow(QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setWindowTitle(kInitialCaption);

    QGroupBox* moonBox = buildMoonBox();
    QGroupBox* sunBox = buildSunBox();
    QGroupBox* predictionBox = buildPredictionBox();
    QGroupBox* timesBox = buildTimesBox();
    buildOptionBoxes();
    QHBoxLayout* buttons = buildButtonRow();

    auto* grid = new QGridLayout;
    grid->addWidget(moonBox, 0, 0);
    grid->addWidget(sunBox, 0, 1);
    grid->addWidget(predictionBox, 1, 0);
    grid->addWidget(timesBox, 1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(moonIcon_);
    layout->addWidget(fishIcon_);
    layout->addWidget(displayEveryStart_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(moonIcon_, &QCheckBox::clicked, this, &TrayDataWindow::moonIconClicked);
    connect(fishIcon_, &QCheckBox::clicked, this, &TrayDataWindow::fishIconClicked);
    connect(displayEveryStart_, &QCheckBox::clicked, this, &TrayDataWindow::displayEveryStartClicked);
    connect(hide_, &QPushButton::clicked, this, &TrayDataWindow::hideClicked);
    connect(endIcons_, &QPushButton::clicked, this, &TrayDataWindow::endIconsClicked);
}

QGroupBox* TrayDataWindow::buildMoonBox() {
    auto* moonBox = new QGroupBox(QStringLiteral("Moon"), this);
    moonrise_ = field(QStringLiteral("Text2"), QStringLiteral("Moonrise"));
    moonset_ = field(QStringLiteral("Text3"), QStringLiteral("Moonset"));
    moonAge_ = field(QStringLiteral("moonAge"), QStringLiteral("Moon age in days"));
    moonPicture_ = pictureBox(moonBox);
    moonPicture_->setObjectName(QStringLiteral("moonPicture"));
    moonPicture_->setAccessibleName(QStringLiteral("Moon phase picture"));
    phaseCaption_ = new QLabel(moonBox);
    phaseCaption_->setObjectName(QStringLiteral("Label14"));
    phaseCaption_->setAccessibleName(kPhaseCaptionName);
    phaseCaption_->hide();
    auto* moonGrid = new QGridLayout(moonBox);
    moonGrid->addWidget(new QLabel(QStringLiteral("Rise:"), moonBox), 0, 0);
    moonGrid->addWidget(moonrise_, 0, 1);
    moonGrid->addWidget(new QLabel(QStringLiteral("Set:"), moonBox), 1, 0);
    moonGrid->addWidget(moonset_, 1, 1);
    moonGrid->addWidget(new QLabel(QStringLiteral("Age:"), moonBox), 2, 0);
    moonGrid->addWidget(moonAge_, 2, 1);
    moonGrid->addWidget(new QLabel(QStringLiteral("Days"), moonBox), 2, 2);
    moonGrid->addWidget(moonPicture_, 0, 2, 2, 1, Qt::AlignCenter);
    moonGrid->addWidget(phaseCaption_, 3, 0, 1, 3);
    addTip(moonBox, QStringLiteral("Todays Moon rise, set, phase and age."));
    return moonBox;
}

QGroupBox* TrayDataWindow::buildSunBox() {
    auto* sunBox = new QGroupBox(QStringLiteral("Sun"), this);
    sunrise_ = field(QStringLiteral("sunrise"), QStringLiteral("Sunrise"));
    sunset_ = field(QStringLiteral("sunset"), QStringLiteral("Sunset"));
    dayLength_ = field(QStringLiteral("dayLength"), QStringLiteral("Length of day in hours and minutes"));
    auto* sunGrid = new QGridLayout(sunBox);
    sunGrid->addWidget(new QLabel(QStringLiteral("Rise:"), sunBox), 0, 0);
    sunGrid->addWidget(sunrise_, 0, 1);
    sunGrid->addWidget(new QLabel(QStringLiteral("Set:"), sunBox), 1, 0);
    sunGrid->addWidget(sunset_, 1, 1);
    sunGrid->addWidget(new QLabel(QStringLiteral("Length:"), sunBox), 2, 0);
    sunGrid->addWidget(dayLength_, 2, 1);
    sunGrid->addWidget(new QLabel(QStringLiteral("Hrs  :  Min"), sunBox), 2, 2);
    addTip(sunBox, QStringLiteral("Todays Sun rise, set and length of day."));
    return sunBox;
}

QGroupBox* TrayDataWindow::buildPredictionBox() {
    auto* predictionBox = new QGroupBox(QStringLiteral("Fishing Prediction"), this);
    fishPicture_ = fishPictureBox(predictionBox);
    grade_ = gradeLabel(predictionBox);
    grade_->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("Excellent")) + 24);
    auto* predictionRow = new QHBoxLayout(predictionBox);
    predictionRow->addWidget(fishPicture_);
    predictionRow->addWidget(grade_, 1);
    addTip(predictionBox, QStringLiteral("Todays current fishing prediction"));
    return predictionBox;
}

QGroupBox* TrayDataWindow::buildTimesBox() {
    auto* timesBox = new QGroupBox(QStringLiteral("Fishing Times"), this);
    upperMajor_ = field(QStringLiteral("Text4"), QStringLiteral("Major fishing time, Moon above"));
    riseMinor_ = field(QStringLiteral("Text8"), QStringLiteral("Minor fishing time, Moon below"));
    lowerMajor_ = field(QStringLiteral("Text5"), QStringLiteral("Major fishing time, Moon below"));
    setMinor_ = field(QStringLiteral("Text7"), QStringLiteral("Minor fishing time, Moon above"));
    auto* timesGrid = new QGridLayout(timesBox);
    auto* majorHeading = new QLabel(QStringLiteral("Major"), timesBox);
    auto* minorHeading = new QLabel(QStringLiteral("Minor"), timesBox);
    timesGrid->addWidget(majorHeading, 0, 1, Qt::AlignCenter);
    timesGrid->addWidget(minorHeading, 0, 2, Qt::AlignCenter);
    // The main window's pairing: the set minor stands with the Moon above, the rise minor with the
    // Moon below.
    timesGrid->addWidget(new QLabel(QStringLiteral("Moon Above"), timesBox), 1, 0);
    timesGrid->addWidget(upperMajor_, 1, 1);
    timesGrid->addWidget(setMinor_, 1, 2);
    timesGrid->addWidget(new QLabel(QStringLiteral("Moon Below"), timesBox), 2, 0);
    timesGrid->addWidget(lowerMajor_, 2, 1);
    timesGrid->addWidget(riseMinor_, 2, 2);
    for (QWidget* w : {static_cast<QWidget*>(majorHeading), static_cast<QWidget*>(upperMajor_),
                       static_cast<QWidget*>(lowerMajor_)}) {
        addTip(w, QStringLiteral("Major fishing times"));
    }
    for (QWidget* w : {static_cast<QWidget*>(minorHeading), static_cast<QWidget*>(riseMinor_),
                       static_cast<QWidget*>(setMinor_)}) {
        addTip(w, QStringLiteral("Minor fishing times"));
    }
    return timesBox;
}

void TrayDataWindow::buildOptionBoxes() {
    moonIcon_ = new QCheckBox(QStringLiteral("Show &Moon Phase Icon"), this);
    fishIcon_ = new QCheckBox(QStringLiteral("Show &Fish Prediction Icon"), this);
    displayEveryStart_ = new QCheckBox(QStringLiteral("&Display this form every time on start up"), this);
    addTip(moonIcon_, QStringLiteral("Displays the Moon phase icon in the taskbar tray area."));
    addTip(fishIcon_, QStringLiteral("Displays the fishing prediction icon in the taskbar tray area."));
    addTip(displayEveryStart_,
           QStringLiteral("When checked, displays this form every time you start your computer."));
}

QHBoxLayout* TrayDataWindow::buildButtonRow() {
    hide_ = new QPushButton(QStringLiteral("&Hide"), this);
    endIcons_ = new QPushButton(QStringLiteral("&End Icons"), this);
    hide_->setDefault(true);
    addTip(hide_, QStringLiteral("Hides this form, but continues to display icons"));
    addTip(endIcons_,
           QStringLiteral("Ends Icons for this session. They will reload next time computer is started."));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(hide_);
    buttons->addWidget(endIcons_);
    return buttons;
}

void TrayDataWindow::showToday(const TrayToday& today, const QString& dateText) {
    dateText_ = dateText;
    setWindowIcon(trayIcon(today.moonPictureId));
    moonrise_->setText(fromAlmanac(today.fields.Text2));
    moonset_->setText(fromAlmanac(today.fields.Text3));
    moonAge_->setText(QString::number(today.moonAge));
    moonPicture_->setPixmap(trayPixmap(today.moonPictureId, kPictureSize));
    phaseCaption_->setText(fromAlmanac(today.fields.Label14.text));
    phaseCaption_->setAccessibleName(valueName(kPhaseCaptionName, phaseCaption_->text()));
    phaseCaption_->setVisible(today.fields.Label14.visible);
    sunrise_->setText(fromAlmanac(today.fields.sunrise));
    sunset_->setText(fromAlmanac(today.fields.sunset));
    dayLength_->setText(fromAlmanac(today.fields.dayLength));
    fishPicture_->setPixmap(trayPixmap(today.ratingIconId, kPictureSize));
    grade_->setText(fromAlmanac(today.ratingText));
    grade_->setAccessibleName(valueName(kGradeName, grade_->text()));
    const QColor colour = colourFromNumberText(today.ratingColour);
    QPalette palette = grade_->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::WindowText, textColourOn(colour));
    grade_->setPalette(palette);
    upperMajor_->setText(fromAlmanac(today.fields.Text4));
    riseMinor_->setText(fromAlmanac(today.fields.Text8));
    lowerMajor_->setText(fromAlmanac(today.fields.Text5));
    setMinor_->setText(fromAlmanac(today.fields.Text7));
}

void TrayDataWindow::setTipsShown(bool shown) {
    tips_.setShown(shown);
}

void TrayDataWindow::setIconBoxes(bool moon, bool fish) {
    moonIcon_->setChecked(moon);
    fishIcon_->setChecked(fish);
}

void TrayDataWindow::setDisplayEveryStart(bool checked) {
    displayEveryStart_->setChecked(checked);
}

void TrayDataWindow::setEndIconsEnabled(bool enabled) {
    endIcons_->setEnabled(enabled);
}

bool TrayDataWindow::moonIconBox() const {
    return moonIcon_->isChecked();
}

bool TrayDataWindow::fishIconBox() const {
    return fishIcon_->isChecked();
}

bool TrayDataWindow::displayEveryStart() const {
    return displayEveryStart_->isChecked();
}

bool TrayDataWindow::endIconsEnabled() const {
    return endIcons_->isEnabled();
}

bool TrayDataWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && !dateText_.isEmpty()) {
        setWindowTitle(dateText_ + QStringLiteral(" Moon & Fish Data"));
    }
    return QWidget::event(event);
}

void TrayDataWindow::closeEvent(QCloseEvent* event) {
    // Closing hides the window; the companion then decides whether it goes on.
    event->accept();
    hide();
    emit closeRequested();
}
