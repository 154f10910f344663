// The main window as a desktop program: its title, its size and place across restarts, what closing
// writes, its menus' states, and how its layout uses the room it is given.
#include "chart_type.h"
#include "window_fixture.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QGroupBox>

namespace {

class MainWindowLayoutTest : public WindowTest {
protected:
    std::unique_ptr<MainWindow> openAnother() {
        auto other = std::make_unique<MainWindow>(MainWindowServices{store, messages, help, launcher, clock,
                                                                     zones, QStringLiteral("/opt/biteclock"),
                                                                     nullptr, &printers, journalDir.path()});
        other->show();
        return other;
    }
};

TEST_F(MainWindowLayoutTest, TheTitleNamesTheCurrentPlace) {
    MainWindow& first = open();
    EXPECT_EQ(first.windowTitle(), QStringLiteral("Biteclock")); // no place yet
    window.reset();
    storeHome();
    MainWindow& w = open();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Home - Biteclock"));
    SharedSettings(store).setCurrentLocation(QStringLiteral("Lake Tahoe"));
    panel().fillLocationList();
    w.Activateform();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Lake Tahoe - Biteclock"));
}

TEST_F(MainWindowLayoutTest, SizeAndPlaceAreKeptAcrossRestarts) {
    storeHome();
    MainWindow& first = open();
    first.setGeometry(40, 50, 1100, 760);
    QApplication::processEvents();
    const QSize size = first.size();
    first.close();
    EXPECT_NE(mainKey("wingeometry"), QStringLiteral("<missing>"));
    window.reset();
    MainWindow& second = open();
    QApplication::processEvents();
    EXPECT_EQ(second.size(), size);
}

TEST_F(MainWindowLayoutTest, ClosingWritesOnlyWhatThisWindowChanged) {
    storeHome();
    MainWindow& a = open();
    std::unique_ptr<MainWindow> b = openAnother();
    // One window picks another chart type and closes; the other only turns the date order over.
    a.chartTypeEntries()[static_cast<int>(ChartType::Bar3D)]->trigger();
    a.close();
    EXPECT_EQ(mainKey("graphstyle"), QString::number(static_cast<int>(ChartType::Bar3D)));
    b->mnudaterep_Click();
    b->close();
    EXPECT_EQ(mainKey("graphstyle"), QString::number(static_cast<int>(ChartType::Bar3D)));
    EXPECT_EQ(mainKey("daterep"), QStringLiteral("True"));
}

TEST_F(MainWindowLayoutTest, ChartTypesAreOneRadioGroupAndTheMoonEntryShowsItsState) {
    storeHome();
    MainWindow& w = open();
    const QList<QAction*> entries = w.chartTypeEntries();
    QActionGroup* group = entries.front()->actionGroup();
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->exclusionPolicy(), QActionGroup::ExclusionPolicy::Exclusive);
    for (QAction* entry : entries) {
        EXPECT_EQ(entry->actionGroup(), group);
    }
    entries[3]->trigger();
    entries[3]->trigger(); // choosing the ticked entry again keeps it ticked
    EXPECT_EQ(group->checkedAction(), entries[3]);
    EXPECT_EQ(w.chartStyle(), 3);

    ASSERT_TRUE(w.mnurevmoon->isCheckable());
    EXPECT_FALSE(w.mnurevmoon->isChecked());
    w.mnurevmoon->trigger();
    EXPECT_TRUE(w.mnurevmoon->isChecked());
    EXPECT_EQ(shared("moonorth"), QStringLiteral("False"));
    w.Activateform();
    EXPECT_TRUE(w.mnurevmoon->isChecked());
    w.mnurevmoon->trigger();
    EXPECT_FALSE(w.mnurevmoon->isChecked());
}

TEST_F(MainWindowLayoutTest, TheGraphTakesTheRoomOfALargerWindow) {
    storeHome();
    MainWindow& w = open();
    w.resize(w.sizeHint());
    QApplication::processEvents();
    const QSize chartBefore = w.graphChart()->size();
    const int sunBefore = w.dayView().sunFrame->height();
    const QRect dayFieldBefore = w.dateEntry()->Text1()->geometry();
    const QSize dateFrameBefore = w.dateEntry()->size();
    w.resize(w.width() + 600, w.height() + 400);
    QApplication::processEvents();
    EXPECT_GE(w.graphChart()->width(), chartBefore.width() + 550);
    EXPECT_GE(w.graphChart()->height(), chartBefore.height() + 350);
    EXPECT_EQ(w.dayView().sunFrame->height(), sunBefore);
    // Nothing scales the date fields: they stay where the date order put them, at their size.
    EXPECT_EQ(w.dateEntry()->Text1()->geometry(), dayFieldBefore);
    EXPECT_EQ(w.dateEntry()->size().height(), dateFrameBefore.height());
    // Shrinking back gives the room back to the graph alone.
    w.resize(w.sizeHint());
    QApplication::processEvents();
    EXPECT_EQ(w.graphChart()->size(), chartBefore);
}

TEST_F(MainWindowLayoutTest, OpeningAndClosingTheSettingsPanelKeepsTheWindowsSize) {
    storeHome();
    MainWindow& w = open();
    QApplication::processEvents();
    const QSize size = w.size();
    for (int i = 0; i < 4; ++i) {
        w.mnualarm->trigger();
        QApplication::processEvents();
        panel().Command5->click();
        QApplication::processEvents();
    }
    EXPECT_EQ(w.size(), size);
}

} // namespace

namespace {

/// The names a screen reader hears for the controls a user works with, by control.
QStringList accessibleNamesIn(const QWidget& root) {
    QStringList names;
    for (QWidget* w : root.findChildren<QWidget*>()) {
        const bool control =
            qobject_cast<QLineEdit*>(w) != nullptr || qobject_cast<QComboBox*>(w) != nullptr ||
            qobject_cast<QAbstractButton*>(w) != nullptr || qobject_cast<Spinner*>(w) != nullptr;
        // An editable list's own text field is spoken as the list, a spinner's arrows as parts of
        // the named spinner; Qt names its own helpers (the menu bar's overflow button).
        if (!control || w->objectName().startsWith(QLatin1String("qt_")) ||
            qobject_cast<QComboBox*>(w->parentWidget()) != nullptr ||
            qobject_cast<Spinner*>(w->parentWidget()) != nullptr) {
            continue;
        }
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        const QString name = a != nullptr ? a->text(QAccessible::Name).trimmed() : QString();
        names.append(name);
        if (name.isEmpty()) {
            ADD_FAILURE() << "unnamed " << w->metaObject()->className() << " "
                          << w->objectName().toStdString() << " in "
                          << w->parentWidget()->metaObject()->className();
        }
    }
    return names;
}

TEST_F(MainWindowLayoutTest, EveryControlOfTheWindowHasANameOfItsOwn) {
    storeHome();
    MainWindow& w = open();
    for (const QWidget* part : std::initializer_list<const QWidget*>{&w, w.dateEntry(), w.settingsPanel()}) {
        const QStringList names = accessibleNamesIn(*part);
        ASSERT_FALSE(names.isEmpty());
        for (const QString& name : names) {
            EXPECT_FALSE(name.isEmpty()) << names.join(QLatin1Char('|')).toStdString();
            EXPECT_EQ(names.count(name), 1) << name.toStdString();
        }
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(w.Text11)->text(QAccessible::Name),
              QStringLiteral("Graph days"));
}

} // namespace
