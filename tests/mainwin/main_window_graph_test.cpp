// The prediction graph and the field tips inside the main window.
#include "chart_type.h"
#include "distance_gauge.h"
#include "prediction_chart.h"
#include "recording_colour_chooser.h"
#include "window_fixture.h"

#include <QAction>
#include <QGroupBox>

namespace {

class MainWindowGraphTest : public WindowTest {
protected:
    MainWindow& openWithColours() {
        window = std::make_unique<MainWindow>(MainWindowServices{
            store, messages, help, launcher, clock, zones, QStringLiteral("/opt/biteclock"), &colours});
        window->show();
        return *window;
    }

    PredictionChart& chart() { return *window->graphChart(); }

    QStringList labels() {
        QStringList result;
        for (const PredictionChart::Row& row : chart().rows()) {
            result.append(row.label);
        }
        return result;
    }

    void typeGraphDays(const QString& text) {
        window->Text11->setText(text);
        window->Text11_KeyPress(Qt::Key_Return);
    }

    RecordingColourChooser colours;
};

TEST_F(MainWindowGraphTest, GraphDaysAreClampedOrComeBackFromTheStore) {
    storeHome();
    MainWindow& w = open();
    EXPECT_EQ(chart().rowCount(), 15);

    typeGraphDays(QStringLiteral("75"));
    EXPECT_EQ(w.Text11->text(), QStringLiteral("60"));
    EXPECT_EQ(chart().rowCount(), 60);
    EXPECT_EQ(w.graphDays(), 60);
    EXPECT_EQ(mainKey("graphday"), QStringLiteral("60"));

    w.Text11->setText(QStringLiteral("1"));
    w.Text11_LostFocus();
    EXPECT_EQ(w.Text11->text(), QStringLiteral("2"));
    EXPECT_EQ(chart().rowCount(), 2);
    EXPECT_EQ(mainKey("graphday"), QStringLiteral("2"));

    typeGraphDays(QStringLiteral("20"));
    typeGraphDays(QString());
    EXPECT_EQ(w.Text11->text(), QStringLiteral("20")) << "emptied: the stored value";
    EXPECT_EQ(chart().rowCount(), 20);

    typeGraphDays(QStringLiteral("lots"));
    EXPECT_EQ(w.Text11->text(), QStringLiteral("20"));
    EXPECT_EQ(chart().rowCount(), 20);

    w.UpDown3->stepUp();
    EXPECT_EQ(w.Text11->text(), QStringLiteral("21"));
    EXPECT_EQ(chart().rowCount(), 21);
    EXPECT_EQ(mainKey("graphday"), QStringLiteral("21"));

    window.reset();
    open();
    EXPECT_EQ(window->Text11->text(), QStringLiteral("21"));
    EXPECT_EQ(chart().rowCount(), 21);
}

TEST_F(MainWindowGraphTest, RowLabelsInBothDateOrders) {
    storeHome();
    MainWindow& w = open();
    ASSERT_TRUE(w.monthFirst());
    EXPECT_EQ(labels().first(), QStringLiteral("3/15"));
    EXPECT_EQ(labels().last(), QStringLiteral("3/29"));
    w.mnudaterep_Click();
    EXPECT_EQ(labels().first(), QStringLiteral("15/3"));
    EXPECT_EQ(labels().last(), QStringLiteral("29/3"));
}

TEST_F(MainWindowGraphTest, FifthPointFromTheTwentyEighthOfFebruary2001) {
    storeHome();
    store.write(SettingsStore::kMain, SettingsStore::kSettings, QStringLiteral("daterep"),
                QStringLiteral("True"));
    MainWindow& w = open();
    ASSERT_FALSE(w.monthFirst());
    enterDate(28, 2, 2001);
    EXPECT_EQ(labels().at(4), QStringLiteral("4/3"));

    QTest::mouseClick(chart().viewport(), Qt::LeftButton, {}, chart().rowPosition(4));
    EXPECT_FALSE(chart().Text18->isHidden());
    EXPECT_FALSE(chart().Text3->isHidden());
    EXPECT_EQ(chart().Text18->text(), QStringLiteral("Selected Date:"));
    EXPECT_EQ(chart().Text3->text(), QStringLiteral("4/3/2001"));

    QTest::mouseDClick(chart().viewport(), Qt::LeftButton, {}, chart().rowPosition(4));
    EXPECT_TRUE(chart().Text18->isHidden());
    EXPECT_TRUE(chart().Text3->isHidden());
    EXPECT_EQ(w.almanacDateText(), QStringLiteral("4 March 2001"));
    expectShowsDay(4, 3, 2001);
    EXPECT_EQ(labels().first(), QStringLiteral("4/3"));
}

TEST_F(MainWindowGraphTest, MonthFirstSelectedDate) {
    storeHome();
    MainWindow& w = open();
    ASSERT_TRUE(w.monthFirst());
    enterDate(28, 2, 2001);
    w.MSChart1_PointSelected(4);
    EXPECT_EQ(chart().Text3->text(), QStringLiteral("3/4/2001"));
}

TEST_F(MainWindowGraphTest, OverlayHiddenByThePanelAndTheDateOrder) {
    storeHome();
    MainWindow& w = open();
    w.MSChart1_PointSelected(1);
    ASSERT_FALSE(chart().Text18->isHidden());
    w.mnualarm_Click();
    EXPECT_TRUE(chart().Text18->isHidden());
    EXPECT_FALSE(chart().isVisible());
    panel().Command5_Click();
    EXPECT_TRUE(chart().isVisible());

    w.MSChart1_PointSelected(1);
    w.mnudaterep_Click();
    EXPECT_TRUE(chart().Text18->isHidden());
    EXPECT_TRUE(chart().Text3->isHidden());
}

TEST_F(MainWindowGraphTest, PlotClickGivesTheDaySpinnerTheFocus) {
    storeHome();
    MainWindow& w = openActive();
    chart().setFocus();
    w.MSChart1_PlotSelected();
    EXPECT_TRUE(date().UpDown1()->hasFocus());
}

TEST_F(MainWindowGraphTest, ChartTypeTicksOneEntryAndPersists) {
    storeHome();
    MainWindow& w = open();
    EXPECT_EQ(chart().chartType(), ChartType::Bar2D);
    const QList<QAction*> entries = w.chartTypeEntries();
    ASSERT_EQ(entries.size(), kChartTypeCount);
    for (int i = 0; i < kChartTypeCount; ++i) {
        EXPECT_EQ(entries[i]->text(), QLatin1String(kChartMenuEntries[i].text));
        EXPECT_EQ(entries[i]->objectName(), QLatin1String(kChartMenuEntries[i].control));
        EXPECT_EQ(entries[i]->isChecked(), i == 1);
    }
    entries[6]->trigger(); // "3D &Step"
    for (int i = 0; i < kChartTypeCount; ++i) {
        EXPECT_EQ(entries[i]->isChecked(), i == 6) << i;
    }
    EXPECT_EQ(chart().chartType(), ChartType::Step3D);
    EXPECT_EQ(w.chartStyle(), 6);
    entries[6]->trigger(); // choosing the ticked entry again keeps it ticked
    EXPECT_TRUE(entries[6]->isChecked());
    w.close();
    EXPECT_EQ(mainKey("graphstyle"), QStringLiteral("6"));

    window.reset();
    MainWindow& second = open();
    EXPECT_EQ(chart().chartType(), ChartType::Step3D);
    int ticked = 0;
    for (QAction* entry : second.chartTypeEntries()) {
        ticked += entry->isChecked() ? 1 : 0;
    }
    EXPECT_EQ(ticked, 1);
    EXPECT_TRUE(second.chartTypeEntries()[6]->isChecked());
}

TEST_F(MainWindowGraphTest, BackgroundColourWithBlueBelowSixteen) {
    storeHome();
    MainWindow& w = openWithColours();
    EXPECT_EQ(chart().backdropColour(), QColor(0, 128, 192));
    colours.answers.append(QColor(12, 11, 10));
    w.mnubackcol_Click();
    ASSERT_EQ(colours.requests.size(), 1);
    EXPECT_EQ(colours.requests[0], QColor(0, 128, 192)) << "the present colour is preselected";
    EXPECT_EQ(mainKey("Chartcolor"), QStringLiteral("658188"));
    EXPECT_EQ(w.chartColourHex(), QStringLiteral("A0B0C"));
    EXPECT_EQ(chart().backdropColour(), QColor(12, 11, 10));
    EXPECT_EQ(chart().Text3->palette().color(QPalette::Base), QColor(12, 11, 10));

    w.mnubackcol_Click(); // cancelled
    EXPECT_EQ(colours.requests.last(), QColor(12, 11, 10));
    EXPECT_EQ(mainKey("Chartcolor"), QStringLiteral("658188"));
    EXPECT_EQ(chart().backdropColour(), QColor(12, 11, 10));

    window.reset();
    openWithColours();
    EXPECT_EQ(chart().backdropColour(), QColor(12, 11, 10));
}

TEST_F(MainWindowGraphTest, GraphFillLeavesTheMoonCaptions) {
    storeHome();
    MainWindow& w = open();
    enterDate(6, 3, 2000); // new moon day at this place
    const DayView& v = w.dayView();
    ASSERT_FALSE(v.Label14->isHidden());
    const QString event = v.Label14->text();
    const QString time = v.Label18->text();
    typeGraphDays(QStringLiteral("30")); // reaches the full moon of 20 March
    EXPECT_FALSE(v.Label14->isHidden());
    EXPECT_EQ(v.Label14->text(), event);
    EXPECT_EQ(v.Label18->text(), time);
    EXPECT_EQ(w.almanac().AlmanacDate, biteclock::dateSerial(2000, 3, 6));
    EXPECT_TRUE(w.almanac().ShowPhaseLabels);
    expectShowsDay(6, 3, 2000);
}

TEST_F(MainWindowGraphTest, FieldTipsOnAndOffAndStored) {
    storeHome();
    MainWindow& w = open();
    ASSERT_TRUE(w.mnutextip->isChecked());
    EXPECT_EQ(
        chart().toolTip(),
        QStringLiteral(
            "Graph displaying fishing day predictions ahead, up to the value displayed in graph days."));
    EXPECT_EQ(w.Text11->toolTip(), QStringLiteral("Sets number of days ahead you wish the graph to read."));
    EXPECT_EQ(w.dayView().Text2->toolTip(), QStringLiteral("Displayed date Sunrise."));
    EXPECT_EQ(panel().Text17->toolTip(), QStringLiteral("Enter G.M.T variation from Greenwich, England."));
    EXPECT_TRUE(
        w.dayView().Image5->toolTip().startsWith(QStringLiteral("Displayed date fishing prediction : ")));
    EXPECT_GT(w.dayView().Image5->toolTip().size(), 36);

    w.mnutextip_Click();
    EXPECT_FALSE(w.mnutextip->isChecked());
    EXPECT_FALSE(SharedSettings(store).tipsShown());
    EXPECT_TRUE(chart().toolTip().isEmpty());
    EXPECT_TRUE(w.Text11->toolTip().isEmpty());
    EXPECT_TRUE(w.dayView().Text2->toolTip().isEmpty());
    EXPECT_TRUE(panel().Text17->toolTip().isEmpty());
    EXPECT_TRUE(w.dayView().Image5->toolTip().isEmpty());
    enterDate(16, 3, 2000);
    EXPECT_TRUE(w.dayView().Image5->toolTip().isEmpty()) << "no prediction tip while tips are off";

    window.reset();
    MainWindow& second = open();
    EXPECT_FALSE(second.mnutextip->isChecked());
    EXPECT_TRUE(chart().toolTip().isEmpty());
    second.mnutextip_Click();
    EXPECT_TRUE(second.mnutextip->isChecked());
    EXPECT_TRUE(SharedSettings(store).tipsShown());
    EXPECT_FALSE(chart().toolTip().isEmpty());
}

TEST_F(MainWindowGraphTest, ResizedWindowKeepsEveryFrameApartAndTheGaugeInside) {
    storeHome();
    MainWindow& w = open();
    const QSize design = w.size();
    for (QSize size : {QSize(1920, 1080), design, QSize(2560, 1440), design}) {
        w.resize(size);
        QCoreApplication::processEvents();
        const QList<QWidget*> frames{w.dateEntry(),
                                     w.dayView().sunFrame,
                                     w.dayView().moonFrame,
                                     w.dayView().periodsFrame,
                                     w.dayView().predictionFrame,
                                     w.dayView().distanceFrame,
                                     w.graphChart()};
        for (int i = 0; i < frames.size(); ++i) {
            const QRect a(frames[i]->mapTo(&w, QPoint(0, 0)), frames[i]->size());
            EXPECT_TRUE(w.rect().contains(a)) << i << " at " << size.width();
            for (int j = i + 1; j < frames.size(); ++j) {
                const QRect b(frames[j]->mapTo(&w, QPoint(0, 0)), frames[j]->size());
                EXPECT_FALSE(a.intersects(b)) << i << " and " << j << " at " << size.width();
            }
        }
        const DistanceGauge* gauge = w.dayView().Image2;
        const QRect inFrame(gauge->mapTo(w.dayView().distanceFrame, QPoint(0, 0)), gauge->size());
        EXPECT_TRUE(w.dayView().distanceFrame->rect().contains(inFrame));
        EXPECT_GE(gauge->pictureLeftPixels(), 0);
        EXPECT_LE(gauge->pictureLeftPixels() + 32, gauge->width());
    }
    EXPECT_TRUE(messages.messages.isEmpty() ||
                messages.messages.last().title != QStringLiteral("Resize Error"));
}

} // namespace
