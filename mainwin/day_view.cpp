#include "day_view.h"

#include "distance_gauge.h"
#include "icon_provider.h"

#include <QColor>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

constexpr int kMoonSide = 48;

QLineEdit* valueField(QWidget* parent, int width = 78) {
    auto* field = new QLineEdit(parent);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::NoFocus);
    field->setFixedWidth(width);
    field->setAlignment(Qt::AlignCenter);
    return field;
}

/// Red + 256 x green + 65536 x blue.
QColor packedColour(qint64 packed) {
    return QColor(static_cast<int>(packed & 0xFF), static_cast<int>((packed >> 8) & 0xFF),
                  static_cast<int>((packed >> 16) & 0xFF));
}

void setBackground(QFrame* frame, const QColor& colour) {
    frame->setStyleSheet(
        QStringLiteral("QFrame { background-color: %1; border: 1px solid #606060; }").arg(colour.name()));
}

QFrame* colourBox(QWidget* parent, const QColor& colour, QSize size) {
    auto* box = new QFrame(parent);
    box->setFixedSize(size);
    setBackground(box, colour);
    return box;
}

void addRow(QGridLayout* grid, int row, const QString& caption, QWidget* field) {
    grid->addWidget(new QLabel(caption, field->parentWidget()), row, 0);
    grid->addWidget(field, row, 1);
}

} // namespace

DayView::DayView(QWidget* parent) {
    sunFrame = new QGroupBox(QObject::tr("Sun"), parent);
    auto* sun = new QGridLayout(sunFrame);
    Text2 = valueField(sunFrame);
    Text32 = valueField(sunFrame);
    Text6 = valueField(sunFrame);
    addRow(sun, 0, QObject::tr("Sunrise"), Text2);
    addRow(sun, 1, QObject::tr("Sunset"), Text32);
    addRow(sun, 2, QObject::tr("Day length"), Text6);
    Label19 = new QLabel(sunFrame);
    Label19->setStyleSheet(QStringLiteral("font-weight: bold; color: #805000;"));
    Label19->hide();
    sun->addWidget(Label19, 3, 0, 1, 2, Qt::AlignCenter);
    sun->setRowStretch(4, 1);

    moonFrame = new QGroupBox(QObject::tr("Moon"), parent);
    auto* moon = new QGridLayout(moonFrame);
    Text21 = valueField(moonFrame);
    Text39 = valueField(moonFrame);
    addRow(moon, 0, QObject::tr("Moonrise"), Text21);
    addRow(moon, 1, QObject::tr("Moonset"), Text39);
    Image3 = new QLabel(moonFrame);
    Image3->setFixedSize(kMoonSide, kMoonSide);
    moon->addWidget(Image3, 0, 2, 2, 1, Qt::AlignCenter);
    auto* ageRow = new QHBoxLayout;
    ageRow->addWidget(new QLabel(QObject::tr("Age (days)"), moonFrame));
    Text9 = valueField(moonFrame, 36);
    ageRow->addWidget(Text9);
    ageRow->addStretch();
    moon->addLayout(ageRow, 2, 0, 1, 2);
    Label14 = new QLabel(moonFrame);
    Label18 = new QLabel(moonFrame);
    Label14->setStyleSheet(QStringLiteral("font-weight: bold;"));
    Label14->hide();
    Label18->hide();
    auto* eventRow = new QHBoxLayout;
    eventRow->addWidget(Label14);
    eventRow->addWidget(Label18);
    eventRow->addStretch();
    moon->addLayout(eventRow, 3, 0, 1, 3);
    moon->setRowMinimumHeight(3, Label14->sizeHint().height());

    periodsFrame = new QGroupBox(QObject::tr("Fishing Times"), parent);
    auto* periods = new QGridLayout(periodsFrame);
    periods->addWidget(new QLabel(QObject::tr("Moon above"), periodsFrame), 0, 1, Qt::AlignCenter);
    periods->addWidget(new QLabel(QObject::tr("Moon below"), periodsFrame), 0, 2, Qt::AlignCenter);
    Text4 = valueField(periodsFrame);
    Text5 = valueField(periodsFrame);
    Text7 = valueField(periodsFrame);
    Text8 = valueField(periodsFrame);
    periods->addWidget(new QLabel(QObject::tr("Major"), periodsFrame), 1, 0);
    periods->addWidget(Text4, 1, 1);
    periods->addWidget(Text5, 1, 2);
    periods->addWidget(new QLabel(QObject::tr("Minor"), periodsFrame), 2, 0);
    periods->addWidget(Text7, 2, 1);
    periods->addWidget(Text8, 2, 2);

    predictionFrame = new QGroupBox(QObject::tr("Prediction"), parent);
    auto* prediction = new QHBoxLayout(predictionFrame);
    Picture2 = colourBox(predictionFrame, Qt::white, QSize(64, 64));
    auto* pictureLayout = new QVBoxLayout(Picture2);
    pictureLayout->setContentsMargins(4, 4, 4, 4);
    Image5 = new QLabel(Picture2);
    Image5->setStyleSheet(QStringLiteral("background: transparent; border: none;"));
    Image5->setPixmap(IconProvider::pixmap(204, QSize(48, 48), parent->devicePixelRatioF()));
    Image5->setAlignment(Qt::AlignCenter);
    pictureLayout->addWidget(Image5);
    prediction->addWidget(Picture2);
    auto* legend = new QGridLayout;
    legend->setVerticalSpacing(2);
    const struct {
        const char* text;
        QColor colour;
    } kLegend[] = {{"Excellent", QColor(0, 0, 192)},
                   {"Good", QColor(0, 255, 0)},
                   {"Fair", QColor(255, 255, 128)},
                   {"Poor", QColor(255, 255, 255)}};
    int row = 0;
    for (const auto& entry : kLegend) {
        legend->addWidget(colourBox(predictionFrame, entry.colour, QSize(14, 14)), row, 0);
        legend->addWidget(new QLabel(QLatin1String(entry.text), predictionFrame), row, 1);
        ++row;
    }
    prediction->addLayout(legend);
    prediction->addStretch();

    distanceFrame = new QGroupBox(QStringLiteral("Lunar distance in Kilometers"), parent);
    auto* distance = new QVBoxLayout(distanceFrame);
    Label13 = new QLabel(distanceFrame);
    Label13->setAlignment(Qt::AlignCenter);
    Label13->setStyleSheet(QStringLiteral("font-weight: bold;"));
    Image2 = new DistanceGauge(distanceFrame);
    distance->addWidget(Label13);
    distance->addWidget(Image2);
}

void DayView::showTimes(const biteclock::AlmanacDay& day) {
    const auto text = [](const std::string& s) { return QString::fromStdString(s); };
    Text2->setText(text(day.main.Text2));
    Text32->setText(text(day.main.Text32));
    Text6->setText(text(day.main.Text6));
    Text21->setText(text(day.main.Text21));
    Text39->setText(text(day.main.Text39));
    Text4->setText(text(day.main.Text4));
    Text5->setText(text(day.main.Text5));
    Text7->setText(text(day.main.Text7));
    Text8->setText(text(day.main.Text8));
    Label14->setText(text(day.main.Label14.text));
    Label14->setVisible(day.main.Label14.visible);
    Label18->setText(text(day.main.Label18.text));
    Label18->setVisible(day.main.Label18.visible);
}

void DayView::showPhase(const biteclock::AlmanacDay& day, bool tipsOn) {
    moonPictureId_ = day.MoonPictureId;
    const QPixmap moon =
        IconProvider::pixmap(day.MoonPictureId, QSize(kMoonSide, kMoonSide), Image3->devicePixelRatioF());
    Image3->setPixmap(moon);
    Image2->setPicture(moon);
    if (tipsOn) {
        Image5->setToolTip(QStringLiteral("Displayed date fishing prediction : ") +
                           QString::fromStdString(day.RatingText));
    }
    setBackground(Picture2, packedColour(QString::fromStdString(day.RatingColour).toLongLong()));
    Text9->setText(QString::number(day.MoonAge));
}

void DayView::showDistance(const biteclock::AlmanacDay& day) {
    Label13->setText(QString::fromStdString(day.main.Label13));
    Image2->setPositions(day.main.Image2Left, day.main.Line1X2);
}

void DayView::showSeason(const QString& label) {
    Label19->setText(label);
    Label19->setVisible(!label.isEmpty());
}
