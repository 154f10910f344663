#pragma once

#include "date_serial.h"
#include "journal_entry.h"
#include "journal_store.h"
#include "main_settings.h"
#include "trip_date_check.h"

#include <QPixmap>
#include <QWidget>
#include <functional>
#include <optional>

class Clock;
class HelpService;
class MessageService;
class QComboBox;
class QFormLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QVBoxLayout;
class Spinner;

namespace biteclock {
struct AlmanacDay;
}

/// The fishing journal window: one trip at a time, stepped through by entry number, with the Moon
/// and the prediction of the trip's date. Each entry is a file in the journal folder (JournalStore).
/// The controls' object names are what the tips, the tests and the accessibility tools find them by
/// (Text1 day, Text13 month, Text14 year, Text8 entry number, Command1 save, Command2 close, Command3
/// help, Command4 back, Command5 next, Command6 clear, ...).
class JournalWindow : public QWidget {
    Q_OBJECT

public:
    /// The picture of an icon number: 100 to 111 Moon phases, 201 to 204 prediction fish.
    using PictureLookup = std::function<QPixmap(int pictureId)>;

    /// `almanac` is the main window's context: the journal borrows it for a trip's date and puts it
    /// back afterwards. `monthFirst` is the date representation, `tipsShown` the field tips setting
    /// (both applied each time the window opens), `chartColour` the picture background as
    /// red + 256 * green + 65536 * blue. `help` may be null (no help button then).
    JournalWindow(biteclock::AlmanacDay& almanac, MessageService& messages, HelpService* help,
                  const QString& journalFolder, const Clock& clock, bool monthFirst, bool tipsShown,
                  PictureLookup pictures, int chartColour = MainSettings::kDefaultChartColour,
                  QWidget* parent = nullptr);
    ~JournalWindow() override;

    void setMonthFirst(bool monthFirst);
    void setTipsShown(bool tipsShown);
    void setChartColour(int chartColour);

    const JournalStore& store() const { return store_; }
    /// The number of the entry the window shows.
    int currentEntryNumber() const { return currentEntry_; }
    /// True while the window shows the blank entry that follows the last file.
    bool showsNewBlankEntry() const { return newBlankEntry_; }
    /// The record as the fields show it; the notes' line breaks as the file holds them (CR LF).
    biteclock::JournalEntry fields() const;
    /// The trip date the pictures show, when they show one.
    std::optional<biteclock::DateSerial> tripDate() const { return tripDate_; }
    /// What the last action did, as the status line below the buttons says it; empty when there is
    /// nothing to say. Failures are told in message boxes instead.
    QString statusText() const;
    /// Shows entry `number` (1 to 32767): at once when the window is open, else when it opens.
    void showEntry(int number);
    /// Whether the fields hold anything else than the entry as it was read or last saved.
    bool hasUnsavedChanges() const;

    // The window's routines.
    /// Shows the entry of the current entry number (the blank next entry when it has no file).
    void readdata();
    /// Writes the fields to the file of the number in the entry number box.
    bool saveent();
    /// Empties every field and hides the pictures.
    void new_entry();
    /// Shows the Moon, its age, the new or full moon caption and the prediction of the trip date.
    void Moonfish();
    /// Checks the typed date; shows the Moon when it is a date. False when a message was needed
    /// other than the two-digit year note.
    bool dateentered();
    void tooltipsshow();
    void tooltipss();

    // The buttons.
    void Command1_Click(); ///< "&Save Entry"
    void Command2_Click(); ///< "&Close"
    void Command3_Click(); ///< "&Help"
    void Command4_Click(); ///< Back
    void Command5_Click(); ///< Next
    void Command6_Click(); ///< "&Clear Entry"

signals:
    /// An entry's file was written by Save Entry.
    void entrySaved(int number);
    /// The "Trips..." button: the user wants the list of every trip.
    void tripsRequested();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Form_Load();
    void buildControls();
    QHBoxLayout* buildEntryRow();
    void buildDateFrame();
    QFormLayout* buildRecordForm();
    QVBoxLayout* buildMoonColumn();
    QHBoxLayout* buildButtons();
    void nameControls();
    void showMoonNames();
    void connectControls();
    void showStatus(const QString& text);
    /// The notes exactly as the box holds them, with "\n" between its lines.
    QString notesText() const;
    void setNotes(const QString& notes);
    void fitNotesWrap();
    void placeDateBoxes();
    void presetMonthAndYear();
    void showFields(const biteclock::JournalEntry& entry);
    /// readdata's work: the entry of the current number into the fields.
    void readEntryIntoFields();
    void hidePictures();
    void applyChartColour();
    std::optional<int> checkedEntryNumber();
    void goToTypedEntry();
    void stepDateBox(QLineEdit* box, int delta, int minimum, int maximum);
    void onFocusChanged(QWidget* old, QWidget* now);
    bool isDateBox(const QWidget* widget) const;
    void notify(const JournalNotice& notice);
    void setTips(bool shown);

    biteclock::AlmanacDay& almanac_;
    MessageService& messages_;
    HelpService* help_;
    const Clock& clock_;
    JournalStore store_;
    PictureLookup pictures_;
    bool monthFirst_ = false;
    bool tipsShown_ = true;
    int chartColour_ = MainSettings::kDefaultChartColour;

    int currentEntry_ = 1;
    bool newBlankEntry_ = false;
    biteclock::JournalEntry shownFields_; ///< the fields as read or last saved
    std::optional<biteclock::DateSerial> tripDate_;
    bool dateEdited_ = false;
    QString ratingText_; ///< the prediction the picture shows, for its accessible name

    QLineEdit* Text8 = nullptr;  // entry number
    QLineEdit* Text1 = nullptr;  // day
    QLineEdit* Text13 = nullptr; // month
    QLineEdit* Text14 = nullptr; // year
    Spinner* UpDown1 = nullptr;
    Spinner* UpDown2 = nullptr;
    Spinner* UpDown3 = nullptr;
    QLabel* Label1 = nullptr;    // "Day"
    QLabel* Label2 = nullptr;    // "Month"
    QLabel* Label3 = nullptr;    // "Year"
    QGroupBox* Frame1 = nullptr; // the date group
    QHBoxLayout* dateLayout_ = nullptr;
    QPlainTextEdit* Text200 = nullptr; // notes
    QLineEdit* Text3 = nullptr;        // temperature
    QLineEdit* Text4 = nullptr;        // trip time
    QLineEdit* Text5 = nullptr;        // tide type
    QLineEdit* Text6 = nullptr;        // wind strength
    QLineEdit* Text7 = nullptr;        // quantity
    QComboBox* Combo1 = nullptr;       // wind direction
    QComboBox* Combo2 = nullptr;       // tide state
    QComboBox* Combo3 = nullptr;       // catch rating
    QLineEdit* Text9 = nullptr;        // position 1
    QLineEdit* Text10 = nullptr;       // position 2
    QLineEdit* Text11 = nullptr;       // best time
    QLabel* Image1 = nullptr;          // Moon picture
    QLabel* Image2 = nullptr;          // prediction picture
    QLabel* Label12 = nullptr;         // "Age"
    QLabel* Text2 = nullptr;           // the Moon's age
    QLabel* Label14 = nullptr;         // new or full moon caption
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command5 = nullptr;
    QPushButton* Command6 = nullptr;
    QPushButton* tripsButton_ = nullptr;
    QLabel* statusLine_ = nullptr;
};
