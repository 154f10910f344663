#pragma once

#include "almanac_day.h"
#include "daily_refresh.h"
#include "date_entry.h"
#include "day_view.h"
#include "field_tips.h"
#include "main_settings.h"
#include "place_offsets.h"
#include "platform_services.h"
#include "settings_store.h"
#include "shared_settings.h"
#include "time_zone.h"
#include "trip_log.h"

#include <QByteArray>
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <memory>
#include <vector>

class ActivationWatcher;
class CalendarExportDialog;
class ColourChooser;
class FileChooser;
class JournalWindow;
class PrintCalendarWindow;
class PrintService;
class PredictionChart;
class QAction;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class SettingsPanel;
class Spinner;
class TripsWindow;

/// Everything the main window talks to outside itself.
struct MainWindowServices {
    SettingsStore& store;
    MessageService& messages;
    HelpService& help;
    ProcessLauncher& launcher;
    const Clock& clock;
    const biteclock::TimeZoneSource& zones;
    QString programFolder;            ///< stored as "fishpath"
    ColourChooser* colours = nullptr; ///< the background colour choice; the desktop's dialog when none
    PrintService* printers = nullptr; ///< where calendars are printed; the desktop's printers when none
    QString journalFolder = {};       ///< the journal's files; the user's data folder when empty
    FileChooser* files = nullptr;     ///< where exports are saved; the desktop's file dialog when none
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
    /// Refills the prediction graph for the graph-days field, leaving the day's values alone.
    void graph();
    /// Applies the chart colour to the graph's backdrop and its overlay.
    void convertrgb();
    /// Unticks the eight chart-type entries.
    void menuclrcheck();
    /// Field tips on: every field of the window and of the settings panel.
    void tooltipsshow();
    /// Field tips off.
    void tooltipss();

    // The graph and its graph-days field.
    void Text11_KeyPress(int key);
    void Text11_LostFocus();
    void UpDown3_Change();
    /// A chart-type entry of the "&Graphs" menu, by its chart type number.
    void chartTypeEntry_Click(int type);
    void mnubackcol_Click();
    /// A point of the graph clicked; rows count from 0.
    void MSChart1_PointSelected(int row);
    /// A point of the graph double-clicked: its day becomes the displayed date.
    void MSChart1_PointActivated(int row);
    void MSChart1_PlotSelected();
    void mnutextip_Click();

    // Menu entries.
    void mnualarm_Click();
    void mnurevmoon_Click();
    void mnudaterep_Click() { datrep(); }
    void mnuregional_Click();
    void mnuhelptopics_Click();
    void mnuabout_Click();
    /// "&Journal": shows the journal window, made once and kept.
    void Command1_Click();
    /// "&Print Calendar": opens the print window, or brings the open one to the front.
    void mnuprintcal_Click();
    /// "Export to &Calendar...": the fishing times of a span of days as an iCalendar file, for the
    /// current location from the displayed date on.
    void mnuexportcal_Click();
    /// "&Trips...": shows the list of every trip, made once and kept.
    void mnutrips_Click();
    /// Shows the journal window on entry `number`.
    void openJournalAt(int number);

    biteclock::AlmanacDay& almanac() { return day_; }
    const biteclock::AlmanacDay& almanac() const { return day_; }
    DateEntry* dateEntry() const { return dateEntry_; }
    const DayView& dayView() const { return *dayView_; }
    SettingsPanel* settingsPanel() const { return panel_; }
    ActivationWatcher* activationWatcher() const { return watcher_; }
    PredictionChart* graphChart() const { return MSChart1; }
    /// The eight chart-type entries of the "&Graphs" menu, by chart type number.
    const QList<QAction*>& chartTypeEntries() const { return chartTypeEntries_; }
    /// The journal window once it has been opened.
    JournalWindow* journalWindow() const { return journal_; }
    /// The trips window once it has been opened.
    TripsWindow* tripsWindow() const { return trips_; }
    /// The print window while it is open.
    PrintCalendarWindow* printWindow() const;
    /// The export dialog while it is open.
    CalendarExportDialog* exportDialog() const;

    bool monthFirst() const { return monthFirst_; }
    int graphDays() const { return graphDays_; }
    int chartStyle() const { return chartStyle_; }
    QString chartColourHex() const { return chartColourHex_; }
    QString almanacDateText() const { return almanacDateText_; }
    /// Whether the settings panel is open in the graph's place.
    bool settingsPanelOpen() const;
    /// How many times the daily refresh has run.
    int refreshCount() const { return refreshCount_; }

    QAction* mnutrips = nullptr;
    QAction* mnuprintcal = nullptr;
    QAction* mnuexportcal = nullptr;
    QAction* mnualarm = nullptr;
    QAction* mnurevmoon = nullptr;
    QAction* mnudaterep = nullptr;
    QAction* mnuregional = nullptr;
    QAction* mnuhelptopics = nullptr;
    QAction* mnuabout = nullptr;
    QAction* mnuexit = nullptr;
    QAction* mnubackcol = nullptr;
    QAction* mnutextip = nullptr;
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
    void buildGraphPage(QWidget* central);
    void fillGraph(const std::vector<biteclock::GraphRow>& rows);
    FieldMap mainFields() const;
    FieldMap panelFields() const;
    void showDisplayedDayMarks(biteclock::DateSerial displayed);
    void closeSettingsPanel();
    void showPlaceInTitle(const QString& place);
    void connectJournalToTrips();
    /// Where the trips' dates are computed: the stored place, its zone, the Moon picture's hemisphere.
    TripPlace currentTripPlace();

    SettingsStore& store_;
    MessageService& messages_;
    HelpService& help_;
    ProcessLauncher& launcher_;
    const Clock& clock_;
    const biteclock::TimeZoneSource& zones_;
    QString programFolder_;
    QString journalFolder_;
    SharedSettings shared_;
    MainSettings mainSettings_;

    biteclock::AlmanacDay day_;
    PlaceOffsetsCache offsets_; ///< the place's date offsets, asked of the zone rules once per zone
    std::unique_ptr<DayView> dayView_;
    DateEntry* dateEntry_ = nullptr;
    SettingsPanel* panel_ = nullptr;
    PredictionChart* MSChart1 = nullptr;
    QList<QAction*> chartTypeEntries_;
    std::unique_ptr<ColourChooser> desktopColours_;
    ColourChooser* colours_ = nullptr;
    std::unique_ptr<PrintService> desktopPrinters_;
    PrintService* printers_ = nullptr;
    std::unique_ptr<FileChooser> desktopFiles_;
    FileChooser* files_ = nullptr;
    biteclock::DateSerial graphFirst_ = 0; ///< the date of the graph's first row
    QGroupBox* graphDaysFrame = nullptr;
    QStackedWidget* graphStack_ = nullptr; ///< the graph's page, or the settings panel in its place
    ActivationWatcher* watcher_ = nullptr;
    JournalWindow* journal_ = nullptr;
    TripsWindow* trips_ = nullptr;
    QPointer<PrintCalendarWindow> printWindow_;
    QPointer<CalendarExportDialog> exportDialog_;

    bool monthFirst_ = false;
    bool windowLoading_ = false;
    bool tipsOn_ = true;
    int graphDays_ = MainSettings::kDefaultGraphDays;
    int chartStyle_ = MainSettings::kDefaultChartStyle;
    QString chartColourHex_;
    QString almanacDateText_;
    int refreshCount_ = 0;

    // Window states as the store keeps them.
    static constexpr int kNormalState = 0;
    static constexpr int kMinimisedState = 1;
    static constexpr int kMaximisedState = 2;
    // What the store held when the window started: closing writes only what differs.
    int loadedChartStyle_ = MainSettings::kDefaultChartStyle;
    int loadedWindowState_ = kNormalState;
    QByteArray loadedGeometry_;
};
