// The trips window's controls, their captions, tips and shortcuts, and where they sit. What they do is
// in trips_window.cpp.
#include "trip_stats_view.h"
#include "trips_filter.h"
#include "trips_model.h"
#include "trips_window.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

void TripsWindow::buildControls() {
    filterBox_ = new QLineEdit(this);
    filterBox_->setObjectName(QStringLiteral("filterBox"));
    filterBox_->setPlaceholderText(
        QStringLiteral("Type any words: a place, a bait, a month, \"Excellent\"..."));
    filterBox_->setClearButtonEnabled(true);
    filterBox_->setToolTip(
        QStringLiteral("Shows only the trips that hold every word typed here, in any field "
                       "(Ctrl+F)"));
    auto* filterLabel = new QLabel(QStringLiteral("&Filter:"), this);
    filterLabel->setBuddy(filterBox_);

    yearBox_ = new QComboBox(this);
    yearBox_->setObjectName(QStringLiteral("yearBox"));
    yearBox_->setToolTip(QStringLiteral("Shows the trips of one year only"));
    yearBox_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    auto* yearLabel = new QLabel(QStringLiteral("Ye&ar:"), this);
    yearLabel->setBuddy(yearBox_);

    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(filterLabel);
    filterRow->addWidget(filterBox_, 1);
    filterRow->addSpacing(12);
    filterRow->addWidget(yearLabel);
    filterRow->addWidget(yearBox_);

    statsView_ = new TripStatsView(this);
    statsView_->setObjectName(QStringLiteral("statsView"));
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("tripsTabs"));
    tabs_->addTab(buildListPage(), QStringLiteral("&Trips"));
    tabs_->addTab(statsView_, QStringLiteral("Your trip&s"));
    tabs_->setTabToolTip(0, QStringLiteral("Every trip of the journal"));
    tabs_->setTabToolTip(
        1, QStringLiteral("How your catches went by prediction, Moon phase and fishing period"));

    QHBoxLayout* buttons = buildButtonRow();

    statusBar_ = new QStatusBar(this);
    statusBar_->setObjectName(QStringLiteral("statusBar"));
    statusBar_->setSizeGripEnabled(false);
    countLabel_ = new QLabel(this);
    countLabel_->setObjectName(QStringLiteral("countLabel"));
    statusBar_->addPermanentWidget(countLabel_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filterRow);
    layout->addWidget(tabs_, 1);
    layout->addLayout(buttons);
    layout->addWidget(statusBar_);

    buildShortcuts();
}

QHBoxLayout* TripsWindow::buildButtonRow() {
    openButton_ = new QPushButton(QStringLiteral("&Open"), this);
    openButton_->setObjectName(QStringLiteral("openButton"));
    openButton_->setToolTip(
        QStringLiteral("Shows the trip in the Fishing Journal (Enter, or a double-click)"));
    deleteButton_ = new QPushButton(QStringLiteral("&Delete..."), this);
    deleteButton_->setObjectName(QStringLiteral("deleteButton"));
    deleteButton_->setToolTip(QStringLiteral("Moves the selected trips' files to the journal's \"deleted\" "
                                             "folder (Delete)"));
    undoButton_ = new QPushButton(QStringLiteral("&Undo Delete"), this);
    undoButton_->setObjectName(QStringLiteral("undoButton"));
    undoButton_->setToolTip(QStringLiteral("Puts back the trips deleted last (Ctrl+Z)"));
    reloadButton_ = new QPushButton(QStringLiteral("&Reload"), this);
    reloadButton_->setObjectName(QStringLiteral("reloadButton"));
    reloadButton_->setToolTip(QStringLiteral("Reads the journal folder again (F5)"));
    exportButton_ = new QPushButton(QStringLiteral("E&xport..."), this);
    exportButton_->setObjectName(QStringLiteral("exportButton"));
    exportButton_->setToolTip(QStringLiteral("Writes the trips the list shows, in its order, to a CSV file "
                                             "for a spreadsheet"));
    closeButton_ = new QPushButton(QStringLiteral("&Close"), this);
    closeButton_->setObjectName(QStringLiteral("closeButton"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(openButton_);
    buttons->addWidget(deleteButton_);
    buttons->addWidget(undoButton_);
    buttons->addStretch();
    buttons->addWidget(reloadButton_);
    buttons->addWidget(exportButton_);
    buttons->addWidget(closeButton_);
    return buttons;
}

void TripsWindow::buildShortcuts() {
    deleteAction_ = new QAction(QStringLiteral("Delete"), this);
    deleteAction_->setShortcut(QKeySequence::Delete);
    // Only in the list: Delete in the filter box deletes what was typed.
    deleteAction_->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    table_->addAction(deleteAction_);
    undoAction_ = new QAction(QStringLiteral("Undo Delete"), this);
    undoAction_->setShortcut(QKeySequence::Undo);
    undoAction_->setShortcutContext(Qt::WindowShortcut);
    addAction(undoAction_);
    auto* findAction = new QAction(QStringLiteral("Filter"), this);
    findAction->setShortcut(QKeySequence::Find);
    addAction(findAction);
    connect(findAction, &QAction::triggered, this, [this] {
        filterBox_->setFocus(Qt::ShortcutFocusReason);
        filterBox_->selectAll();
    });
    auto* reloadAction = new QAction(QStringLiteral("Reload"), this);
    reloadAction->setShortcut(QKeySequence::Refresh);
    addAction(reloadAction);
    connect(reloadAction, &QAction::triggered, this, &TripsWindow::reload);
    auto* clearFilterAction = new QAction(QStringLiteral("Clear the filter"), this);
    clearFilterAction->setShortcut(Qt::Key_Escape);
    clearFilterAction->setShortcutContext(Qt::WidgetShortcut);
    filterBox_->addAction(clearFilterAction);
    connect(clearFilterAction, &QAction::triggered, filterBox_, &QLineEdit::clear);
}

QWidget* TripsWindow::buildListPage() {
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("tripsTable"));
    table_->setModel(filter_);
    table_->setSortingEnabled(true);
    table_->sortByColumn(TripsModel::NumberColumn, Qt::AscendingOrder);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setAlternatingRowColors(true);
    table_->setWordWrap(false);
    table_->setTextElideMode(Qt::ElideRight);
    table_->setIconSize(QSize(16, 16));
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 8);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->horizontalHeader()->setHighlightSections(false);
    table_->horizontalHeader()->setSectionsMovable(true);
    table_->setAccessibleName(QStringLiteral("Trips"));

    placeholder_ = new QLabel(this);
    placeholder_->setObjectName(QStringLiteral("placeholder"));
    placeholder_->setAlignment(Qt::AlignCenter);
    placeholder_->setWordWrap(true);
    placeholder_->setMargin(24);
    QFont larger = placeholder_->font();
    larger.setPointSizeF(larger.pointSizeF() * 1.15);
    placeholder_->setFont(larger);
    placeholder_->setBackgroundRole(QPalette::Base);
    placeholder_->setAutoFillBackground(true);

    listStack_ = new QStackedWidget(this);
    listStack_->addWidget(table_);
    listStack_->addWidget(placeholder_);
    return listStack_;
}

void TripsWindow::connectControls() {
    // The statistics say which trips they count, whether or not the rows change.
    connect(filterBox_, &QLineEdit::textChanged, this, [this](const QString& text) {
        filter_->setFilterText(text);
        shownTripsChanged();
    });
    connect(yearBox_, &QComboBox::activated, this, [this](int index) {
        filter_->setYear(yearBox_->itemData(index).toInt());
        shownTripsChanged();
    });
    connect(table_, &QTableView::activated, this, &TripsWindow::openTrip);
    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TripsWindow::updateActions);
    connect(table_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TripsWindow::updateActions);
    connect(openButton_, &QPushButton::clicked, this, &TripsWindow::openCurrentTrip);
    connect(deleteButton_, &QPushButton::clicked, this, &TripsWindow::deleteSelectedTrips);
    connect(deleteAction_, &QAction::triggered, this, &TripsWindow::deleteSelectedTrips);
    connect(undoButton_, &QPushButton::clicked, this, &TripsWindow::undoDelete);
    connect(undoAction_, &QAction::triggered, this, &TripsWindow::undoDelete);
    connect(reloadButton_, &QPushButton::clicked, this, &TripsWindow::reload);
    connect(exportButton_, &QPushButton::clicked, this, &TripsWindow::exportShownTrips);
    connect(closeButton_, &QPushButton::clicked, this, &QWidget::close);
    connect(tabs_, &QTabWidget::currentChanged, this, &TripsWindow::shownTripsSettled);
    connect(filter_, &QAbstractItemModel::rowsInserted, this, &TripsWindow::shownTripsChanged);
    connect(filter_, &QAbstractItemModel::rowsRemoved, this, &TripsWindow::shownTripsChanged);
    connect(filter_, &QAbstractItemModel::modelReset, this, &TripsWindow::shownTripsChanged);
    connect(filter_, &QAbstractItemModel::layoutChanged, this, &TripsWindow::shownTripsChanged);
    connect(filter_, &QAbstractItemModel::dataChanged, this, &TripsWindow::shownTripsChanged);
    // The list's rows go before the journal's do (a removed row leaves the list while the model still
    // holds it): the counts are taken again once the model has changed too.
    connect(model_, &QAbstractItemModel::rowsInserted, this, &TripsWindow::shownTripsChanged);
    connect(model_, &QAbstractItemModel::rowsRemoved, this, &TripsWindow::shownTripsChanged);
    connect(model_, &QAbstractItemModel::modelReset, this, &TripsWindow::fillYearBox);
    connect(model_, &QAbstractItemModel::rowsInserted, this, &TripsWindow::fillYearBox);
    connect(model_, &QAbstractItemModel::rowsRemoved, this, &TripsWindow::fillYearBox);
    connect(model_, &QAbstractItemModel::dataChanged, this, &TripsWindow::fillYearBox);
}
