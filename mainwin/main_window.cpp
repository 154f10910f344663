#include "main_window.h"

#include "activation_watcher.h"
#include "calendar.h"
#include "chart_colour.h"
#include "chart_type.h"
#include "colour_chooser.h"
#include "daily_refresh.h"
#include "date_rules.h"
#include "distance_gauge.h"
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
#include <QLocale>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <cmath>
#include <optional>

#ifndef BITECLOCK_VERSION
#define BITECLOCK_VERSION "0.0.0"
#endif

using biteclock::DateSerial;

namespace {

biteclock::ClockDesignators localDesignators() {
    const QLocale locale;
    return {locale.amText().toStdString(), locale.pmText().toStdString()};
}

DateSerial serialOf(const QDate& date) {
    return biteclock::dateSerial(date.year(), date.month(), date.day());
}

/// The desktop tools that show the region and language settings, in order of preference.
struct RegionTool {
    const char* program;
    const char* argument;
};
constexpr RegionTool kRegionTools[] = {
    {"gnome-control-center", "region"},  {"systemsettings", "kcm_regionandlang"},
    {"systemsettings5", "kcm_formats"},  {"cinnamon-settings", "region"},
    {"xfce4-settings-manager", nullptr},
};

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
    , day_(biteclock::AlmanacFlavour::Main, localDesignators())
    , colours_(services.colours)
    , printers_(services.printers) {
    if (colours_ == nullptr) {
        desktopColours_ = std::make_unique<QtColourChooser>();
        colours_ = desktopColours_.get();
    }
    if (printers_ == nullptr) {
        desktopPrinters_ = std::make_unique<QtPrintService>();
        printers_ = desktopPrinters_.get();
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

void MainWindow::buildWidgets() {
    auto* central = new QWidget(this);
    setCentralWidget(central);
    central->installEventFilter(this);
    auto* grid = new QGridLayout(central);
    grid->setSpacing(6);

    dayView_ = std::make_unique<DayView>(central);
    dateEntry_ = new DateEntry(day_, clock_, *this, central);

    // The day's frames keep their natural height; the room below them stays at the bottom.
    for (QWidget* frame : std::initializer_list<QWidget*>{dateEntry_, dayView_->sunFrame, dayView_->moonFrame,
                                                          dayView_->periodsFrame}) {
        frame->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    }
    auto* left = new QVBoxLayout;
    left->addWidget(dateEntry_);
    left->addWidget(dayView_->sunFrame);
    left->addWidget(dayView_->moonFrame);
    left->addWidget(dayView_->periodsFrame);
    left->addStretch();
    grid->addLayout(left, 0, 0, 3, 1);

    auto* topRight = new QHBoxLayout;
    // The prediction keeps its size; the distance gauge takes the width.
    dayView_->predictionFrame->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    topRight->addWidget(dayView_->predictionFrame);
    topRight->addWidget(dayView_->distanceFrame, 1);
    grid->addLayout(topRight, 0, 1);

    // The prediction rows and, in their place while it is open, the settings panel: two pages of one
    // stack, so that the window keeps its size whichever is shown.
    graphStack_ = new QStackedWidget(central);
    auto* graphArea = new QWidget(graphStack_);
    auto* graphLayout = new QVBoxLayout(graphArea);
    graphLayout->setContentsMargins(0, 0, 0, 0);
    MSChart1 = new PredictionChart(graphArea);
    MSChart1->setMinimumSize(440, 300);
    graphLayout->addWidget(MSChart1, 1);
    MSChart1->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    MSChart1->setAccessibleName(tr("Prediction graph"));
    graphDaysFrame = new QGroupBox(tr("Graph days"), graphArea);
    graphDaysFrame->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
    auto* daysLayout = new QHBoxLayout(graphDaysFrame);
    Text11 = new QLineEdit(graphDaysFrame);
    Text11->setFixedWidth(40);
    Text11->setAlignment(Qt::AlignRight);
    Text11->installEventFilter(this);
    UpDown3 = new Spinner(graphDaysFrame);
    UpDown3->setBuddy(Text11);
    UpDown3->setRange(kMinGraphDays, kMaxGraphDays);
    UpDown3->setFixedSize(17, Text11->sizeHint().height());
    daysLayout->addWidget(Text11);
    daysLayout->addWidget(UpDown3);
    daysLayout->addStretch();
    graphLayout->addWidget(graphDaysFrame);
    Text11->setAccessibleName(tr("Graph days"));
    UpDown3->setAccessibleName(tr("Graph days up or down"));

    panel_ = new SettingsPanel({store_, messages_, help_, zones_, QStringLiteral("Biteclock")}, graphStack_);
    graphStack_->addWidget(graphArea);
    graphStack_->addWidget(panel_);
    graphStack_->setCurrentWidget(graphArea);
    grid->addWidget(graphStack_, 1, 1, 2, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    Command1 = new QPushButton(QStringLiteral("&Journal"), central);
    Command3 = new QPushButton(QStringLiteral("&Exit"), central);
    Command1->setAccessibleName(tr("Journal"));
    Command3->setAccessibleName(tr("Exit"));
    for (QPushButton* b : {Command1, Command3}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    grid->addLayout(buttons, 3, 0, 1, 2);
    // A larger window gives its room to the graph; the day's frames keep their natural size.
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(1, 1);
    grid->setRowStretch(2, 1);

    for (QWidget* frame : std::initializer_list<QWidget*>{dateEntry_, dayView_->sunFrame, dayView_->moonFrame,
                                                          dayView_->periodsFrame, dayView_->predictionFrame,
                                                          dayView_->distanceFrame}) {
        frame->installEventFilter(this);
    }

    connect(Command1, &QPushButton::clicked, this, &MainWindow::Command1_Click);
    connect(Command3, &QPushButton::clicked, this, &QWidget::close);
    connect(Text11, &QLineEdit::returnPressed, this, [this] { Text11_KeyPress(Qt::Key_Return); });
    connect(UpDown3, &Spinner::changed, this, &MainWindow::UpDown3_Change);
    connect(MSChart1, &PredictionChart::pointSelected, this, &MainWindow::MSChart1_PointSelected);
    connect(MSChart1, &PredictionChart::pointActivated, this, &MainWindow::MSChart1_PointActivated);
    connect(MSChart1, &PredictionChart::plotSelected, this, &MainWindow::MSChart1_PlotSelected);
    connect(MSChart1, &PredictionChart::plotActivated, this, &MainWindow::MSChart1_PlotSelected);
    connect(panel_, &SettingsPanel::refreshRequested, this, &MainWindow::Activateform);
    connect(panel_, &SettingsPanel::closeRequested, this, &MainWindow::closeSettingsPanel);
    connect(panel_, &SettingsPanel::daySpinnerFocusRequested, this,
            [this] { dateEntry_->UpDown1->setFocus(); });
}

void MainWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    mnuprintcal = file->addAction(QStringLiteral("&Print Calendar"), this, &MainWindow::mnuprintcal_Click);
    file->addSeparator();
    mnuexit = file->addAction(QStringLiteral("&Exit"), this, &QWidget::close);

    QMenu* settings = menuBar()->addMenu(tr("&Settings"));
    mnualarm = settings->addAction(QStringLiteral("&Program Settings"), this, &MainWindow::mnualarm_Click);
    settings->addSeparator();
    mnurevmoon =
        settings->addAction(QStringLiteral("&Reverse Moon Image"), this, &MainWindow::mnurevmoon_Click);
    // Ticked while the pictures show the Moon as seen from the southern hemisphere; the handler turns
    // the flag over and the tick follows it.
    mnurevmoon->setCheckable(true);
    mnudaterep =
        settings->addAction(QStringLiteral("&Date Representation"), this, &MainWindow::mnudaterep_Click);
    mnuregional =
        settings->addAction(QStringLiteral("R&egional Settings"), this, &MainWindow::mnuregional_Click);
    settings->addSeparator();
    mnutextip = settings->addAction(QStringLiteral("Field &Tips"));
    mnutextip->setCheckable(true);
    // The handler sets the tick itself: undo the toggle the menu has already made.
    connect(mnutextip, &QAction::triggered, this, [this] {
        mnutextip->setChecked(!mnutextip->isChecked());
        mnutextip_Click();
    });

    QMenu* graphs = menuBar()->addMenu(QStringLiteral("&Graphs"));
    graphs->setObjectName(QStringLiteral("mnuGraphs"));
    // One chart type at a time: the entries are a group of radio items.
    auto* chartTypes = new QActionGroup(graphs);
    chartTypes->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    for (const ChartMenuEntry& entry : kChartMenuEntries) {
        QAction* action = graphs->addAction(QString::fromLatin1(entry.text));
        chartTypes->addAction(action);
        action->setObjectName(QString::fromLatin1(entry.control));
        action->setCheckable(true);
        const int type = static_cast<int>(entry.type);
        connect(action, &QAction::triggered, this, [this, type] { chartTypeEntry_Click(type); });
        chartTypeEntries_.append(action);
    }
    graphs->addSeparator();
    mnubackcol = graphs->addAction(QStringLiteral("&Background Color"), this, &MainWindow::mnubackcol_Click);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    mnuhelptopics = help->addAction(QStringLiteral("&Help Topics"), this, &MainWindow::mnuhelptopics_Click);
    help->addSeparator();
    mnuabout = help->addAction(QStringLiteral("&About"), this, &MainWindow::mnuabout_Click);
}

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
        dateEntry_->UpDown1->setFocus();
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::makeFieldsADate() {
    const biteclock::DateFields f = dateEntry_->normalisedFields();
    const bool unchanged = dateEntry_->Combo1->currentIndex() == f.monthIndex &&
                           biteclock::leadingNumber(dateEntry_->Text10->text().toStdString()) == f.year &&
                           biteclock::isNumberText(dateEntry_->Text1->text().toStdString()) &&
                           biteclock::leadingNumber(dateEntry_->Text1->text().toStdString()) == f.day;
    if (unchanged) {
        return;
    }
    // A day typed without Enter must not leave the fields naming a date that does not exist; they are
    // normalised without running the date handling a second time.
    const bool suppressed = dateEntry_->suppressDateEvents;
    dateEntry_->suppressDateEvents = true;
    dateEntry_->Text1->setText(QString::number(f.day));
    dateEntry_->Combo1->setCurrentIndex(f.monthIndex);
    dateEntry_->Text10->setText(QString::number(f.year));
    dateEntry_->suppressDateEvents = suppressed;
}

void MainWindow::Activateform() {
    ++refreshCount_;
    day_.ShowPhaseLabels = true;
    dateEntry_->suppressDateEvents = false;

    // What the user has typed into the panel and not yet stored is theirs: the refresh computes from
    // the store and leaves the panel as it is.
    if (!panel_->hasUnstoredChanges()) {
        panel_->settings();
        panel_->checklatlon();
    }

    day_.moonorth = shared_.moonNorth();
    mnurevmoon->setChecked(!day_.moonorth);
    day_.observer = biteclock::observerFrom(storedCurrentLocation(store_));
    showPlaceInTitle(shared_.currentLocation());
    const int days = mainSettings_.graphDays();
    graphDays_ = days < kMinGraphDays ? kMinGraphDays : (days > kMaxGraphDays ? kMaxGraphDays : days);
    Text11->setText(QString::number(graphDays_));

    makeFieldsADate();
    almanacDateText_ = dateEntry_->almanacDateText();
    const DateSerial displayed = dateEntry_->fieldsDate();
    calcmoontimeForDisplayed(day_, displayed);

    fillGraph(biteclock::graphRows(day_, displayed, graphDays_, monthFirst_));

    day_.AlmanacDate = displayed;
    day_.calcmoon();
    dayView_->showPhase(day_, tipsOn_);
    showDisplayedDayMarks(displayed);

    day_.Sunriseset();
    day_.AlmanacDate = displayed;
    day_.lundist();
    day_.majorminor();
    day_.AlmanacDate = displayed;
    dayView_->showTimes(day_);
    dayView_->showDistance(day_);

    dateEntry_->suppressDateEvents = false;
    dateEntry_->yearKeyPending = false;
}

void MainWindow::showPlaceInTitle(const QString& place) {
    const QString program = QStringLiteral("Biteclock");
    const QString name = place.trimmed();
    setWindowTitle(name.isEmpty() ? program : QStringLiteral("%1 - %2").arg(name, program));
}

void MainWindow::showDisplayedDayMarks(DateSerial displayed) {
    dateEntry_->Command7->setVisible(displayed != serialOf(clock_.today()));
    const biteclock::CalendarDate c = biteclock::calendarDate(displayed);
    dayView_->showSeason(QString::fromUtf8(biteclock::seasonLabel(c.month, c.day)));
}

void MainWindow::datechanged() {
    DateEntry& d = *dateEntry_;
    const double year = biteclock::leadingNumber(d.Text10->text().toStdString());
    if (year > biteclock::kLastYear) {
        d.Text10->setText(QString::number(biteclock::kLastYear));
    } else if (year < biteclock::kFirstYear) {
        d.Text10->setText(QString::number(biteclock::kFirstYear));
    }

    // Steps back or forward when the fields do not form a date; each write runs its field's own
    // handling (the month list's click, the year field's change with its nested date change).
    const biteclock::DateFields f = d.normalisedFields();
    const std::string dayText = d.Text1->text().toStdString();
    const bool dayOk = biteclock::isNumberText(dayText) && biteclock::leadingNumber(dayText) == f.day;
    if (!dayOk || d.Combo1->currentIndex() != f.monthIndex ||
        biteclock::leadingNumber(d.Text10->text().toStdString()) != f.year) {
        d.Text1->setText(QString::number(f.day));
        if (d.Combo1->currentIndex() != f.monthIndex) {
            d.Combo1->setCurrentIndex(f.monthIndex);
        }
        if (biteclock::leadingNumber(d.Text10->text().toStdString()) != f.year) {
            d.Text10->setText(QString::number(f.year));
        }
    }

    almanacDateText_ = d.almanacDateText();
    const DateSerial entered = d.fieldsDate();
    day_.AlmanacDate = entered;
    showDisplayedDayMarks(entered);

    d.setWeekdayNumber(biteclock::weekdayNumber(entered));
    d.weakday();

    fillGraph(biteclock::graphRows(day_, entered, graphDays_, monthFirst_));

    const biteclock::CalendarDate c = biteclock::calendarDate(entered);
    if (c.month == 1) {
        day_.AlmanacDate = biteclock::dateSerial(c.year - 1, c.month, c.day);
        day_.calcmoontime();
    }

    day_.AlmanacDate = entered;
    day_.calcmoon();
    dayView_->showPhase(day_, tipsOn_);
    day_.AlmanacDate = entered;
    day_.Sunriseset();
    day_.AlmanacDate = entered;
    day_.majorminor();
    // The periods leave the context on the next day; the distance that follows is the shown day's.
    day_.AlmanacDate = entered;
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
    dateEntry_->Text1->setText(QString::number(d.day));
    dateEntry_->Combo1->setCurrentIndex(d.month - 1);
    dateEntry_->Text10->setText(QString::number(d.year));
    MSChart1->hideSelectedDate();
    datechanged();
    lundist();
}

void MainWindow::MSChart1_PlotSelected() {
    dateEntry_->UpDown1->setFocus();
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

void MainWindow::mnuregional_Click() {
    for (const RegionTool& tool : kRegionTools) {
        const QString program = QStandardPaths::findExecutable(QLatin1String(tool.program));
        if (program.isEmpty()) {
            continue;
        }
        const QStringList arguments =
            tool.argument != nullptr ? QStringList{QLatin1String(tool.argument)} : QStringList{};
        launcher_.startDetached(program, arguments); // a failure to start is not reported
        return;
    }
}

void MainWindow::mnuhelptopics_Click() {
    help_.showContents();
}

void MainWindow::mnuabout_Click() {
    messages_.show(QStringLiteral("About Biteclock"),
                   QStringLiteral("Biteclock %1\n\nA solunar fishing almanac: sun, Moon and the best fishing "
                                  "times of the day for your place, for any date from 1901 to 2200.")
                       .arg(QStringLiteral(BITECLOCK_VERSION)),
                   MessageService::Icon::Information);
}

void MainWindow::Command1_Click() {
    if (journal_ == nullptr) {
        journal_ = new JournalWindow(
            day_, messages_, &help_, journalFolder_, clock_, monthFirst_, tipsOn_,
            [](int id) { return IconProvider::pixmap(id, QSize(32, 32)); }, mainSettings_.chartColour(),
            this);
    }
    // The date order, the tips and the colour may have changed since the journal was last open.
    journal_->setMonthFirst(monthFirst_);
    journal_->setTipsShown(tipsOn_);
    journal_->setChartColour(mainSettings_.chartColour());
    journal_->show();
    journal_->raise();
    journal_->activateWindow();
}

PrintCalendarWindow* MainWindow::printWindow() const {
    return printWindow_.data();
}

void MainWindow::mnuprintcal_Click() {
    if (printWindow_) {
        printWindow_->raise();
        printWindow_->activateWindow();
        return;
    }
    auto* form = new PrintCalendarWindow(day_, store_, messages_, *printers_, this);
    form->setAttribute(Qt::WA_DeleteOnClose);
    // The legend names the offset and the zone as the settings panel shows them when the page is made.
    form->setZoneTexts([this] {
        return PrintCalendarWindow::ZoneTexts{panel_->Text17->text(), panel_->Text16->text()};
    });
    printWindow_ = form;
    form->show();
}
