// The icons' options menu: its entries, the default entry and the enabled state of "Show Data".
#include "tray_menu.h"
#include "tray_test_environment.h"

#include <QAction>
#include <gtest/gtest.h>

namespace {

class TrayMenuTest : public ::testing::Test {
protected:
    void SetUp() override { trayTestApplication(); }
};

TEST_F(TrayMenuTest, HasTheFiveEntriesInOrder) {
    TrayMenu menu;
    EXPECT_EQ(menu.title(), QStringLiteral("&Options"));
    QStringList entries;
    for (const QAction* a : menu.actions()) {
        entries.append(a->isSeparator() ? QStringLiteral("-") : a->text());
    }
    EXPECT_EQ(entries, QStringList({QStringLiteral("Show Data"), QStringLiteral("Run Biteclock"),
                                    QStringLiteral("About Bitetray"), QStringLiteral("-"),
                                    QStringLiteral("End Icons")}));
}

TEST_F(TrayMenuTest, ShowDataIsTheEnabledDefaultWhileTheDataWindowIsHidden) {
    TrayMenu menu;
    menu.prepare(false);
    EXPECT_EQ(menu.showDataAction()->isEnabled(), true);
    EXPECT_EQ(menu.defaultAction(), menu.showDataAction());
}

TEST_F(TrayMenuTest, RunBiteclockIsTheDefaultWhileTheDataWindowIsShown) {
    TrayMenu menu;
    menu.prepare(true);
    EXPECT_EQ(menu.showDataAction()->isEnabled(), false);
    EXPECT_EQ(menu.defaultAction(), menu.runBiteclockAction());
    EXPECT_EQ(menu.runBiteclockAction()->isEnabled(), true);
    EXPECT_EQ(menu.endIconsAction()->isEnabled(), true);

    menu.prepare(false);
    EXPECT_EQ(menu.showDataAction()->isEnabled(), true);
    EXPECT_EQ(menu.defaultAction(), menu.showDataAction());
}

} // namespace
