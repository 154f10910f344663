// The main window's widgets, their layout and its menus.
#include "activation_watcher.h"
#include "chart_colour.h"
#include "chart_type.h"
#include "clock_designators.h"
#include "colour_chooser.h"
#include "daily_refresh.h"
#include "date_rules.h"
#include "date_serial.h"
#include "distance_gauge.h"
#include "graph_days.h"
#include "graph_fill.h"
#include "icon_provider.h"
#include "journal_store.h"
#include "journal_window.h"
#include "main_window.h"
#include "number_text.h"
#include "observer.h"
#include "prediction_chart.h"
#include "print_calendar_window.h"
#include "qt_print_service.h"
#include "selected_date.h"
#include "settings_panel.h"
#include "spinner.h"
#include "stored_location.h"
#include "version.h"

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

    buildGraphPage(central);
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
            [this] { dateEntry_->focusDaySpinner(); });
}

void MainWindow::buildGraphPage(QWidget* central) {
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

    panel_ = new SettingsPanel({store_, messages_, help_, zones_, QStringLiteral("Biteclock"), &clock_},
                               graphStack_);
    graphStack_->addWidget(graphArea);
    graphStack_->addWidget(panel_);
    graphStack_->setCurrentWidget(graphArea);
}

void MainWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    mnutrips = file->addAction(QStringLiteral("&Trips..."), this, &MainWindow::mnutrips_Click);
    mnutrips->setStatusTip(
        QStringLiteral("Every trip of the journal in one list, with how the catches went"));
    mnuprintcal = file->addAction(QStringLiteral("&Print Calendar"), this, &MainWindow::mnuprintcal_Click);
    mnuexportcal = file->addAction(tr("Export to &Calendar..."), this, &MainWindow::mnuexportcal_Click);
    mnuexportcal->setStatusTip(tr("Writes the fishing times of the days ahead as an iCalendar file"));
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
