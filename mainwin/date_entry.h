#pragma once

#include "almanac_day.h"
#include "date_rules.h"
#include "platform_services.h"

#include <QGroupBox>
#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class Spinner;

/// What the date fields ask of the window that shows the day.
class DateEntryHost {
public:
    virtual ~DateEntryHost() = default;
    /// Normalise the fields and recompute the day (the date-change routine).
    virtual void datechanged() = 0;
    /// Recompute the lunar distance of the displayed date.
    virtual void lundist() = 0;
};

/// The "Date" group: the day field with its spinner, the month list, the year field with its
/// spinner, the weekday and the "&Today" button, with every way of entering a date. Each path ends
/// with the host's date change and lunar distance, and the cascades between the fields are real: a
/// month set from code runs the month list's click handling, a year written from code the year
/// field's change handling.
class DateEntry : public QGroupBox {
    Q_OBJECT
public:
    DateEntry(biteclock::AlmanacDay& day, const Clock& clock, DateEntryHost& host, QWidget* parent = nullptr);

    /// Shows today's date without running any date handling (start-up): the day and year as texts,
    /// the month list at today's month, the weekday; the date events stay suppressed until the
    /// window's first refresh clears them.
    void showToday();

    /// The day field, month list and day spinner at their places for the date order, given in twips
    /// from the group's left edge.
    void placeFields(bool monthFirst);

    /// "day month-name year" from the three fields, for example "15 March 2000".
    QString almanacDateText() const;
    /// The date the fields name; fields that do not form a date read as the entry rules would
    /// normalise them.
    biteclock::DateSerial fieldsDate() const;
    /// The fields after the entry rules.
    biteclock::DateFields normalisedFields() const;

    /// Shows the weekday name of a weekday number (1 = Sunday); other numbers leave it empty.
    void weakday();
    void setWeekdayNumber(int weekday) { weekdayNumber_ = weekday; }

    /// Pixels for a distance in twips at this screen's resolution.
    int twips(int value) const;

    /// Brings the three fields into the supported calendar (a year clamped into 1901 to 2200, a day 0
    /// or past the month's end stepped into the month before or after). Each write runs its field's own
    /// handling: a month set here runs the month list's click, a year the year field's change with its
    /// nested date change.
    void normaliseFields();
    /// The same normalising for a day typed without Enter, written without running any date handling.
    void normaliseQuietly();
    /// Writes a date into the three fields, each write running its field's handling.
    void showDate(const biteclock::CalendarDate& date);
    /// The "&Today" button is shown only while another day is displayed.
    void setTodayShown(bool shown);
    void focusDaySpinner();

    /// The daily refresh starts: the field handling runs again from now on.
    void refreshStarted() { suppressDateEvents_ = false; }
    /// The daily refresh is done: a key typed into the year field before it no longer counts.
    void refreshFinished();

    bool suppressDateEvents() const { return suppressDateEvents_; }
    bool yearKeyPending() const { return yearKeyPending_; }

    QLineEdit* Text1() const { return Text1_; } ///< day
    Spinner* UpDown1() const { return UpDown1_; }
    QComboBox* Combo1() const { return Combo1_; } ///< month
    QLineEdit* Text10() const { return Text10_; } ///< year
    Spinner* UpDown2() const { return UpDown2_; }
    QLabel* Label10() const { return Label10_; }        ///< weekday
    QPushButton* Command7() const { return Command7_; } ///< "&Today"

    // Handlers of the date paths.
    void Text1_KeyDown(int key);
    void Text1_KeyPress(int key);
    void UpDown1_Change();
    void Combo1_Click();
    void Combo1_Activated();
    void Combo1_LostFocus();
    void Text10_Change();
    void Text10_GotFocus();
    void Text10_KeyPress();
    void Command7_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    biteclock::AlmanacDay& day_;
    const Clock& clock_;
    DateEntryHost& host_;
    int weekdayNumber_ = 0;
    bool suppressDateEvents_ = false;
    bool yearKeyPending_ = false;
    bool monthEntryOpen_ = false; ///< a month chosen whose entry has not ended yet

    QLineEdit* Text1_ = nullptr;
    Spinner* UpDown1_ = nullptr;
    QComboBox* Combo1_ = nullptr;
    QLineEdit* Text10_ = nullptr;
    Spinner* UpDown2_ = nullptr;
    QLabel* Label10_ = nullptr;
    QPushButton* Command7_ = nullptr;
};
