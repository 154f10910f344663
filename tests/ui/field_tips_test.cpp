// The field tips: the three windows' tables and switching them on and off.
#include "field_tips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QString>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

QString tipOf(std::span<const FieldTip> tips, const char* control) {
    for (const FieldTip& tip : tips) {
        if (QLatin1String(tip.control) == QLatin1String(control)) {
            return QString::fromLatin1(tip.text);
        }
    }
    return QStringLiteral("<none>");
}

TEST(FieldTips, MainWindowTextsAsTheyStand) {
    const auto tips = mainWindowTips();
    EXPECT_EQ(tipOf(tips, "MSChart1").toStdString(),
              "Graph displaying fishing day predictions ahead, up to the value displayed in graph days.");
    EXPECT_EQ(tipOf(tips, "Text11").toStdString(), "Sets number of days ahead you wish the graph to read.");
    EXPECT_EQ(
        tipOf(tips, "distanceFrame").toStdString(),
        "Displays the distance the Moon this from the Earth, therefore the amount of influence the Moon "
        "has on Earth.");
    EXPECT_EQ(
        tipOf(tips, "Image2").toStdString(),
        "Displays the distance the Moon this from the Earth, therefore the amount of influence the moon "
        "has on the Earth.");
    EXPECT_EQ(tipOf(tips, "Image5").toStdString(), "Displayed date fishing prediction : ");
    EXPECT_EQ(tipOf(tips, "Image3").toStdString(), "Displayed date Moon phase");
    EXPECT_EQ(tipOf(tips, "Text5").toStdString(),
              "Displayed date major fishing time when Moon is below the observer.");
    EXPECT_EQ(tipOf(tips, "Text4").toStdString(),
              "Displayed date major fishing time when Moon is above the observer.");
    EXPECT_EQ(tipOf(tips, "Text7").toStdString(),
              "Displayed date minor fishing time when Moon is above the observer.");
    EXPECT_EQ(tipOf(tips, "Text8").toStdString(),
              "Displayed date minor fishing time when Moon is below the observer.");
    EXPECT_EQ(tipOf(tips, "Label13").toStdString(), "Distance from Earth in Kilometers.");
    EXPECT_EQ(tipOf(tips, "Text2").toStdString(), "Displayed date Sunrise.");
}

TEST(FieldTips, SettingsPanelTextsAsTheyStand) {
    const auto tips = settingsPanelTips();
    EXPECT_EQ(tipOf(tips, "Text20").toStdString(), "Enter Latitude minutes");
    EXPECT_EQ(tipOf(tips, "Text30").toStdString(), "Enter latitude degrees.");
    EXPECT_EQ(tipOf(tips, "Text17").toStdString(), "Enter G.M.T variation from Greenwich, England.");
    EXPECT_EQ(
        tipOf(tips, "Check1").toStdString(),
        "Displays icons in taskbar tray area. Settings do not take effect until computer is restarted.");
    EXPECT_EQ(tipOf(tips, "Command4").toStdString(),
              "Click to apply changes and close program settings window.");
}

TEST(FieldTips, JournalTextsAsTheyStand) {
    const auto tips = journalTips();
    EXPECT_EQ(tipOf(tips, "Text10").toStdString(), "Gps longitude or name of location");
    EXPECT_EQ(tipOf(tips, "Text11").toStdString(), "Best bite rate eg. 10:00am - 11:15am");
    EXPECT_EQ(tipOf(tips, "Text200").toStdString(), "Additional information regarding the fishing trip.");
    EXPECT_EQ(tipOf(tips, "Text1").toStdString(), "Enter Day");
    EXPECT_EQ(tips.size(), 22u);
}

TEST(FieldTips, EachControlOnceAndNoEmptyText) {
    for (const auto tips : {mainWindowTips(), settingsPanelTips(), journalTips()}) {
        QSet<QString> names;
        for (const FieldTip& tip : tips) {
            EXPECT_FALSE(names.contains(QString::fromLatin1(tip.control))) << tip.control;
            names.insert(QString::fromLatin1(tip.control));
            EXPECT_GT(std::char_traits<char>::length(tip.text), 0u) << tip.control;
        }
    }
}

TEST(FieldTips, SwitchedOnAndOff) {
    QWidget window;
    FieldMap fields;
    std::vector<QWidget*> widgets;
    for (const FieldTip& tip : mainWindowTips()) {
        auto* widget = new QLabel(&window);
        fields.insert(QString::fromLatin1(tip.control), widget);
    }
    auto* untouched = new QPushButton(&window);
    untouched->setToolTip(QStringLiteral("own tip"));
    fields.insert(QStringLiteral("NotInTheTable"), untouched);

    tooltipsshow(mainWindowTips(), fields);
    for (const FieldTip& tip : mainWindowTips()) {
        EXPECT_EQ(fields.value(QString::fromLatin1(tip.control))->toolTip().toStdString(), tip.text);
    }
    tooltipss(mainWindowTips(), fields);
    for (const FieldTip& tip : mainWindowTips()) {
        EXPECT_TRUE(fields.value(QString::fromLatin1(tip.control))->toolTip().isEmpty()) << tip.control;
    }
    EXPECT_EQ(untouched->toolTip().toStdString(), "own tip");
}

TEST(FieldTips, MissingFieldsAreSkipped) {
    QLineEdit day;
    tooltipsshow(journalTips(), {{QStringLiteral("Text1"), &day}});
    EXPECT_EQ(day.toolTip().toStdString(), "Enter Day");
    tooltipss(journalTips(), {{QStringLiteral("Text1"), &day}, {QStringLiteral("Text3"), nullptr}});
    EXPECT_TRUE(day.toolTip().isEmpty());
}

TEST(FieldTips, PredictionTip) {
    EXPECT_EQ(predictionTip(QStringLiteral("Excellent")).toStdString(),
              "Displayed date fishing prediction : Excellent");
    EXPECT_EQ(predictionTip(QStringLiteral("Poor")).toStdString(),
              "Displayed date fishing prediction : Poor");
}

} // namespace

TEST(FieldTips, FieldsAreFoundByNameAtAnyDepthOfTheWindow) {
    QWidget window;
    auto* frame = new QWidget(&window);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* day = new QLineEdit(frame);
    day->setObjectName(QStringLiteral("Text1"));
    auto* unnamed = new QLineEdit(&window);
    const FieldMap fields = fieldsOf(window, journalTips());
    EXPECT_EQ(fields.value(QStringLiteral("Frame1")), frame);
    EXPECT_EQ(fields.value(QStringLiteral("Text1")), day);
    EXPECT_EQ(fields.size(), 2); // Text13, Command1 and the rest are not in this window

    tooltipsshow(journalTips(), fields);
    EXPECT_EQ(day->toolTip(), QStringLiteral("Enter Day"));
    EXPECT_TRUE(unnamed->toolTip().isEmpty());
    tooltipss(journalTips(), fields);
    EXPECT_TRUE(day->toolTip().isEmpty());
    EXPECT_TRUE(frame->toolTip().isEmpty());
}
