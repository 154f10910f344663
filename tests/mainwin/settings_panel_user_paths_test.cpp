// The settings panel driven as a user drives it: keys typed into real fields, lists opened with their
// popups and chosen from with the mouse, menus opened and dismissed, then the INI files read back.
#include "journal_window.h"
#include "location_catalogue.h"
#include "window_fixture.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCompleter>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QWindow>

namespace {

class SettingsPanelUserPathTest : public WindowTest {
protected:
    /// Lets the window system deliver what the last step caused (focus changes, popups closing).
    static void settle() {
        for (int i = 0; i < 5; ++i) {
            QApplication::processEvents();
            QTest::qWait(10);
        }
    }

    /// Replaces a field's text by typing, as a user does.
    static void type(QLineEdit* field, const QString& text) {
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
    }

    static void openList(QComboBox* list) {
        list->showPopup();
        settle();
        ASSERT_TRUE(list->view()->isVisible());
    }

    /// Opens a list and clicks one of its entries with the mouse.
    static void chooseWithMouse(QComboBox* list, const QString& entry) {
        openList(list);
        // The list ignores a release that follows its opening too closely (a click that opened it).
        QTest::qWait(QApplication::doubleClickInterval() + 50);
        QAbstractItemView* view = list->view();
        const int row = list->findText(entry, Qt::MatchExactly);
        ASSERT_GE(row, 0) << entry.toStdString();
        const QModelIndex index = view->model()->index(row, list->modelColumn(), view->rootIndex());
        view->scrollTo(index);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
        settle();
        ASSERT_FALSE(view->isVisible());
    }

    /// Opens a list and closes it again with Escape, choosing nothing.
    static void openAndDismiss(QComboBox* list) {
        openList(list);
        QTest::keyClick(list->view(), Qt::Key_Escape);
        settle();
        ASSERT_FALSE(list->view()->isVisible());
    }

    QMenu* settingsMenu() const { return qobject_cast<QMenu*>(window->mnualarm->parent()); }

    /// A value as it stands in the INI file of an application.
    QString ini(const QString& application, const QString& group, const char* key) const {
        store.sync();
        QSettings file(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Biteclock"), application);
        return file.value(group + QLatin1Char('/') + QLatin1String(key), QStringLiteral("<missing>"))
            .toString();
    }
    QString iniShared(const char* key) const {
        return ini(SettingsStore::kShared, QStringLiteral("Settings"), key);
    }
    QString iniLocation(const QString& name, const char* key) const {
        return ini(SettingsStore::kMain, SettingsStore::groupPath(SettingsStore::locationSection(name)), key);
    }

    /// Saves "Reef" (27 30' S, 153 15' E, ten hours ahead) in the catalogue, as Save would.
    void storeReef() {
        LocationCatalogue catalogue(store);
        catalogue.storeNames({QStringLiteral("Reef")});
        catalogue.writeEntry(QStringLiteral("Reef"),
                             {QStringLiteral(" 27"), QStringLiteral(" 30"), QStringLiteral("S"),
                              QStringLiteral(" 153"), QStringLiteral(" 15"), QStringLiteral("E"),
                              QStringLiteral(" 10")});
    }

    MainWindow& openWithPanel() {
        MainWindow& w = openActive();
        w.mnualarm->trigger();
        settle();
        return w;
    }
};

TEST_F(SettingsPanelUserPathTest, MenusAndListsOpenedAndClosedAreNoReturnFromAnotherWindow) {
    storeHome();
    MainWindow& w = openWithPanel();
    const int refreshes = w.refreshCount();
    type(panel().Text30, QStringLiteral("41"));
    panel().Option1->click();

    // A menu of the window's own menu bar, opened and dismissed.
    QMenu* menu = settingsMenu();
    ASSERT_NE(menu, nullptr);
    menu->popup(w.mapToGlobal(QPoint(20, 20)));
    settle();
    ASSERT_TRUE(menu->isVisible());
    QTest::keyClick(menu, Qt::Key_Escape);
    settle();
    ASSERT_FALSE(menu->isVisible());

    // The "Warn on" list and the Name list, opened and closed without a choice.
    openAndDismiss(panel().Combo2);
    openAndDismiss(panel().Combo3);

    EXPECT_EQ(w.refreshCount(), refreshes);
    EXPECT_EQ(panel().Text30->text(), QStringLiteral("41"));
    EXPECT_TRUE(panel().Option1->isChecked());
    EXPECT_EQ(iniShared("latdeg"), QStringLiteral(" 40"));
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(SettingsPanelUserPathTest, FirstStartTypePlaceOpenEachListSaveAndOk) {
    MainWindow& w = openWithPanel();
    // The first start asks for a location, once.
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_TRUE(messages.messages[0].text.startsWith(QStringLiteral("No name has been entered")));

    type(panel().Combo3->lineEdit(), QStringLiteral("Lake Tahoe"));
    type(panel().Text30, QStringLiteral("38"));
    type(panel().Text20, QStringLiteral("56"));
    type(panel().Text15, QStringLiteral("119"));
    type(panel().Text14, QStringLiteral("58"));
    panel().Check3->click(); // the computer's zone without daylight saving
    openAndDismiss(panel().Combo3);
    openAndDismiss(panel().Combo2);
    QMenu* menu = settingsMenu();
    menu->popup(w.mapToGlobal(QPoint(20, 20)));
    settle();
    menu->hide();
    settle();
    EXPECT_EQ(messages.messages.size(), 1);

    QTest::mouseClick(panel().Command8, Qt::LeftButton); // Save
    settle();
    EXPECT_EQ(iniLocation(QStringLiteral("Lake Tahoe"), "latdeg"), QStringLiteral("38"));
    EXPECT_EQ(iniLocation(QStringLiteral("Lake Tahoe"), "latmin"), QStringLiteral("56"));
    EXPECT_EQ(iniLocation(QStringLiteral("Lake Tahoe"), "londeg"), QStringLiteral("119"));
    EXPECT_EQ(iniLocation(QStringLiteral("Lake Tahoe"), "lonmin"), QStringLiteral("58"));
    EXPECT_EQ(ini(SettingsStore::kMain, QStringLiteral("Settings/Locations"), "place(1)"),
              QStringLiteral("Lake Tahoe"));

    QTest::mouseClick(panel().Command4, Qt::LeftButton); // Ok
    settle();
    EXPECT_FALSE(w.settingsPanelOpen());
    EXPECT_EQ(iniShared("currentloc"), QStringLiteral("Lake Tahoe"));
    EXPECT_EQ(iniShared("latdeg"), QStringLiteral(" 38"));
    EXPECT_EQ(iniShared("latmin"), QStringLiteral(" 56"));
    EXPECT_EQ(iniShared("londeg"), QStringLiteral(" 119"));
    EXPECT_EQ(iniShared("lonmin"), QStringLiteral(" 58"));
    EXPECT_EQ(iniShared("daylight"), QStringLiteral("0"));
    EXPECT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Lake Tahoe - Biteclock"));
}

TEST_F(SettingsPanelUserPathTest, AChoiceWithTheMouseLoadsThePlaceAsTheKeyboardDoes) {
    storeHome();
    storeReef();
    MainWindow& w = openWithPanel();
    chooseWithMouse(panel().Combo3, QStringLiteral("Reef"));
    EXPECT_EQ(panel().Combo3->currentText(), QStringLiteral("Reef"));
    EXPECT_EQ(panel().Text30->text(), QStringLiteral(" 27"));
    EXPECT_EQ(panel().Text20->text(), QStringLiteral(" 30"));
    EXPECT_EQ(panel().Text40->text(), QStringLiteral("S"));
    EXPECT_EQ(panel().Text15->text(), QStringLiteral(" 153"));
    EXPECT_EQ(panel().Text14->text(), QStringLiteral(" 15"));
    EXPECT_EQ(panel().Text13->text(), QStringLiteral("E"));
    EXPECT_EQ(panel().Text17->text(), QStringLiteral(" 10"));

    QTest::mouseClick(panel().Command4, Qt::LeftButton);
    settle();
    EXPECT_EQ(iniShared("currentloc"), QStringLiteral("Reef"));
    EXPECT_EQ(iniShared("latdeg"), QStringLiteral(" 27"));
    EXPECT_EQ(iniShared("NorS"), QStringLiteral("S"));
    EXPECT_EQ(iniShared("londeg"), QStringLiteral(" 153"));
    EXPECT_EQ(iniShared("WorE"), QStringLiteral("E"));
    EXPECT_EQ(iniShared("gmt"), QStringLiteral(" 10"));
    // The catalogue itself is untouched, and Home keeps its own place.
    EXPECT_EQ(iniLocation(QStringLiteral("Reef"), "latdeg"), QStringLiteral(" 27"));
    EXPECT_EQ(iniLocation(QStringLiteral("Home"), "latdeg"), QStringLiteral("<missing>"));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Reef - Biteclock"));
}

TEST_F(SettingsPanelUserPathTest, PickedWithTheMouseThenCancelledNothingReachesTheStoreLater) {
    storeHome();
    storeReef();
    MainWindow& w = openWithPanel();
    chooseWithMouse(panel().Combo3, QStringLiteral("Reef"));
    QTest::mouseClick(panel().Command5, Qt::LeftButton); // Cancel
    settle();
    EXPECT_FALSE(w.settingsPanelOpen());
    EXPECT_EQ(panel().Combo3->currentText(), QStringLiteral("Home"));
    EXPECT_EQ(panel().Text30->text(), QStringLiteral(" 40"));

    // To the journal and back: a real return from another window, which refreshes and stores.
    w.Command1->click();
    JournalWindow* journal = w.journalWindow();
    ASSERT_NE(journal, nullptr);
    journal->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(journal));
    const int refreshes = w.refreshCount();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    settle();
    EXPECT_EQ(w.refreshCount(), refreshes + 1);

    EXPECT_EQ(iniShared("currentloc"), QStringLiteral("Home"));
    EXPECT_EQ(iniShared("latdeg"), QStringLiteral(" 40"));
    EXPECT_EQ(iniShared("NorS"), QStringLiteral("N"));
    EXPECT_EQ(iniShared("londeg"), QStringLiteral(" 74"));
    EXPECT_EQ(iniShared("WorE"), QStringLiteral("W"));
    EXPECT_EQ(iniLocation(QStringLiteral("Reef"), "latdeg"), QStringLiteral(" 27"));
    EXPECT_EQ(iniLocation(QStringLiteral("Reef"), "NorS"), QStringLiteral("S"));
}

TEST_F(SettingsPanelUserPathTest, ReturningFromTheJournalKeepsWhatIsTypedOnTheOpenPanel) {
    storeHome();
    MainWindow& w = openWithPanel();
    type(panel().Combo3->lineEdit(), QStringLiteral("Bay"));
    type(panel().Text30, QStringLiteral("12"));
    w.Command1->click();
    JournalWindow* journal = w.journalWindow();
    journal->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(journal));
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    settle();
    // The day is computed again from the store; the panel keeps the user's entry.
    EXPECT_EQ(panel().Combo3->currentText(), QStringLiteral("Bay"));
    EXPECT_EQ(panel().Text30->text(), QStringLiteral("12"));
    EXPECT_EQ(iniShared("currentloc"), QStringLiteral("Home"));
    EXPECT_EQ(iniShared("latdeg"), QStringLiteral(" 40"));
    expectShowsDay(15, 3, 2000);
}

/// One refused value, typed among valid ones, then corrected.
struct BadValue {
    const char* name;
    QLineEdit* SettingsPanel::*field;
    const char* bad;
    const char* good;
    const char* key;    ///< the shared key the corrected value reaches
    const char* stored; ///< as the corrected value is stored
    bool emptied;       ///< the refusal empties the field
};

class BadValueTest : public SettingsPanelUserPathTest, public ::testing::WithParamInterface<BadValue> {};

TEST_P(BadValueTest, RefusedWithFocusInTheFieldOthersKeptThenCorrected) {
    const BadValue& c = GetParam();
    storeHome();
    MainWindow& w = openWithPanel();
    QLineEdit* field = panel().*c.field;
    type(panel().Combo3->lineEdit(), QStringLiteral("Bay"));
    if (field != panel().Text20) {
        type(panel().Text20, QStringLiteral("11"));
    }
    type(field, QString::fromLatin1(c.bad));
    const qsizetype before = messages.messages.size();

    QTest::mouseClick(panel().Command2, Qt::LeftButton); // Apply
    settle();
    ASSERT_EQ(messages.messages.size(), before + 1);
    EXPECT_TRUE(field->hasFocus());
    EXPECT_EQ(field->text().isEmpty(), c.emptied);
    EXPECT_EQ(panel().Combo3->currentText(), QStringLiteral("Bay"));
    if (field != panel().Text20) {
        // Kept as typed, or already written as a whole number by the checks that passed.
        EXPECT_EQ(panel().Text20->text().trimmed(), QStringLiteral("11"));
    }
    EXPECT_EQ(iniShared("currentloc"), QStringLiteral("Home"));

    // Ok with the value still refused: the panel stays open for the correction.
    if (!c.emptied) {
        QTest::mouseClick(panel().Command4, Qt::LeftButton);
        settle();
        EXPECT_TRUE(w.settingsPanelOpen());
        EXPECT_TRUE(field->hasFocus());
    }

    type(field, QString::fromLatin1(c.good));
    QTest::mouseClick(panel().Command4, Qt::LeftButton);
    settle();
    EXPECT_FALSE(w.settingsPanelOpen());
    EXPECT_EQ(iniShared("currentloc"), QStringLiteral("Bay"));
    EXPECT_EQ(iniShared(c.key), QString::fromLatin1(c.stored));
    if (field != panel().Text20) {
        EXPECT_EQ(iniShared("latmin"), QStringLiteral(" 11"));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Fields, BadValueTest,
    ::testing::Values(
        BadValue{"LatitudeOver89", &SettingsPanel::Text30, "95", "39.7", "latdeg", " 39", true},
        BadValue{"LongitudeOver179", &SettingsPanel::Text15, "190", "120", "londeg", " 120", true},
        BadValue{"LatitudeMinutesOver59", &SettingsPanel::Text20, "61", "30", "latmin", " 30", true},
        BadValue{"LongitudeMinutesLetters", &SettingsPanel::Text14, "1a", "7", "lonmin", " 7", false},
        BadValue{"EmptyLatitude", &SettingsPanel::Text30, "", "12", "latdeg", " 12", true}),
    [](const ::testing::TestParamInfo<BadValue>& param) { return std::string(param.param.name); });

TEST_F(SettingsPanelUserPathTest, ANewNameThatBeginsLikeASavedOneStaysNew) {
    storeHome();
    storeReef();
    openWithPanel();
    type(panel().Combo3->lineEdit(), QStringLiteral("Re"));
    EXPECT_EQ(panel().Combo3->currentText(), QStringLiteral("Re"));
    type(panel().Text30, QStringLiteral("5"));
    QTest::mouseClick(panel().Command8, Qt::LeftButton);
    settle();
    EXPECT_EQ(iniLocation(QStringLiteral("Re"), "latdeg"), QStringLiteral("5"));
    EXPECT_EQ(iniLocation(QStringLiteral("Reef"), "latdeg"), QStringLiteral(" 27"));
}

} // namespace
