#include "tray_alarm_window.h"

#include "alarm_view.h"
#include "tray_icon.h"
#include "tray_window_parts.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

using namespace tray_window;

const QString kCountName = QStringLiteral("Fishing time in");
const QString kUnitName = QStringLiteral("Day or days");
const QString kDateName = QStringLiteral("Date prediction applies to");

void setTextColour(QLabel* label, const QColor& colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

QFont scaled(QFont font, double factor, bool bold) {
    if (font.pointSizeF() > 0) {
        font.setPointSizeF(font.pointSizeF() * factor);
    }
    font.setBold(bold);
    return font;
}

} // namespace

TrayAlarmWindow::TrayAlarmWindow(QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setWindowTitle(QStringLiteral(" Biteclock Alarm"));

    title_ = new QLabel(QStringLiteral("Biteclock Alarm"), this);
    title_->setObjectName(QStringLiteral("title"));
    title_->setAlignment(Qt::AlignCenter);
    title_->setFont(scaled(font(), 2.0, true));

    QHBoxLayout* countRow = buildCountRow();
    QGroupBox* dateBox = buildDateBox();
    QHBoxLayout* pictures = buildPictureRow();
    QHBoxLayout* buttons = buildButtonRow();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title_);
    layout->addLayout(countRow);
    layout->addWidget(dateBox);
    layout->addLayout(pictures);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    flashTimer_ = new QTimer(this);
    flashTimer_->setInterval(kFlashIntervalMs);
    connect(flashTimer_, &QTimer::timeout, this, &TrayAlarmWindow::flash);
    setTitleColour(kBlue);

    connect(deactivate_, &QCheckBox::clicked, this, &TrayAlarmWindow::deactivateClicked);
    connect(ok_, &QPushButton::clicked, this, &TrayAlarmWindow::okClicked);
    connect(run_, &QPushButton::clicked, this, &TrayAlarmWindow::runClicked);
    connect(help_, &QPushButton::clicked, this, &TrayAlarmWindow::helpClicked);
}

QHBoxLayout* TrayAlarmWindow::buildCountRow() {
    heading_ = new QLabel(QStringLiteral("It's Fishing time in:"), this);
    heading_->setObjectName(QStringLiteral("heading"));
    heading_->setFont(scaled(font(), 1.3, true));
    count_ = new QLabel(this);
    count_->setObjectName(QStringLiteral("count"));
    count_->setAccessibleName(kCountName);
    count_->setFont(scaled(font(), 1.6, true));
    unit_ = new QLabel(this);
    unit_->setObjectName(QStringLiteral("unit"));
    unit_->setAccessibleName(kUnitName);
    unit_->setFont(scaled(font(), 1.6, true));
    unitColour_ = unit_->palette().color(QPalette::WindowText);
    auto* countRow = new QHBoxLayout;
    countRow->addWidget(heading_);
    countRow->addSpacing(12);
    countRow->addWidget(count_);
    countRow->addWidget(unit_);
    countRow->addStretch(1);
    return countRow;
}

QGroupBox* TrayAlarmWindow::buildDateBox() {
    auto* dateBox = new QGroupBox(QStringLiteral("Date prediction applies to."), this);
    date_ = new QLabel(dateBox);
    date_->setObjectName(QStringLiteral("date"));
    date_->setAccessibleName(kDateName);
    date_->setFont(scaled(font(), 1.2, true));
    (new QVBoxLayout(dateBox))->addWidget(date_);
    return dateBox;
}

QHBoxLayout* TrayAlarmWindow::buildPictureRow() {
    auto* predictionBox = new QGroupBox(QStringLiteral("Current date fishing prediction"), this);
    fishPicture_ = fishPictureBox(predictionBox);
    grade_ = gradeLabel(predictionBox);
    grade_->setFont(scaled(font(), 1.2, true));
    auto* predictionRow = new QHBoxLayout(predictionBox);
    predictionRow->addWidget(fishPicture_);
    predictionRow->addWidget(grade_, 1);

    auto* moonBox = new QGroupBox(QStringLiteral("Current Moon phase"), this);
    moonPicture_ = pictureBox(moonBox);
    moonPicture_->setObjectName(QStringLiteral("moonPicture"));
    moonPicture_->setAccessibleName(QStringLiteral("Current Moon phase picture"));
    (new QHBoxLayout(moonBox))->addWidget(moonPicture_, 0, Qt::AlignCenter);

    auto* pictures = new QHBoxLayout;
    pictures->addWidget(predictionBox, 1);
    pictures->addWidget(moonBox);
    return pictures;
}

QHBoxLayout* TrayAlarmWindow::buildButtonRow() {
    deactivate_ = new QCheckBox(QStringLiteral("&Deactivate  Alarm   "), this);
    tips_.add(deactivate_,
              QStringLiteral("Checking this box will ensure that this form will not be seen at Start up"));

    ok_ = new QPushButton(QStringLiteral("&Ok"), this);
    run_ = new QPushButton(QStringLiteral("&Run Biteclock"), this);
    help_ = new QPushButton(QStringLiteral("&Help"), this);
    ok_->setDefault(true);
    tips_.add(run_, QStringLiteral("Runs main program."));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(deactivate_);
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(run_);
    buttons->addWidget(help_);
    return buttons;
}

void TrayAlarmWindow::showView(const AlarmView& view) {
    setWindowIcon(trayIcon(view.fishPictureId));
    heading_->setText(view.heading);
    count_->setText(view.count);
    // The count and its word read as one: "3 Days", or "To" "day" run together for today (the only
    // day whose word is red).
    count_->setAccessibleName(
        valueName(kCountName, view.count + (view.unitRed ? QString() : QStringLiteral(" ")) + view.unit));
    unit_->setText(view.unit);
    unit_->setAccessibleName(valueName(kUnitName, view.unit));
    setTextColour(unit_, view.unitRed ? kRed : unitColour_);
    date_->setText(view.dateText);
    date_->setAccessibleName(valueName(kDateName, view.dateText));
    grade_->setText(view.gradeText);
    grade_->setAccessibleName(valueName(kGradeName, view.gradeText));
    QPalette palette = grade_->palette();
    palette.setColor(QPalette::Window, view.gradeColour);
    palette.setColor(QPalette::WindowText,
                     view.gradeColour.lightness() < 128 ? QColor(Qt::white) : QColor(Qt::black));
    grade_->setPalette(palette);
    fishPicture_->setPixmap(trayPixmap(view.fishPictureId, kPictureSize));
    moonPicture_->setPixmap(trayPixmap(view.moonPictureId, kPictureSize));
}

void TrayAlarmWindow::setTipsShown(bool shown) {
    tips_.setShown(shown);
}

void TrayAlarmWindow::setTitleColour(const QColor& colour) {
    titleColour_ = colour;
    setTextColour(title_, colour);
}

void TrayAlarmWindow::flash() {
    setTitleColour(titleColour_ == kBlue ? kRed : kBlue);
}

bool TrayAlarmWindow::flashing() const {
    return flashTimer_->isActive();
}

QString TrayAlarmWindow::headingText() const {
    return heading_->text();
}

QString TrayAlarmWindow::countText() const {
    return count_->text();
}

QString TrayAlarmWindow::unitText() const {
    return unit_->text();
}

QColor TrayAlarmWindow::unitColour() const {
    return unit_->palette().color(QPalette::WindowText);
}

QString TrayAlarmWindow::dateText() const {
    return date_->text();
}

QString TrayAlarmWindow::gradeText() const {
    return grade_->text();
}

void TrayAlarmWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    flashTimer_->start();
}

void TrayAlarmWindow::hideEvent(QHideEvent* event) {
    flashTimer_->stop();
    QWidget::hideEvent(event);
}

void TrayAlarmWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    hide();
    emit closed();
}
