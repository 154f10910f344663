// The day view's fields on their own: readable field tips over the coloured boxes, the names a
// screen reader announces, and frames that keep to their contents.
#include "day_view.h"
#include "distance_gauge.h"

#include <QAccessible>
#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QToolTip>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace {

/// A day rated "Excellent", whose colour (dark blue) is the darkest the prediction box takes.
biteclock::AlmanacDay excellentDay() {
    biteclock::AlmanacDay day;
    day.RatingText = "Excellent";
    day.RatingColour = std::to_string(192 * 65536);
    day.MoonPictureId = 100;
    day.MoonAge = 14;
    day.main.Label13 = "384400";
    day.main.Label14 = {"Full Moon", true};
    day.main.Label18 = {"06:12 PM", true};
    return day;
}

class DayViewTest : public ::testing::Test {
protected:
    DayViewTest() {
        auto* layout = new QVBoxLayout(&host);
        for (QGroupBox* frame :
             {view.sunFrame, view.moonFrame, view.periodsFrame, view.predictionFrame, view.distanceFrame}) {
            layout->addWidget(frame);
        }
        view.showTimes(excellentDay());
        view.showPhase(excellentDay(), true);
        view.showDistance(excellentDay());
        view.showSeason(QStringLiteral("Equinox"));
        host.show();
        QCoreApplication::processEvents();
    }

    ~DayViewTest() override { hideTip(); }

    /// The tip window shown for `widget`, as the pointer resting on it would show it.
    static QWidget* showTip(QWidget* widget, const QString& text) {
        hideTip();
        QToolTip::showText(widget->mapToGlobal(widget->rect().center()), text, widget);
        QCoreApplication::processEvents();
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->inherits("QTipLabel") && top->isVisible()) {
                return top;
            }
        }
        return nullptr;
    }

    static void hideTip() {
        QToolTip::hideText();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    QWidget host;
    DayView view{&host};
};

/// The share of the picture's pixels in `colour`, and of those far from it in lightness.
struct Ink {
    double inColour = 0;
    double contrasting = 0;
};

Ink inkOf(const QImage& image, const QColor& colour) {
    int same = 0;
    int far = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            same += pixel.rgb() == colour.rgb() ? 1 : 0;
            far += std::abs(pixel.lightness() - colour.lightness()) > 100 ? 1 : 0;
        }
    }
    const double all = std::max(1, image.width() * image.height());
    return {same / all, far / all};
}

TEST_F(DayViewTest, TipsOverEveryFieldAreDrawnAsTipsNotInTheFieldsColours) {
    const QString text = QStringLiteral("Displayed date fishing prediction : Excellent");
    // What a tip looks like over a widget that styles nothing.
    auto* plain = new QWidget(&host);
    QWidget* plainTip = showTip(plain, text);
    ASSERT_NE(plainTip, nullptr);
    const QImage expected = plainTip->grab().toImage();
    const Ink ink = inkOf(expected, QToolTip::palette().color(QPalette::Inactive, QPalette::ToolTipBase));
    ASSERT_GT(ink.inColour, 0.4) << "the tip's own background";
    ASSERT_GT(ink.contrasting, 0.02) << "text that stands out from it";

    QList<QWidget*> fields{view.Image5,  view.Picture2, view.Label19, view.Label13, view.Label14,
                           view.Label18, view.Image3,   view.Image2,  view.Text2,   view.Text9};
    // The legend's colour boxes too: the frames in the prediction frame that are neither the
    // prediction box nor a caption.
    for (QFrame* box : view.predictionFrame->findChildren<QFrame*>(Qt::FindDirectChildrenOnly)) {
        if (box != view.Picture2 && !qobject_cast<QLabel*>(box)) {
            fields.append(box);
        }
    }
    ASSERT_EQ(fields.size(), 14);
    for (QWidget* field : fields) {
        SCOPED_TRACE(field->accessibleName().toStdString());
        QWidget* tip = showTip(field, text);
        ASSERT_NE(tip, nullptr);
        EXPECT_FALSE(tip->font().bold());
        EXPECT_EQ(tip->grab().toImage(), expected) << "drawn in the field's own colours or font";
    }
}

TEST_F(DayViewTest, PredictionBoxShowsTheRatingColourAroundThePicture) {
    const QImage image = view.Picture2->grab().toImage();
    EXPECT_EQ(image.pixelColor(3, 3), QColor(0, 0, 192));
    EXPECT_EQ(image.pixelColor(image.width() - 4, image.height() / 2), QColor(0, 0, 192));
    biteclock::AlmanacDay fair = excellentDay();
    fair.RatingColour = std::to_string(255 + 256 * 255 + 65536 * 128);
    view.showPhase(fair, false);
    EXPECT_EQ(view.Picture2->grab().toImage().pixelColor(3, 3), QColor(255, 255, 128));
}

TEST_F(DayViewTest, EveryValueFieldHasItsOwnSpokenName) {
    const QMap<QString, QWidget*> expected{
        {QStringLiteral("Sunrise"), view.Text2},
        {QStringLiteral("Sunset"), view.Text32},
        {QStringLiteral("Day length"), view.Text6},
        {QStringLiteral("Equinox or solstice"), view.Label19},
        {QStringLiteral("Moonrise"), view.Text21},
        {QStringLiteral("Moonset"), view.Text39},
        {QStringLiteral("Moon phase"), view.Image3},
        {QStringLiteral("Moon age"), view.Text9},
        {QStringLiteral("New or full moon"), view.Label14},
        {QStringLiteral("Time of the new or full moon"), view.Label18},
        {QStringLiteral("Major period, Moon above"), view.Text4},
        {QStringLiteral("Major period, Moon below"), view.Text5},
        {QStringLiteral("Minor period, Moon above"), view.Text7},
        {QStringLiteral("Minor period, Moon below"), view.Text8},
        {QStringLiteral("Fishing prediction"), view.Image5},
        {QStringLiteral("Fishing prediction colour"), view.Picture2},
        {QStringLiteral("Lunar distance"), view.Label13},
        {QStringLiteral("Lunar distance gauge"), view.Image2},
    };
    QStringList names;
    for (auto it = expected.begin(); it != expected.end(); ++it) {
        QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(it.value());
        ASSERT_NE(spoken, nullptr) << it.key().toStdString();
        EXPECT_EQ(spoken->text(QAccessible::Name), it.key());
        names.append(spoken->text(QAccessible::Name));
    }
    // Every read-only box of the view is among them, and no two share a name.
    for (QLineEdit* field : host.findChildren<QLineEdit*>()) {
        EXPECT_TRUE(std::find(expected.begin(), expected.end(), field) != expected.end())
            << field->objectName().toStdString();
    }
    names.removeDuplicates();
    EXPECT_EQ(names.size(), expected.size());

    // The day's grade is spoken with the picture, tips on or off.
    QAccessibleInterface* prediction = QAccessible::queryAccessibleInterface(view.Image5);
    EXPECT_EQ(prediction->text(QAccessible::Description), QStringLiteral("Excellent"));

    // The captions beside the times point at their fields.
    for (QLineEdit* field : {view.Text2, view.Text32, view.Text6, view.Text21, view.Text39, view.Text9}) {
        QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(field);
        const auto labels = spoken->relations(QAccessible::Label); // the caption and the frame
        EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [](const auto& label) {
            return qobject_cast<QLabel*>(label.first->object());
        })) << spoken->text(QAccessible::Name).toStdString();
    }
}

TEST_F(DayViewTest, FramesDoNotGrowPastTheirContents) {
    host.resize(2560, 2000);
    QCoreApplication::processEvents();
    for (QGroupBox* frame :
         {view.sunFrame, view.moonFrame, view.periodsFrame, view.predictionFrame, view.distanceFrame}) {
        SCOPED_TRACE(frame->title().toStdString());
        EXPECT_LE(frame->height(), frame->sizeHint().expandedTo(frame->minimumSize()).height());
    }
    // The prediction picture and its legend do not widen; the frame beside it stands as tall.
    EXPECT_LE(view.predictionFrame->width(), view.predictionFrame->sizeHint().width());
    EXPECT_EQ(view.predictionFrame->height(), view.distanceFrame->height());
    // The season and the new or full moon keep their rows whether shown or not: the frames below do
    // not jump on such days.
    const int withSeason = view.sunFrame->sizeHint().height();
    const int withEvent = view.moonFrame->sizeHint().height();
    view.showSeason(QString());
    view.showTimes(biteclock::AlmanacDay());
    EXPECT_TRUE(view.Label14->isHidden());
    EXPECT_EQ(view.sunFrame->sizeHint().height(), withSeason);
    EXPECT_EQ(view.moonFrame->sizeHint().height(), withEvent);
}

} // namespace
