#include "day_view.h"

#include "distance_gauge.h"
#include "field_tips.h"
#include "icon_provider.h"
#include "packed_colour.h"

#include <QColor>
#include <QFont>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QSizePolicy>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int kMoonSide = 48;

QLineEdit* valueField(QWidget* parent, const QString& name, int width = 78) {
    auto* field = new QLineEdit(parent);
    field->setAccessibleName(name);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::NoFocus);
    field->setFixedWidth(width);
    field->setAlignment(Qt::AlignCenter);
    return field;
}

/// Red + 256 x green + 65536 x blue.
QColor packedColour(qint64 packed) {
    return packed_colour::toColour(packed).value_or(QColor(Qt::black));
}

// The colour boxes are painted from their palette, not from a style sheet: a sheet reaches every
// widget under the box, and the field tip of the picture inside is one of them, so it would be
// drawn in the box's colour (or, for a see-through picture, as a black bar).
void setBackground(QFrame* frame, const QColor& colour) {
    QPalette palette = frame->palette();
    palette.setColor(QPalette::Window, colour);
    frame->setPalette(palette);
}

QFrame* colourBox(QWidget* parent, const QColor& colour, QSize size, const QString& name) {
    auto* box = new QFrame(parent);
    box->setFixedSize(size);
    box->setAccessibleName(name);
    box->setFrameStyle(QFrame::Box | QFrame::Plain);
    box->setLineWidth(1);
    box->setAutoFillBackground(true);
    QPalette palette = box->palette();
    palette.setColor(QPalette::WindowText, QColor(0x60, 0x60, 0x60)); // the border
    box->setPalette(palette);
    setBackground(box, colour);
    return box;
}

/// Bold text (and a colour of its own) through the font and the palette, for the same reason.
void emphasise(QLabel* label, const QColor& colour = QColor()) {
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    if (colour.isValid()) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, colour);
        label->setPalette(palette);
    }
}

/// A caption beside its field; the caption names the field for a screen reader too.
void addRow(QGridLayout* grid, int row, const QString& caption, QLineEdit* field) {
    auto* label = new QLabel(caption, field->parentWidget());
    label->setBuddy(field);
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row, 1);
}

/// A label that keeps its room while hidden, so that the frame it sits in keeps its height on the
/// days it shows nothing.
void keepRoomWhenHidden(QLabel* label) {
    QSizePolicy policy = label->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    label->setSizePolicy(policy);
    label->setMinimumHeight(label->fontMetrics().height());
}

/// A frame as tall as its contents: the window gives any height to spare to the graph.
void keepToContents(QGroupBox* frame) {
    frame->setSizePolicy(frame->sizePolicy().horizontalPolicy(), QSizePolicy::Maximum);
}

} // namespace

DayView::DayView(QWidget* parent) {
    buildSunAndMoon(parent);
    buildPeriodsAndPrediction(parent);
    buildDistance(parent);
}

void DayView::buildSunAndMoon(QWidget* parent) {
    sunFrame = new QGroupBox(QObject::tr("Sun"), parent);
    auto* sun = new QGridLayout(sunFrame);
    Text2 = valueField(sunFrame, QObject::tr("Sunrise"));
    Text32 = valueField(sunFrame, QObject::tr("Sunset"));
    Text6 = valueField(sunFrame, QObject::tr("Day length"));
    addRow(sun, 0, QObject::tr("Sunrise"), Text2);
    addRow(sun, 1, QObject::tr("Sunset"), Text32);
    addRow(sun, 2, QObject::tr("Day length"), Text6);
    Label19 = new QLabel(sunFrame);
    Label19->setAccessibleName(QObject::tr("Equinox or solstice"));
    emphasise(Label19, QColor(0x80, 0x50, 0x00));
    keepRoomWhenHidden(Label19);
    Label19->hide();
    sun->addWidget(Label19, 3, 0, 1, 2, Qt::AlignCenter);
    keepToContents(sunFrame);

    moonFrame = new QGroupBox(QObject::tr("Moon"), parent);
    auto* moon = new QGridLayout(moonFrame);
    Text21 = valueField(moonFrame, QObject::tr("Moonrise"));
    Text39 = valueField(moonFrame, QObject::tr("Moonset"));
    addRow(moon, 0, QObject::tr("Moonrise"), Text21);
    addRow(moon, 1, QObject::tr("Moonset"), Text39);
    Image3 = new QLabel(moonFrame);
    Image3->setAccessibleName(QObject::tr("Moon phase"));
    Image3->setFixedSize(kMoonSide, kMoonSide);
    moon->addWidget(Image3, 0, 2, 2, 1, Qt::AlignCenter);
    auto* ageRow = new QHBoxLayout;
    auto* ageCaption = new QLabel(QObject::tr("Age (days)"), moonFrame);
    Text9 = valueField(moonFrame, QObject::tr("Moon age"), 36);
    ageCaption->setBuddy(Text9);
    ageRow->addWidget(ageCaption);
    ageRow->addWidget(Text9);
    ageRow->addStretch();
    moon->addLayout(ageRow, 2, 0, 1, 2);
    Label14 = new QLabel(moonFrame);
    Label18 = new QLabel(moonFrame);
    Label14->setAccessibleName(QObject::tr("New or full moon"));
    Label18->setAccessibleName(QObject::tr("Time of the new or full moon"));
    emphasise(Label14);
    keepRoomWhenHidden(Label14);
    keepRoomWhenHidden(Label18);
    Label14->hide();
    Label18->hide();
    auto* eventRow = new QHBoxLayout;
    eventRow->addWidget(Label14);
    eventRow->addWidget(Label18);
    eventRow->addStretch();
    moon->addLayout(eventRow, 3, 0, 1, 3);
    keepToContents(moonFrame);
}

void DayView::buildPeriodsAndPrediction(QWidget* parent) {
    periodsFrame = new QGroupBox(QObject::tr("Fishing Times"), parent);
    auto* periods = new QGridLayout(periodsFrame);
    periods->addWidget(new QLabel(QObject::tr("Moon above"), periodsFrame), 0, 1, Qt::AlignCenter);
    periods->addWidget(new QLabel(QObject::tr("Moon below"), periodsFrame), 0, 2, Qt::AlignCenter);
    // Each box sits under a column heading and beside a row caption, so no one caption names it.
    Text4 = valueField(periodsFrame, QObject::tr("Major period, Moon above"));
    Text5 = valueField(periodsFrame, QObject::tr("Major period, Moon below"));
    Text7 = valueField(periodsFrame, QObject::tr("Minor period, Moon above"));
    Text8 = valueField(periodsFrame, QObject::tr("Minor period, Moon below"));
    periods->addWidget(new QLabel(QObject::tr("Major"), periodsFrame), 1, 0);
    periods->addWidget(Text4, 1, 1);
    periods->addWidget(Text5, 1, 2);
    periods->addWidget(new QLabel(QObject::tr("Minor"), periodsFrame), 2, 0);
    periods->addWidget(Text7, 2, 1);
    periods->addWidget(Text8, 2, 2);
    keepToContents(periodsFrame);

    predictionFrame = new QGroupBox(QObject::tr("Prediction"), parent);
    auto* prediction = new QHBoxLayout(predictionFrame);
    Picture2 = colourBox(predictionFrame, Qt::white, QSize(64, 64), QObject::tr("Fishing prediction colour"));
    auto* pictureLayout = new QVBoxLayout(Picture2);
    pictureLayout->setContentsMargins(4, 4, 4, 4);
    Image5 = new QLabel(Picture2); // fills nothing itself, so the box's colour shows around the fish
    Image5->setAccessibleName(QObject::tr("Fishing prediction"));
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
        const QString text = QLatin1String(entry.text);
        legend->addWidget(
            colourBox(predictionFrame, entry.colour, QSize(14, 14), text + QObject::tr(" colour")), row, 0);
        legend->addWidget(new QLabel(text, predictionFrame), row, 1);
        ++row;
    }
    prediction->addLayout(legend);
    keepToContents(predictionFrame);
    // Nothing in it grows with the width either: the distance gauge beside it takes the room.
    predictionFrame->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Maximum);
}

void DayView::buildDistance(QWidget* parent) {
    distanceFrame = new QGroupBox(QStringLiteral("Lunar distance in Kilometers"), parent);
    auto* distance = new QVBoxLayout(distanceFrame);
    Label13 = new QLabel(distanceFrame);
    Label13->setAlignment(Qt::AlignCenter);
    Label13->setAccessibleName(QObject::tr("Lunar distance"));
    emphasise(Label13);
    Image2 = new DistanceGauge(distanceFrame);
    Image2->setAccessibleName(QObject::tr("Lunar distance gauge"));
    distance->addWidget(Label13);
    distance->addWidget(Image2);
    keepToContents(distanceFrame);
    // The window sets these two side by side: they stand equally tall.
    const int rowHeight = std::max(predictionFrame->sizeHint().height(), distanceFrame->sizeHint().height());
    predictionFrame->setMinimumHeight(rowHeight);
    distanceFrame->setMinimumHeight(rowHeight);
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
        Image5->setToolTip(predictionTip(QString::fromStdString(day.RatingText)));
    }
    // A screen reader hears the grade whether the tips are on or not.
    Image5->setAccessibleDescription(QString::fromStdString(day.RatingText));
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
