#pragma once

#include "almanac_day.h"
#include "daily_refresh.h"
#include "date_entry.h"
#include "day_view.h"
#include "main_settings.h"
#include "platform_services.h"
#include "settings_store.h"
#include "shared_settings.h"
#include "time_zone.h"

#include <QMainWindow>
#include <QString>
#include <memory>
#include <vector>

class ActivationWatcher;
class QAction;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class SettingsPanel;
class Spinner;

/// Everything the main window talks to outside itself.
struct MainWindowServices {
    SettingsStore& store;
    MessageService& messages;
    HelpService& help;
    ProcessLauncher& launcher;
    const Clock& clock;
    const biteclock::TimeZoneSource& zones;
    QString programFolder; ///< stored as "fishpath"
};

/// The daily almanac: the date group, the day's sun, Moon and fishing values, the prediction and the
/// lunar distance, and the prediction rows or, in their place, the settings panel. The window only
/// copies the almanac context's texts into its widgets and forwards its events to the routines.
class MainWindow : public QMainWindow, public DateEntryHost {
    Q_OBJECT
public:
    explicit MainWindow(MainWindowServices services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Routines of the window.
    /// The daily refresh: settings panel loaded, validated and stored, observer read from the store,
    /// new and full moon table, graph rows, phase and rating, sun, lunar distance, Moon and periods.
    void Activateform();
    /// Normalises the date fields and recomputes the day for them.
    void datechanged() override;
    /// The lunar distance of the displayed date.
    void lundist() override;
    /// Switches between day-first and month-first dates and stores the choice.
    void datrep();
    /// Refills the prediction rows for the graph-days field.
    void graph();
    /// Applies the chart colour to the prediction rows.
    void convertrgb();

    // Menu entries.
    void mnualarm_Click();
    void mnurevmoon_Click();
    void mnudaterep_Click() { datrep(); }
    void mnuregional_Click();
    void mnuhelptopics_Click();
    void mnuabout_Click();

    biteclock::AlmanacDay& almanac() { return day_; }
    const biteclock::AlmanacDay& almanac() const { return day_; }
    DateEntry* dateEntry() const { return dateEntry_; }
    const DayView& dayView() const { return *dayView_; }
    SettingsPanel* settingsPanel() const { return panel_; }
    ActivationWatcher* activationWatcher() const { return watcher_; }
    QListWidget* graphList() const { return MSChart1; }

    bool monthFirst() const { return monthFirst_; }
    int graphDays() const { return graphDays_; }
    int chartStyle() const { return chartStyle_; }
    QString chartColourHex() const { return chartColourHex_; }
    QString almanacDateText() const { return almanacDateText_; }
    /// How many times the daily refresh has run.
    int refreshCount() const { return refreshCount_; }

    QAction* mnualarm = nullptr;
    QAction* mnurevmoon = nullptr;
    QAction* mnudaterep = nullptr;
    QAction* mnuregional = nullptr;
    QAction* mnuhelptopics = nullptr;
    QAction* mnuabout = nullptr;
    QAction* mnuexit = nullptr;
    QPushButton* Command1 = nullptr; ///< "&Journal"
    QPushButton* Command3 = nullptr; ///< "&Exit"
    QLineEdit* Text11 = nullptr;     ///< graph days
    Spinner* UpDown3 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void buildWidgets();
    void buildMenus();
    void fillGraph(const std::vector<biteclock::GraphRow>& rows);
    void showDisplayedDayMarks(biteclock::DateSerial displayed);
    void closeSettingsPanel();
    void makeFieldsADate();

    SettingsStore& store_;
    MessageService& messages_;
    HelpService& help_;
    ProcessLauncher& launcher_;
    const Clock& clock_;
    const biteclock::TimeZoneSource& zones_;
    QString programFolder_;
    SharedSettings shared_;
    MainSettings mainSettings_;

    biteclock::AlmanacDay day_;
    std::unique_ptr<DayView> dayView_;
    DateEntry* dateEntry_ = nullptr;
    SettingsPanel* panel_ = nullptr;
    QListWidget* MSChart1 = nullptr;
    QGroupBox* graphDaysFrame = nullptr;
    ActivationWatcher* watcher_ = nullptr;

    bool monthFirst_ = false;
    bool windowLoading_ = false;
    bool tipsOn_ = true;
    int graphDays_ = MainSettings::kDefaultGraphDays;
    int chartStyle_ = MainSettings::kDefaultChartStyle;
    QString chartColourHex_;
    QString almanacDateText_;
    int refreshCount_ = 0;
};
