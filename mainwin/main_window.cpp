#include "main_window.h"

#include "activation_watcher.h"
#include "chart_colour.h"
#include "chart_type.h"
#include "clock_designators.h"
#include "colour_chooser.h"
#include "daily_refresh.h"
#include "date_rules.h"
#include "date_serial.h"
#include "desktop_services.h"
#include "distance_gauge.h"
#include "file_chooser.h"
#include "find_place_field.h"
#include "graph_days.h"
#include "graph_fill.h"
#include "icon_provider.h"
#include "journal_store.h"
#include "journal_window.h"
#include "number_text.h"
#include "observer.h"
#include "prediction_chart.h"
#include "print_calendar_window.h"
#include "qt_print_service.h"
#include "selected_date.h"
#include "settings_panel.h"
#include "spinner.h"
#include "stored_location.h"
#include "trips_window.h"
#include "version.h"
#include "zone_chooser.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <cmath>
#include <optional>

using biteclock::DateSerial;

namespace {

DateSerial serialOf(const QDate& date) {
    return biteclock::dateSerial(date.year(), date.month(), date.day());
}

} // namespace

MainWindow::MainWindow(MainWindowServices services, QWidget* parent)
    : QMainWindow(parent)
    , store_(services.store)
    , messages_(services.messages)
    , help_(services.help)
    , launcher_(services.launcher)
    , clock_(services.clock)
    , zones_(services.zones)
    , programFolder_(std::move(services.programFolder))
    , journalFolder_(services.journalFolder.isEmpty() ? JournalStore::defaultFolder()
                                                      : std::move(services.journalFolder))
    , shared_(services.store)
    , mainSettings_(services.store)
    , day_(biteclock::AlmanacFlavour::Main, platformClockDesignators())
    , colours_(services.colours)
    , printers_(services.printers)
    , files_(services.files) {
    if (colours_ == nullptr) {
        desktopColours_ = std::make_unique<QtColourChooser>();
        colours_ = desktopColours_.get();
    }
    if (printers_ == nullptr) {
        desktopPrinters_ = std::make_unique<QtPrintService>();
        printers_ = desktopPrinters_.get();
    }
    if (files_ == nullptr) {
        desktopFiles_ = std::make_unique<DesktopFileChooser>();
        files_ = desktopFiles_.get();
    }
    // The tray companion finds this program (and its pictures) through the folder stored here.
    shared_.setProgramFolder(programFolder_);
    setWindowTitle(QStringLiteral("Biteclock"));
    setWindowIcon(IconProvider::icon(106));
    buildWidgets();
    buildMenus();
    watcher_ = new ActivationWatcher(this);
    connect(watcher_, &ActivationWatcher::activated, this, &MainWindow::Activateform);
    Form_Load();
}

MainWindow::~MainWindow() = default;

void MainWindow::Form_Load() {
    windowLoading_ = true;
    monthFirst_ = mainSettings_.dayFirst();
    panel_->fillLocationList();
    datrep();
    windowLoading_ = false;

    dateEntry_->showToday();
    const DateSerial today = serialOf(clock_.today());
    almanacDateText_ = dateEntry_->almanacDateText();
    day_.AlmanacDate = today;

    tipsOn_ = shared_.tipsShown();
    mnutextip->setChecked(tipsOn_);

    loadedGeometry_ = mainSettings_.windowGeometry();
    if (!loadedGeometry_.isEmpty()) {
        restoreGeometry(loadedGeometry_);
    }
    loadedWindowState_ = mainSettings_.windowState();
    switch (loadedWindowState_) {
    case kMinimisedState:
        setWindowState(Qt::WindowMinimized);
        break;
    case kMaximisedState:
        setWindowState(Qt::WindowMaximized);
        break;
    default:
        break;
    }

    chartColourHex_ = chart_colour::toHex(mainSettings_.chartColour());
    convertrgb();
    if (tipsOn_) {
        tooltipsshow();
    } else {
        tooltipss();
    }
    const ChartType type = chartTypeFromNumber(mainSettings_.chartStyle());
    chartStyle_ = static_cast<int>(type);
    loadedChartStyle_ = chartStyle_;
    MSChart1->setChartType(type);
    menuclrcheck();
    chartTypeEntries_[chartStyle_]->setChecked(true);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    watcher_->windowShown();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Only what this window changed since it started is written, so that closing it never undoes
    // what another copy of the program stored meanwhile.
    if (chartStyle_ != loadedChartStyle_) {
        mainSettings_.setChartStyle(chartStyle_);
    }
    int state = kNormalState;
    if (isMinimized()) {
        state = kMinimisedState;
    } else if (isMaximized()) {
        state = kMaximisedState;
    }
    if (state != loadedWindowState_) {
        mainSettings_.setWindowState(state);
    }
    const QByteArray geometry = saveGeometry();
    if (geometry != loadedGeometry_) {
        mainSettings_.setWindowGeometry(geometry);
    }
    QMainWindow::closeEvent(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Text11) {
        if (event->type() == QEvent::FocusOut) {
            Text11_LostFocus();
        }
        return QMainWindow::eventFilter(watched, event);
    }
    if (event->type() == QEvent::MouseButtonPress && watched->isWidgetType()) {
        // A click on the window's background or on a frame ends any entry in progress.
        dateEntry_->focusDaySpinner();
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::Activateform() {
    ++refreshCount_;
    day_.ShowPhaseLabels = true;
    dateEntry_->refreshStarted();

    // What the user has typed into the panel and not yet stored is theirs: the refresh computes from
    // the store and leaves the panel as it is.
    if (!panel_->hasUnstoredChanges()) {
        panel_->settings();
        panel_->checklatlon();
    }

    day_.moonorth = shared_.moonNorth();
    mnurevmoon->setChecked(!day_.moonorth);
    day_.observer = biteclock::observerFrom(storedCurrentLocation(store_));
    // Every date in its own offset when the place follows a zone; the stored offset is today's.
    day_.dateOffsets = offsets_.offsetsFor(storedPlaceZone(store_, day_.observer.zoneOffsetHours), zones_);
    showPlaceInTitle(shared_.currentLocation());
    const int days = mainSettings_.graphDays();
    graphDays_ = days < kMinGraphDays ? kMinGraphDays : (days > kMaxGraphDays ? kMaxGraphDays : days);
    Text11->setText(QString::number(graphDays_));

    dateEntry_->normaliseQuietly();
    almanacDateText_ = dateEntry_->almanacDateText();
    const DateSerial displayed = dateEntry_->fieldsDate();
    fillGraph(biteclock::refreshDay(day_, displayed, graphDays_, monthFirst_));
    dayView_->showPhase(day_, tipsOn_);
    showDisplayedDayMarks(displayed);
    dayView_->showTimes(day_);
    dayView_->showDistance(day_);

    dateEntry_->refreshFinished();
}

void MainWindow::showPlaceInTitle(const QString& place) {
    const QString program = QStringLiteral("Biteclock");
    const QString name = place.trimmed();
    setWindowTitle(name.isEmpty() ? program : QStringLiteral("%1 - %2").arg(name, program));
}

void MainWindow::showDisplayedDayMarks(DateSerial displayed) {
    dateEntry_->setTodayShown(displayed != serialOf(clock_.today()));
    const biteclock::CalendarDate c = biteclock::calendarDate(displayed);
    dayView_->showSeason(QString::fromUtf8(biteclock::seasonLabel(c.month, c.day)));
}

void MainWindow::datechanged() {
    DateEntry& d = *dateEntry_;
    d.normaliseFields();
    almanacDateText_ = d.almanacDateText();
    const DateSerial entered = d.fieldsDate();
    showDisplayedDayMarks(entered);
    d.setWeekdayNumber(biteclock::weekdayNumber(entered));
    d.weakday();

    fillGraph(biteclock::recomputeEnteredDay(day_, entered, graphDays_, monthFirst_));
    dayView_->showPhase(day_, tipsOn_);
    dayView_->showTimes(day_);
}

void MainWindow::lundist() {
    day_.lundist();
    dayView_->showDistance(day_);
}

void MainWindow::datrep() {
    if (!monthFirst_) {
        monthFirst_ = true;
        dateEntry_->placeFields(true);
        mainSettings_.setDayFirst(false);
    } else {
        monthFirst_ = false;
        dateEntry_->placeFields(false);
        mainSettings_.setDayFirst(true);
    }
    MSChart1->hideSelectedDate();
    if (trips_ != nullptr) {
        trips_->setMonthFirst(monthFirst_);
    }
    if (!windowLoading_) {
        graph();
    }
}

void MainWindow::graph() {
    const GraphDaysChoice choice = resolveGraphDays(Text11->text(), mainSettings_.graphDaysText());
    if (Text11->text() != choice.fieldText) {
        Text11->setText(choice.fieldText);
    }
    almanacDateText_ = dateEntry_->almanacDateText();
    const DateSerial first = dateEntry_->fieldsDate();
    // The rows are rated with the Moon captions off, and the context is left on the displayed day (the
    // month list's handling computes its table for the date last set).
    fillGraph(graphFill(day_, first, choice.days, monthFirst_));
    graphDays_ = choice.days;
    mainSettings_.setGraphDaysText(Text11->text());
}

void MainWindow::fillGraph(const std::vector<biteclock::GraphRow>& rows) {
    QList<PredictionChart::Row> chartRows;
    chartRows.reserve(static_cast<qsizetype>(rows.size()));
    for (const biteclock::GraphRow& row : rows) {
        chartRows.append({QString::fromStdString(row.label), row.rating});
    }
    if (!rows.empty()) {
        graphFirst_ = rows.front().date;
    }
    MSChart1->setRows(chartRows);
}

void MainWindow::convertrgb() {
    MSChart1->setBackdropColour(chart_colour::fromHex(chartColourHex_));
}

void MainWindow::menuclrcheck() {
    for (QAction* entry : std::as_const(chartTypeEntries_)) {
        entry->setChecked(false);
    }
}

void MainWindow::chartTypeEntry_Click(int type) {
    menuclrcheck();
    chartStyle_ = static_cast<int>(chartTypeFromNumber(type));
    MSChart1->setChartType(chartTypeFromNumber(chartStyle_));
    chartTypeEntries_[chartStyle_]->setChecked(true);
}

void MainWindow::mnubackcol_Click() {
    const std::optional<QColor> chosen = colours_->choose(MSChart1->backdropColour(), this);
    if (!chosen) {
        return;
    }
    const int packed = chart_colour::toPacked(*chosen);
    mainSettings_.setChartColour(packed);
    chartColourHex_ = chart_colour::toHex(packed);
    convertrgb();
}

void MainWindow::Text11_KeyPress(int key) {
    if (key != Qt::Key_Return && key != Qt::Key_Enter) {
        return;
    }
    graph();
    UpDown3->setFocus();
}

void MainWindow::Text11_LostFocus() {
    // Leaving the field applies its rules; the focus stays where the user put it. The field is only
    // graphed again when it asks for something other than what is shown.
    const GraphDaysChoice choice = resolveGraphDays(Text11->text(), mainSettings_.graphDaysText());
    if (choice.fieldText != Text11->text() || choice.days != MSChart1->rowCount()) {
        graph();
    }
}

void MainWindow::UpDown3_Change() {
    UpDown3->setFocus();
    graph();
}

void MainWindow::MSChart1_PointSelected(int row) {
    MSChart1->showSelectedDate(selectedDateText(graphFirst_ + row, monthFirst_));
}

void MainWindow::MSChart1_PointActivated(int row) {
    const biteclock::CalendarDate d = biteclock::calendarDate(graphFirst_ + row);
    dateEntry_->showDate(d);
    MSChart1->hideSelectedDate();
    datechanged();
    lundist();
}

void MainWindow::MSChart1_PlotSelected() {
    dateEntry_->focusDaySpinner();
}

void MainWindow::mnutextip_Click() {
    if (mnutextip->isChecked()) {
        mnutextip->setChecked(false);
        tooltipss();
    } else {
        tooltipsshow();
        mnutextip->setChecked(true);
        // The prediction picture's tip names the displayed day's grade at once, not at the next refresh.
        dayView_->Image5->setToolTip(predictionTip(QString::fromStdString(day_.RatingText)));
    }
    tipsOn_ = mnutextip->isChecked();
    shared_.setTipsShown(tipsOn_);
}

void MainWindow::tooltipsshow() {
    ::tooltipsshow(mainWindowTips(), mainFields());
    ::tooltipsshow(settingsPanelTips(), panelFields());
}

void MainWindow::tooltipss() {
    ::tooltipss(mainWindowTips(), mainFields());
    ::tooltipss(settingsPanelTips(), panelFields());
}

FieldMap MainWindow::mainFields() const {
    const DayView& v = *dayView_;
    FieldMap fields;
    const auto add = [&fields](const char* name, QWidget* field) {
        fields.insert(QLatin1String(name), field);
    };
    add("Dateframe", dateEntry_);
    add("Text11", Text11);
    add("graphDaysFrame", graphDaysFrame);
    add("distanceFrame", v.distanceFrame);
    add("Command1", Command1);
    add("MSChart1", MSChart1);
    add("Image5", v.Image5);
    add("Image3", v.Image3);
    add("Text5", v.Text5);
    add("Text4", v.Text4);
    add("Text7", v.Text7);
    add("Text8", v.Text8);
    add("Text6", v.Text6);
    add("Text21", v.Text21);
    add("Text39", v.Text39);
    add("Text2", v.Text2);
    add("Text32", v.Text32);
    add("Text9", v.Text9);
    add("Label13", v.Label13);
    add("Image2", v.Image2);
    add("Label19", v.Label19);
    return fields;
}

FieldMap MainWindow::panelFields() const {
    const SettingsPanel& p = *panel_;
    FieldMap fields;
    const auto add = [&fields](const char* name, QWidget* field) {
        fields.insert(QLatin1String(name), field);
    };
    add("Option1", p.Option1);
    add("ZoneList", p.ZoneList);
    add("FindPlace", p.FindPlace);
    add("Option2", p.Option2);
    add("Combo2", p.Combo2);
    add("Text12", p.Text12);
    add("UpDown4", p.UpDown4);
    add("Check1", p.Check1);
    add("Check2", p.Check2);
    add("Check3", p.Check3);
    add("Text20", p.Text20);
    add("Text30", p.Text30);
    add("Text40", p.Text40);
    add("Text15", p.Text15);
    add("Text14", p.Text14);
    add("Text13", p.Text13);
    add("Text17", p.Text17);
    add("Text16", p.Text16);
    add("Command2", p.Command2);
    add("Command5", p.Command5);
    add("Command4", p.Command4);
    return fields;
}

void MainWindow::closeSettingsPanel() {
    mnualarm->setEnabled(true);
    graphStack_->setCurrentIndex(0);
}

void MainWindow::mnualarm_Click() {
    MSChart1->hideSelectedCaption();
    graphStack_->setCurrentWidget(panel_);
    mnualarm->setEnabled(false);
}

bool MainWindow::settingsPanelOpen() const {
    return graphStack_->currentWidget() == panel_;
}

void MainWindow::mnurevmoon_Click() {
    day_.moonorth = !day_.moonorth;
    mnurevmoon->setChecked(!day_.moonorth);
    datechanged();
    shared_.setMoonNorth(day_.moonorth);
}
