// The help browser both programs open: the contents beside the page, the numbered topics (the main
// window's settings panel, the tray companion), the Back and Forward history and the readable text
// column.
#include "help_window.h"
#include "tray_test_environment.h"

#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

const QUrl kIndex(QStringLiteral("qrc:/help/index.html"));
const QUrl kSettings(QStringLiteral("qrc:/help/settings.html"));
const QUrl kTray(QStringLiteral("qrc:/help/tray.html"));

class HelpWindowTest : public ::testing::Test {
protected:
    void SetUp() override { trayTestApplication(); }

    HelpWindow& window() const { return *help.window(); }
    QString current() const { return window().source().toString(); }
    QString selectedEntry() const {
        const QTreeWidgetItem* item = window().contents()->currentItem();
        return item != nullptr ? item->text(0) : QString();
    }
    QTreeWidgetItem* entry(const QString& title) const {
        const QList<QTreeWidgetItem*> found =
            window().contents()->findItems(title, Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : found.first();
    }

    HelpWindowService help;
};

TEST_F(HelpWindowTest, TheContentsListEveryPageWithItsSections) {
    help.showContents();
    ASSERT_NE(help.window(), nullptr);
    EXPECT_TRUE(window().isVisible());
    EXPECT_EQ(window().windowTitle(), QStringLiteral("Biteclock Help"));
    EXPECT_EQ(current(), kIndex.toString());

    const QTreeWidget* contents = window().contents();
    ASSERT_EQ(contents->topLevelItemCount(), 3);
    EXPECT_EQ(contents->topLevelItem(0)->text(0), QStringLiteral("Biteclock"));
    EXPECT_EQ(contents->topLevelItem(1)->text(0), QStringLiteral("The settings panel"));
    EXPECT_EQ(contents->topLevelItem(2)->text(0), QStringLiteral("The tray companion (Bitetray)"));
    EXPECT_EQ(selectedEntry(), QStringLiteral("Biteclock"));

    // Sections are the headings with an anchor to go to ("Contents" on the first page has none).
    const QTreeWidgetItem* first = contents->topLevelItem(0);
    ASSERT_EQ(first->childCount(), 7);
    EXPECT_EQ(first->child(0)->text(0), QStringLiteral("Getting started"));
    EXPECT_EQ(first->child(4)->text(0), QStringLiteral("Your trips"));
    EXPECT_EQ(first->child(5)->text(0), QStringLiteral("Fishing times in your calendar"));
    EXPECT_EQ(first->child(4)->data(0, Qt::UserRole).toUrl().toString(),
              QStringLiteral("qrc:/help/index.html#trips"));
    EXPECT_EQ(first->child(0)->data(0, Qt::UserRole).toUrl().toString(),
              QStringLiteral("qrc:/help/index.html#first"));
    const QTreeWidgetItem* tray = contents->topLevelItem(2);
    QStringList traySections;
    for (int i = 0; i < tray->childCount(); ++i) {
        traySections.append(tray->child(i)->text(0));
    }
    EXPECT_EQ(traySections, QStringList({QStringLiteral("The two icons"), QStringLiteral("The icon menu"),
                                         QStringLiteral("The data window"), QStringLiteral("The fish alarm"),
                                         QStringLiteral("Starting at log-on")}));
}

TEST_F(HelpWindowTest, TopicsOpenTheirOwnPagesAndTheContentsFollow) {
    EXPECT_EQ(HelpWindowService::pageOf(help_topic::kSettings), kSettings.toString());
    EXPECT_EQ(HelpWindowService::pageOf(help_topic::kTray), kTray.toString());
    EXPECT_EQ(HelpWindowService::pageOf(help_topic::kContents), kIndex.toString());
    EXPECT_EQ(HelpWindowService::pageOf(77), kIndex.toString())
        << "a number without a page opens the contents";

    help.showTopic(help_topic::kSettings);
    EXPECT_EQ(current(), kSettings.toString());
    EXPECT_EQ(selectedEntry(), QStringLiteral("The settings panel"));
    EXPECT_TRUE(window().browser()->toPlainText().contains(QStringLiteral("Fish alarm")));

    help.showTopic(help_topic::kTray);
    EXPECT_EQ(current(), kTray.toString());
    EXPECT_EQ(selectedEntry(), QStringLiteral("The tray companion (Bitetray)"));
    EXPECT_TRUE(window().browser()->toPlainText().contains(QStringLiteral("Current Date Moon & Fish Data")));
    EXPECT_EQ(help.window(), &window()) << "one window, raised again";
}

TEST_F(HelpWindowTest, ChoosingAnEntryOpensItsSectionAndBackAndForwardRetraceTheWay) {
    help.showContents();
    EXPECT_FALSE(window().backButton()->isEnabled());
    EXPECT_FALSE(window().forwardButton()->isEnabled());

    window().contents()->setCurrentItem(entry(QStringLiteral("The fish alarm")));
    EXPECT_EQ(current(), QStringLiteral("qrc:/help/tray.html#alarm"));
    EXPECT_TRUE(window().backButton()->isEnabled());
    help.showTopic(help_topic::kSettings);
    EXPECT_EQ(current(), kSettings.toString());

    window().backButton()->click();
    EXPECT_EQ(current(), QStringLiteral("qrc:/help/tray.html#alarm"));
    EXPECT_EQ(selectedEntry(), QStringLiteral("The fish alarm"));
    EXPECT_TRUE(window().forwardButton()->isEnabled());
    window().backButton()->click();
    EXPECT_EQ(current(), kIndex.toString());
    EXPECT_EQ(selectedEntry(), QStringLiteral("Biteclock"));
    EXPECT_FALSE(window().backButton()->isEnabled());

    window().forwardButton()->click();
    window().forwardButton()->click();
    EXPECT_EQ(current(), kSettings.toString());
    EXPECT_FALSE(window().forwardButton()->isEnabled());

    // A link in the page goes into the history too, and Home goes back to the first page.
    window().browser()->setSource(kTray);
    EXPECT_EQ(selectedEntry(), QStringLiteral("The tray companion (Bitetray)"));
    window().homeButton()->click();
    EXPECT_EQ(current(), kIndex.toString());
    window().backButton()->click();
    EXPECT_EQ(current(), kTray.toString());
}

TEST_F(HelpWindowTest, TheTextKeepsAMarginAndAReadableLineWidth) {
    help.showContents();
    QTextBrowser* browser = window().browser();
    EXPECT_GE(browser->document()->documentMargin(), 12.0);
    EXPECT_EQ(browser->lineWrapMode(), QTextEdit::FixedPixelWidth);
    const int character = browser->fontMetrics().averageCharWidth();

    window().resize(1800, 700);
    QCoreApplication::processEvents();
    ASSERT_GT(browser->viewport()->width(), 120 * character);
    EXPECT_LE(browser->lineWrapColumnOrWidth(), 90 * character) << "lines stop short of a wide window";
    EXPECT_GE(browser->lineWrapColumnOrWidth(), 60 * character);

    window().resize(520, 500);
    QCoreApplication::processEvents();
    EXPECT_LE(browser->lineWrapColumnOrWidth(), browser->viewport()->width())
        << "a narrow window wraps within itself, without a sideways scroll";

    // The margin stays when another page is loaded.
    help.showTopic(help_topic::kTray);
    EXPECT_GE(browser->document()->documentMargin(), 12.0);
}

} // namespace
