// What the main window opens: the region settings, the help, the About box, the journal, the trips and the
// print window.
#include "activation_watcher.h"
#include "calendar_export_dialog.h"
#include "chart_colour.h"
#include "chart_type.h"
#include "clock_designators.h"
#include "colour_chooser.h"
#include "daily_refresh.h"
#include "date_rules.h"
#include "date_serial.h"
#include "distance_gauge.h"
#include "file_chooser.h"
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
#include "trips_window.h"
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

namespace {

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
                       .arg(QString::fromLatin1(biteclock::kVersion)),
                   MessageService::Icon::Information);
}

void MainWindow::Command1_Click() {
    if (journal_ == nullptr) {
        journal_ = new JournalWindow(
            day_, messages_, &help_, journalFolder_, clock_, monthFirst_, tipsOn_,
            [](int id) { return IconProvider::pixmap(id, QSize(32, 32)); }, mainSettings_.chartColour(),
            this);
        connect(journal_, &JournalWindow::tripsRequested, this, &MainWindow::mnutrips_Click);
        connectJournalToTrips();
    }
    // The date order, the tips and the colour may have changed since the journal was last open.
    journal_->setMonthFirst(monthFirst_);
    journal_->setTipsShown(tipsOn_);
    journal_->setChartColour(mainSettings_.chartColour());
    journal_->show();
    journal_->raise();
    journal_->activateWindow();
}

CalendarExportDialog* MainWindow::exportDialog() const {
    return exportDialog_.data();
}

void MainWindow::mnuexportcal_Click() {
    if (exportDialog_) {
        exportDialog_->raise();
        exportDialog_->activateWindow();
        return;
    }
    CalendarExportPlace place;
    place.observer = day_.observer;
    place.offsets = day_.dateOffsets;
    place.moonNorth = day_.moonorth;
    place.name = shared_.currentLocation().trimmed();
    const biteclock::CalendarDate shown = biteclock::calendarDate(dateEntry_->fieldsDate());
    auto* dialog = new CalendarExportDialog(std::move(place), QDate(shown.year, shown.month, shown.day),
                                            messages_, *files_, clock_, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    exportDialog_ = dialog;
    dialog->open();
}

void MainWindow::openJournalAt(int number) {
    if (journal_ != nullptr) {
        journal_->showEntry(number);
        Command1_Click();
        return;
    }
    Command1_Click();
    journal_->showEntry(number);
}

TripPlace MainWindow::currentTripPlace() {
    TripPlace place;
    place.observer = biteclock::observerFrom(storedCurrentLocation(store_));
    place.offsets = offsets_.offsetsFor(storedPlaceZone(store_, place.observer.zoneOffsetHours), zones_);
    place.moonNorth = shared_.moonNorth();
    place.designators = day_.designators();
    return place;
}

void MainWindow::mnutrips_Click() {
    if (trips_ == nullptr) {
        trips_ = new TripsWindow(
            journalFolder_, [this] { return currentTripPlace(); }, messages_, *files_, monthFirst_, this);
        connect(trips_, &TripsWindow::entryOpenRequested, this, &MainWindow::openJournalAt);
        connectJournalToTrips();
    }
    trips_->setMonthFirst(monthFirst_);
    if (trips_->isVisible()) {
        trips_->placeMaybeChanged();
    }
    trips_->show();
    trips_->raise();
    trips_->activateWindow();
}

void MainWindow::connectJournalToTrips() {
    if (journal_ != nullptr && trips_ != nullptr) {
        connect(journal_, &JournalWindow::entrySaved, trips_, &TripsWindow::refreshEntry,
                Qt::UniqueConnection);
    }
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
