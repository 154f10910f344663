#include "trips_window.h"

#include "busy_cursor.h"
#include "file_chooser.h"
#include "platform_services.h"
#include "safe_file.h"
#include "trip_csv.h"
#include "trip_group_texts.h"
#include "trip_stats.h"
#include "trip_stats_view.h"
#include "trips_filter.h"
#include "trips_model.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <algorithm>
#include <set>
#include <utility>

namespace {

QString entryList(const std::vector<int>& numbers) {
    QStringList texts;
    for (const int number : numbers) {
        texts.append(QString::number(number));
    }
    if (texts.size() <= 1) {
        return texts.join(QString());
    }
    const QString last = texts.takeLast();
    return texts.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
}

QString entriesText(const std::vector<int>& numbers) {
    return (numbers.size() == 1 ? QStringLiteral("entry ") : QStringLiteral("entries ")) + entryList(numbers);
}

// Longer columns are cut and show the rest in their tips; the notes take the room that is left.
constexpr int kMaxFittedColumnWidth = 220;

} // namespace

TripsWindow::TripsWindow(QString journalFolder, PlaceSource place, MessageService& messages,
                         FileChooser& files, bool monthFirst, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , folder_(std::move(journalFolder))
    , place_(std::move(place))
    , messages_(messages)
    , files_(files) {
    setObjectName(QStringLiteral("TripsWindow"));
    setWindowTitle(QStringLiteral("Trips"));
    model_ = new TripsModel(this);
    model_->setMonthFirst(monthFirst);
    filter_ = new TripsFilter(this);
    filter_->setSourceModel(model_);
    statsTimer_ = new QTimer(this);
    statsTimer_->setSingleShot(true);
    statsTimer_->setInterval(0);
    connect(statsTimer_, &QTimer::timeout, this, &TripsWindow::shownTripsSettled);
    buildControls();
    connectControls();
    fillYearBox();
    shownTripsChanged();
    resize(1080, 640);
}

TripsWindow::~TripsWindow() = default;

void TripsWindow::setMonthFirst(bool monthFirst) {
    model_->setMonthFirst(monthFirst);
}

TripsWindow::PlaceKey TripsWindow::keyOf(const TripPlace& place) {
    return {place.observer, place.offsets.get(), place.moonNorth, place.designators.am, place.designators.pm};
}

void TripsWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Each opening reads the folder again: files may have changed while the window was closed.
    if (!event->spontaneous()) {
        reload();
        table_->setFocus();
    }
}

void TripsWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // Back from the main window, whose place may have changed meanwhile.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && isVisible()) {
        placeMaybeChanged();
    }
}

void TripsWindow::reload() {
    const BusyCursor busy;
    const std::vector<int> selected = selectedEntryNumbers();
    const QModelIndex current = table_->currentIndex();
    const std::optional<int> currentNumber =
        current.isValid() ? std::optional<int>(current.data(TripsModel::EntryNumberRole).toInt())
                          : std::nullopt;

    const TripPlace place = place_();
    model_->setTrips(readTripLog(folder_, place));
    readFor_ = keyOf(place);
    ++reloadCount_;
    selectEntries(selected, currentNumber);
    if (!columnsFitted_ && model_->rowCount() > 0) {
        fitColumns();
    }
    showStatus(QString());
}

void TripsWindow::placeMaybeChanged() {
    if (!readFor_ || !(keyOf(place_()) == *readFor_)) {
        reload();
    }
}

void TripsWindow::refreshEntry(int number) {
    std::optional<TripRecord> record = readTrip(folder_, number, place_());
    if (record) {
        model_->putTrip(std::move(*record));
    } else {
        model_->removeEntry(number);
    }
}

void TripsWindow::fitColumns() {
    table_->resizeColumnsToContents();
    QHeaderView* header = table_->horizontalHeader();
    for (int column = 0; column < TripsModel::NotesColumn; ++column) {
        header->resizeSection(column, std::min(header->sectionSize(column) + 8, kMaxFittedColumnWidth));
    }
    columnsFitted_ = true;
}

std::vector<int> TripsWindow::shownEntryNumbers() const {
    std::vector<int> numbers;
    numbers.reserve(static_cast<std::size_t>(filter_->rowCount()));
    for (int row = 0; row < filter_->rowCount(); ++row) {
        numbers.push_back(filter_->index(row, 0).data(TripsModel::EntryNumberRole).toInt());
    }
    return numbers;
}

std::vector<int> TripsWindow::selectedEntryNumbers() const {
    std::vector<int> numbers;
    for (const QModelIndex& index : table_->selectionModel()->selectedRows()) {
        numbers.push_back(index.data(TripsModel::EntryNumberRole).toInt());
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

void TripsWindow::selectEntries(const std::vector<int>& numbers, std::optional<int> current) {
    QItemSelectionModel* selection = table_->selectionModel();
    QItemSelection rows;
    for (const int number : numbers) {
        if (const auto row = model_->rowOfEntry(number)) {
            const QModelIndex index = filter_->mapFromSource(model_->index(*row, 0));
            if (index.isValid()) {
                rows.select(index, index);
            }
        }
    }
    QModelIndex currentIndex;
    if (current) {
        if (const auto row = model_->rowOfEntry(*current)) {
            currentIndex = filter_->mapFromSource(model_->index(*row, 0));
        }
    }
    selection->select(rows, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    if (currentIndex.isValid()) {
        selection->setCurrentIndex(currentIndex, QItemSelectionModel::NoUpdate);
        table_->scrollTo(currentIndex);
    }
    updateActions();
}

void TripsWindow::openTrip(const QModelIndex& index) {
    if (index.isValid()) {
        emit entryOpenRequested(index.data(TripsModel::EntryNumberRole).toInt());
    }
}

void TripsWindow::openCurrentTrip() {
    QModelIndex index = table_->currentIndex();
    if (!index.isValid() || !table_->selectionModel()->isRowSelected(index.row(), {})) {
        const QModelIndexList rows = table_->selectionModel()->selectedRows();
        index = rows.isEmpty() ? QModelIndex() : rows.constFirst();
    }
    openTrip(index);
}

QString TripsWindow::deleteQuestion(const std::vector<int>& numbers, const QString& deletedFolder) const {
    QString question;
    if (numbers.size() == 1) {
        const TripRecord& trip = model_->trip(*model_->rowOfEntry(numbers.front()));
        const QString date = model_->dateText(trip);
        question = QStringLiteral("Delete journal entry %1%2?")
                       .arg(numbers.front())
                       .arg(date.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(date));
    } else {
        question = QStringLiteral("Delete the %1 selected journal entries (%2)?")
                       .arg(numbers.size())
                       .arg(entryList(numbers));
    }
    question +=
        (numbers.size() == 1
             ? QStringLiteral(
                   "\n\nThe file is moved to the folder\n%1\nand Undo Delete (Ctrl+Z) puts it back.")
             : QStringLiteral("\n\nThe files are moved to the folder\n%1\nand Undo Delete (Ctrl+Z) puts them "
                              "back."))
            .arg(QDir::toNativeSeparators(deletedFolder));
    return question;
}

std::optional<int> TripsWindow::entryAfterDeleting(const std::vector<int>& numbers) const {
    // The row after the deleted ones takes the selection, so that Delete can go on down the list.
    const QModelIndexList selectedRows = table_->selectionModel()->selectedRows();
    int nextRow = 0;
    for (const QModelIndex& index : selectedRows) {
        nextRow = std::max(nextRow, index.row() + 1);
    }
    std::optional<int> next;
    for (int row = nextRow; row < filter_->rowCount() && !next; ++row) {
        next = filter_->index(row, 0).data(TripsModel::EntryNumberRole).toInt();
    }
    for (int row = nextRow - 1; row >= 0 && !next; --row) {
        const int number = filter_->index(row, 0).data(TripsModel::EntryNumberRole).toInt();
        if (!std::binary_search(numbers.begin(), numbers.end(), number)) {
            next = number;
        }
    }
    return next;
}

void TripsWindow::deleteSelectedTrips() {
    const std::vector<int> numbers = selectedEntryNumbers();
    if (numbers.empty()) {
        return;
    }
    const JournalStore store(folder_);
    const MessageService::Answer answer =
        messages_.show(numbers.size() == 1 ? QStringLiteral("Delete Trip") : QStringLiteral("Delete Trips"),
                       deleteQuestion(numbers, store.deletedFolder()), MessageService::Icon::Question,
                       MessageService::Buttons::YesNo);
    if (answer != MessageService::Answer::Yes) {
        return;
    }
    const std::optional<int> next = entryAfterDeleting(numbers);

    std::vector<DeletedTrip> moved;
    for (const int number : numbers) {
        const JournalStore::MoveResult result = store.moveToDeleted(number);
        if (!result.moved) {
            messages_.show(
                QStringLiteral("Trip Not Deleted"),
                QStringLiteral("Journal entry %1 could not be moved to the folder\n%2\n\n%3\n\nThe "
                               "entry is still in the journal.")
                    .arg(number)
                    .arg(QDir::toNativeSeparators(store.deletedFolder()), result.error),
                MessageService::Icon::Critical);
            continue;
        }
        model_->removeEntry(number);
        moved.push_back({number, result.deletedPath});
    }
    if (next) {
        selectEntries({*next}, next);
    }
    if (moved.empty()) {
        return;
    }
    std::vector<int> movedNumbers;
    for (const DeletedTrip& trip : moved) {
        movedNumbers.push_back(trip.number);
    }
    undoSteps_.push_back(std::move(moved));
    updateActions();
    showStatus(
        (movedNumbers.size() == 1
             ? QStringLiteral("Deleted %1: its file is in %2. Undo Delete (Ctrl+Z) puts it back.")
             : QStringLiteral("Deleted %1: their files are in %2. Undo Delete (Ctrl+Z) puts them back."))
            .arg(entriesText(movedNumbers), QDir::toNativeSeparators(store.deletedFolder())));
}

void TripsWindow::undoDelete() {
    if (undoSteps_.empty()) {
        return;
    }
    const std::vector<DeletedTrip> step = std::move(undoSteps_.back());
    undoSteps_.pop_back();
    const JournalStore store(folder_);
    std::vector<int> restored;
    for (const DeletedTrip& trip : step) {
        const JournalStore::MoveResult result = store.restoreDeleted(trip.number, trip.deletedPath);
        if (!result.moved) {
            messages_.show(QStringLiteral("Trip Not Restored"),
                           QStringLiteral("Journal entry %1 could not be put back from\n%2\n\n%3\n\nThe file "
                                          "stays where it is.")
                               .arg(trip.number)
                               .arg(QDir::toNativeSeparators(trip.deletedPath), result.error),
                           MessageService::Icon::Critical);
            continue;
        }
        refreshEntry(trip.number);
        restored.push_back(trip.number);
    }
    updateActions();
    if (restored.empty()) {
        showStatus(QString());
        return;
    }
    selectEntries(restored, restored.front());
    showStatus(QStringLiteral("Put back %1.").arg(entriesText(restored)));
}

QString TripsWindow::suggestedExportPath() const {
    // The folder of the last export, else the documents folder; the home folder when neither is there
    // (the dialog would open on the program's working folder).
    QString folder = exportFolder_;
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    }
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        folder = QDir::homePath();
    }
    const int year = filter_->year();
    const QString name =
        year > 0 ? QStringLiteral("Fishing trips %1.csv").arg(year) : QStringLiteral("Fishing trips.csv");
    return QDir(folder).filePath(name);
}

void TripsWindow::exportShownTrips() {
    std::vector<TripRecord> shown;
    for (const int number : shownEntryNumbers()) {
        shown.push_back(model_->trip(*model_->rowOfEntry(number)));
    }
    if (shown.empty()) {
        return;
    }
    const QString caption = filter_->narrowed()
                                ? QStringLiteral("Export the %1 Shown Trips").arg(shown.size())
                                : QStringLiteral("Export All %1 Trips").arg(shown.size());
    const QString path = files_.saveFileName(this, {caption, suggestedExportPath(),
                                                    QStringLiteral("CSV files (*.csv);;All files (*)"),
                                                    QStringLiteral("csv")});
    if (path.isEmpty()) {
        return;
    }
    exportFolder_ = QFileInfo(path).absolutePath();
    const std::string csv = tripsCsv(shown);
    const SafeFileResult written =
        writeFileSafely(path, QByteArrayView(csv.data(), static_cast<qsizetype>(csv.size())));
    if (!written.written) {
        const QString line = safeFileError(path, written);
        messages_.show(QStringLiteral("Trips Not Exported"), line, MessageService::Icon::Critical);
        showStatus(line);
        return;
    }
    showStatus(QStringLiteral("Exported %1 to %2")
                   .arg(tripCountText(static_cast<int>(shown.size())), QDir::toNativeSeparators(path)));
}

void TripsWindow::shownTripsChanged() {
    updatePlaceholder();
    updateCount();
    updateActions();
    // A new filter can remove and insert rows in many runs: the statistics are counted once after.
    statsStale_ = true;
    statsTimer_->start();
}

void TripsWindow::shownTripsSettled() {
    if (!table_->selectionModel()->hasSelection() && filter_->rowCount() > 0) {
        table_->selectionModel()->setCurrentIndex(filter_->index(0, 0), QItemSelectionModel::ClearAndSelect |
                                                                            QItemSelectionModel::Rows);
    }
    if (statsStale_ && tabs_->currentWidget() == statsView_) {
        updateStats();
    }
}

void TripsWindow::fillYearBox() {
    const int chosen = filter_->year();
    QList<std::pair<QString, int>> items{{QStringLiteral("All years"), TripsFilter::kAllYears}};
    QList<int> years = model_->years();
    std::reverse(years.begin(), years.end());
    for (const int year : years) {
        items.append({QString::number(year), year});
    }
    if (model_->hasUndatedTrips()) {
        items.append({QStringLiteral("No date"), TripsFilter::kUndated});
    }
    bool same = items.size() == yearBox_->count();
    for (int i = 0; same && i < items.size(); ++i) {
        same = yearBox_->itemData(i).toInt() == items[i].second;
    }
    if (same) {
        return;
    }
    yearBox_->clear();
    int chosenIndex = 0;
    for (int i = 0; i < items.size(); ++i) {
        yearBox_->addItem(items[i].first, items[i].second);
        if (items[i].second == chosen) {
            chosenIndex = i;
        }
    }
    yearBox_->setCurrentIndex(chosenIndex);
    // A year whose last trip has gone shows every year again.
    filter_->setYear(yearBox_->itemData(chosenIndex).toInt());
}

void TripsWindow::updateActions() {
    const bool anySelected = table_->selectionModel()->hasSelection();
    openButton_->setEnabled(anySelected);
    deleteButton_->setEnabled(anySelected);
    deleteAction_->setEnabled(anySelected);
    undoButton_->setEnabled(canUndo());
    undoAction_->setEnabled(canUndo());
    exportButton_->setEnabled(filter_->rowCount() > 0);
}

void TripsWindow::updatePlaceholder() {
    if (model_->rowCount() == 0) {
        placeholder_->setText(QStringLiteral("No trips in the journal yet.\n\nTrips saved in the Fishing "
                                             "Journal appear here, with the Moon and "
                                             "the fishing prediction of their dates."));
    } else if (filter_->rowCount() == 0) {
        placeholder_->setText(QStringLiteral(
            "No trip matches the filter.\n\nClear the filter (Esc in the filter box) or choose "
            "\"All years\" to see every trip."));
    }
    listStack_->setCurrentWidget(filter_->rowCount() == 0 ? static_cast<QWidget*>(placeholder_) : table_);
}

bool TripsWindow::showsPlaceholder() const {
    return listStack_->currentWidget() == placeholder_;
}

QString TripsWindow::placeholderText() const {
    return placeholder_->text();
}

void TripsWindow::updateCount() {
    const int all = model_->rowCount();
    const int shown = filter_->rowCount();
    countLabel_->setText(all == 0 ? QStringLiteral("No trips")
                         : shown == all
                             ? tripCountText(all)
                             : QStringLiteral("%1 of %2 shown").arg(shown).arg(tripCountText(all)));
}

QString TripsWindow::scopeText() const {
    if (!filter_->narrowed()) {
        return QStringLiteral("the whole journal");
    }
    QStringList parts;
    if (!filter_->filterText().trimmed().isEmpty()) {
        parts.append(QStringLiteral("\u201c%1\u201d").arg(filter_->filterText().trimmed()));
    }
    if (filter_->year() == TripsFilter::kUndated) {
        parts.append(QStringLiteral("trips without a date"));
    } else if (filter_->year() != TripsFilter::kAllYears) {
        parts.append(QString::number(filter_->year()));
    }
    return QStringLiteral("the trips shown: ") + parts.join(QStringLiteral(", "));
}

void TripsWindow::updateStats() {
    std::vector<TripRecord> shown;
    shown.reserve(static_cast<std::size_t>(filter_->rowCount()));
    for (int row = 0; row < filter_->rowCount(); ++row) {
        shown.push_back(model_->trip(filter_->mapToSource(filter_->index(row, 0)).row()));
    }
    statsView_->showStats(tripStats(shown), scopeText());
    statsStale_ = false;
}

void TripsWindow::showStatus(const QString& text) {
    if (text.isEmpty()) {
        statusBar_->clearMessage();
    } else {
        statusBar_->showMessage(text);
    }
}

QString TripsWindow::statusText() const {
    return statusBar_->currentMessage();
}
