#include "main_window.h"

#include "activation_watcher.h"
#include "calendar.h"
#include "daily_refresh.h"
#include "date_rules.h"
#include "icon_provider.h"
#include "number_text.h"
#include "observer.h"
#include "settings_panel.h"
#include "spinner.h"
#include "stored_location.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <cmath>

#ifndef BITECLOCK_VERSION
#define BITECLOCK_VERSION "0.0.0"
#endif

using biteclock::DateSerial;

namespace {

constexpr int kMinGraphDays = 2;
constexpr int kMaxGraphDays = 60;

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
    , shared_(services.store)
    , mainSettings_(services.store)
    , day_(biteclock::AlmanacFlavour::Main, localDesignators()) {
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

    auto* left = new QVBoxLayout;
    left->addWidget(dateEntry_);
    left->addWidget(dayView_->sunFrame);
    left->addWidget(dayView_->moonFrame);
    left->addWidget(dayView_->periodsFrame);
    left->addStretch();
    grid->addLayout(left, 0, 0, 3, 1);

    auto* topRight = new QHBoxLayout;
    topRight->addWidget(dayView_->predictionFrame, 1);
    topRight->addWidget(dayView_->distanceFrame, 1);
    grid->addLayout(topRight, 0, 1);

    // The prediction rows and, in their place while it is open, the settings panel.
    auto* graphArea = new QWidget(central);
    auto* graphLayout = new QVBoxLayout(graphArea);
    graphLayout->setContentsMargins(0, 0, 0, 0);
    MSChart1 = new QListWidget(graphArea);
    MSChart1->setFocusPolicy(Qt::NoFocus);
    MSChart1->setSelectionMode(QAbstractItemView::NoSelection);
    MSChart1->setMinimumSize(440, 300);
    QFont mono = MSChart1->font();
    mono.setFamily(QStringLiteral("DejaVu Sans Mono"));
    mono.setStyleHint(QFont::Monospace);
    MSChart1->setFont(mono);
    graphLayout->addWidget(MSChart1, 1);
    graphDaysFrame = new QGroupBox(tr("Graph days"), graphArea);
    auto* daysLayout = new QHBoxLayout(graphDaysFrame);
    Text11 = new QLineEdit(graphDaysFrame);
    Text11->setFixedWidth(40);
    Text11->setAlignment(Qt::AlignRight);
    Text11->setReadOnly(true);
    UpDown3 = new Spinner(graphDaysFrame);
    UpDown3->setRange(kMinGraphDays, kMaxGraphDays);
    UpDown3->setEnabled(false);
    UpDown3->setFixedSize(17, Text11->sizeHint().height());
    daysLayout->addWidget(Text11);
    daysLayout->addWidget(UpDown3);
    daysLayout->addStretch();
    graphLayout->addWidget(graphDaysFrame);

    panel_ = new SettingsPanel({store_, messages_, help_, zones_, QStringLiteral("Biteclock")}, graphArea);
    panel_->hide();
    graphLayout->addWidget(panel_, 1);
    grid->addWidget(graphArea, 1, 1, 2, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    Command1 = new QPushButton(QStringLiteral("&Journal"), central);
    Command1->setEnabled(false); // the journal window is not part of this program yet
    Command3 = new QPushButton(QStringLiteral("&Exit"), central);
    for (QPushButton* b : {Command1, Command3}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    grid->addLayout(buttons, 3, 0, 1, 2);
    grid->setColumnStretch(1, 1);

    for (QWidget* frame : std::initializer_list<QWidget*>{dateEntry_, dayView_->sunFrame, dayView_->moonFrame,
                                                          dayView_->periodsFrame, dayView_->predictionFrame,
                                                          dayView_->distanceFrame}) {
        frame->installEventFilter(this);
    }

    connect(Command3, &QPushButton::clicked, this, &QWidget::close);
    connect(panel_, &SettingsPanel::refreshRequested, this, &MainWindow::Activateform);
    connect(panel_, &SettingsPanel::closeRequested, this, &MainWindow::closeSettingsPanel);
    connect(panel_, &SettingsPanel::daySpinnerFocusRequested, this,
            [this] { dateEntry_->UpDown1->setFocus(); });
}

void MainWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    mnuexit = file->addAction(QStringLiteral("&Exit"), this, &QWidget::close);

    QMenu* settings = menuBar()->addMenu(tr("&Settings"));
    mnualarm = settings->addAction(QStringLiteral("&Program Settings"), this, &MainWindow::mnualarm_Click);
    settings->addSeparator();
    mnurevmoon =
        settings->addAction(QStringLiteral("&Reverse Moon Image"), this, &MainWindow::mnurevmoon_Click);
    mnudaterep =
        settings->addAction(QStringLiteral("&Date Representation"), this, &MainWindow::mnudaterep_Click);
    mnuregional =
        settings->addAction(QStringLiteral("R&egional Settings"), this, &MainWindow::mnuregional_Click);

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

    switch (mainSettings_.windowState()) {
    case 1:
        setWindowState(Qt::WindowMinimized);
        break;
    case 2:
        setWindowState(Qt::WindowMaximized);
        break;
    default:
        break;
    }

    chartColourHex_ = QString::number(mainSettings_.chartColour(), 16).toUpper();
    convertrgb();
    chartStyle_ = mainSettings_.chartStyle();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    watcher_->windowShown();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    mainSettings_.setChartStyle(chartStyle_);
    int state = 0;
    if (isMinimized()) {
        state = 1;
    } else if (isMaximized()) {
        state = 2;
    }
    mainSettings_.setWindowState(state);
    QMainWindow::closeEvent(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
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

    panel_->settings();
    panel_->checklatlon();

    day_.moonorth = shared_.moonNorth();
    day_.observer = biteclock::observerFrom(storedCurrentLocation(store_));
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
    if (!windowLoading_) {
        graph();
    }
}

void MainWindow::graph() {
    day_.ShowPhaseLabels = false;
    const double n = biteclock::leadingNumber(Text11->text().toStdString());
    const int days =
        n < kMinGraphDays ? kMinGraphDays : (n > kMaxGraphDays ? kMaxGraphDays : static_cast<int>(n));
    almanacDateText_ = dateEntry_->almanacDateText();
    const DateSerial first = dateEntry_->fieldsDate();
    fillGraph(biteclock::graphRows(day_, first, days, monthFirst_));
    day_.ShowPhaseLabels = true;
    graphDays_ = days;
    mainSettings_.setGraphDaysText(Text11->text());
    // The month list's handling computes its table for the date last set: keep it the displayed one.
    day_.AlmanacDate = first;
}

void MainWindow::fillGraph(const std::vector<biteclock::GraphRow>& rows) {
    MSChart1->clear();
    for (const biteclock::GraphRow& row : rows) {
        const QString label = QString::fromStdString(row.label);
        const QString bar(row.rating / 5, QChar(0x2588));
        MSChart1->addItem(QStringLiteral("%1 %2 %3").arg(label, -6).arg(row.rating, 3).arg(bar));
    }
}

void MainWindow::convertrgb() {
    bool ok = false;
    const qlonglong packed = chartColourHex_.toLongLong(&ok, 16);
    const QColor colour(static_cast<int>(packed & 0xFF), static_cast<int>((packed >> 8) & 0xFF),
                        static_cast<int>((packed >> 16) & 0xFF));
    QPalette palette = MSChart1->palette();
    palette.setColor(QPalette::Base, colour);
    palette.setColor(QPalette::Text, colour.lightness() > 140 ? Qt::black : Qt::white);
    MSChart1->setPalette(palette);
}

void MainWindow::closeSettingsPanel() {
    mnualarm->setEnabled(true);
    panel_->hide();
    MSChart1->show();
    graphDaysFrame->show();
}

void MainWindow::mnualarm_Click() {
    MSChart1->hide();
    graphDaysFrame->hide();
    panel_->show();
    mnualarm->setEnabled(false);
}

void MainWindow::mnurevmoon_Click() {
    day_.moonorth = !day_.moonorth;
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
