#pragma once

#include "trip_log.h"

#include <QString>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

class FileChooser;
class MessageService;
class QAction;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QModelIndex;
class QPushButton;
class QStackedWidget;
class QStatusBar;
class QTabWidget;
class QTableView;
class QTimer;
class TripStatsView;
class TripsFilter;
class TripsModel;

/// The journal as a logbook: every trip in a sortable, filterable table with the Moon and the
/// prediction of its date at the current location, and the "Your trips" view of how the catches went
/// by prediction, Moon phase and fishing period. A trip opens in the journal window; a deleted trip's
/// file goes to the journal's "deleted" folder and Undo brings it back; the shown trips export as CSV.
class TripsWindow : public QWidget {
    Q_OBJECT

public:
    /// The place the trips' dates are computed for, asked each time the list is read.
    using PlaceSource = std::function<TripPlace()>;

    TripsWindow(QString journalFolder, PlaceSource place, MessageService& messages, FileChooser& files,
                bool monthFirst = false, QWidget* parent = nullptr);
    ~TripsWindow() override;

    void setMonthFirst(bool monthFirst);

    /// Reads every journal file again at the place as it is now.
    void reload();
    /// Reads the list again when the place (or the Moon picture's hemisphere) has changed since it was
    /// last read.
    void placeMaybeChanged();
    /// One entry's file has changed (saved in the journal window): its row again, or no row when it
    /// has no file.
    void refreshEntry(int number);

    /// Asks the journal window to show the current trip.
    void openCurrentTrip();
    /// Asks first, then moves the selected trips' files to the deleted folder.
    void deleteSelectedTrips();
    /// Puts back the trips the last delete moved away.
    void undoDelete();
    bool canUndo() const { return !undoSteps_.empty(); }
    /// Asks for a file, then writes the trips the list shows, in its order, as CSV.
    void exportShownTrips();

    const QString& folder() const { return folder_; }
    TripsModel& model() const { return *model_; }
    TripsFilter& shownTrips() const { return *filter_; }
    /// The entry numbers of the shown rows, in the list's order.
    std::vector<int> shownEntryNumbers() const;
    QTableView* table() const { return table_; }
    QLineEdit* filterBox() const { return filterBox_; }
    QComboBox* yearBox() const { return yearBox_; }
    QTabWidget* tabs() const { return tabs_; }
    TripStatsView* statsView() const { return statsView_; }
    /// Whether the list page shows its placeholder text instead of the table.
    bool showsPlaceholder() const;
    QString placeholderText() const;
    QString statusText() const;
    /// How many times the journal folder has been read whole.
    int reloadCount() const { return reloadCount_; }

signals:
    /// The user asked to see this entry in the journal window.
    void entryOpenRequested(int number);

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct DeletedTrip {
        int number = 0;
        QString deletedPath;
    };
    /// What a reading of the list was computed for.
    struct PlaceKey {
        biteclock::Observer observer;
        const biteclock::DateOffsets* offsets = nullptr;
        bool moonNorth = true;
        std::string am, pm;
        friend bool operator==(const PlaceKey&, const PlaceKey&) = default;
    };
    static PlaceKey keyOf(const TripPlace& place);

    void buildControls();
    QWidget* buildListPage();
    void connectControls();
    void openTrip(const QModelIndex& index);
    std::vector<int> selectedEntryNumbers() const;
    QHBoxLayout* buildButtonRow();
    void buildShortcuts();
    /// The question asked before the entries' files are moved to `deletedFolder`.
    QString deleteQuestion(const std::vector<int>& numbers, const QString& deletedFolder) const;
    /// The entry to select once the selected ones are deleted: the next one shown, else the one before.
    std::optional<int> entryAfterDeleting(const std::vector<int>& numbers) const;
    void selectEntries(const std::vector<int>& numbers, std::optional<int> current);
    void shownTripsChanged();
    /// After the shown rows changed: a row to work on, and the statistics counted again.
    void shownTripsSettled();
    void fillYearBox();
    void updateActions();
    void updatePlaceholder();
    void updateCount();
    void updateStats();
    QString scopeText() const;
    QString suggestedExportPath() const;
    void showStatus(const QString& text);
    void fitColumns();

    QString folder_;
    PlaceSource place_;
    MessageService& messages_;
    FileChooser& files_;
    std::optional<PlaceKey> readFor_; ///< the place of the last reading
    std::vector<std::vector<DeletedTrip>> undoSteps_;
    QString exportFolder_;
    bool columnsFitted_ = false;
    bool statsStale_ = true;
    int reloadCount_ = 0;

    TripsModel* model_ = nullptr;
    TripsFilter* filter_ = nullptr;
    QLineEdit* filterBox_ = nullptr;
    QComboBox* yearBox_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QStackedWidget* listStack_ = nullptr;
    QTableView* table_ = nullptr;
    QLabel* placeholder_ = nullptr;
    TripStatsView* statsView_ = nullptr;
    QPushButton* openButton_ = nullptr;
    QPushButton* deleteButton_ = nullptr;
    QPushButton* undoButton_ = nullptr;
    QPushButton* reloadButton_ = nullptr;
    QPushButton* exportButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    QAction* deleteAction_ = nullptr;
    QAction* undoAction_ = nullptr;
    QStatusBar* statusBar_ = nullptr;
    QLabel* countLabel_ = nullptr;
    QTimer* statsTimer_ = nullptr;
};
