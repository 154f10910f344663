#pragma once

#include "date_offsets.h"
#include "fishing_calendar.h"
#include "observer.h"

#include <QDate>
#include <QDialog>
#include <memory>

class Clock;
class FileChooser;
class MessageService;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QSpinBox;

/// The place a calendar is exported for: the current location as the window computes it.
struct CalendarExportPlace {
    biteclock::Observer observer; ///< the place; each date takes its own offset
    std::shared_ptr<const biteclock::DateOffsets> offsets;
    bool moonNorth = true;
    QString name; ///< the location's name; empty when it has none
};

/// "Export to Calendar": the fishing times of a span of days as an iCalendar file, the same file
/// the command line's ical command writes for the same place and span.
class CalendarExportDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int kDefaultDays = 30;
    static constexpr int kMostDays = 3660;

    CalendarExportDialog(CalendarExportPlace place, QDate firstDay, MessageService& messages,
                         FileChooser& files, const Clock& clock, QWidget* parent = nullptr);

    /// The calendar the choices make, its zone described when the place follows one.
    biteclock::FishingCalendarRequest request() const;
    /// Asks for the file and writes it whole or not at all; tells how it went. True when written,
    /// and the dialog then closes.
    bool exportCalendar();

    QDateEdit* firstDay = nullptr;
    QSpinBox* days = nullptr;
    QCheckBox* periods = nullptr;
    QCheckBox* goodDays = nullptr;
    QCheckBox* phases = nullptr;
    QComboBox* grade = nullptr;
    QLabel* placeText = nullptr;
    QPushButton* exportButton = nullptr;

private:
    void buildControls();
    void followChoices();
    QString suggestedFile() const;

    CalendarExportPlace place_;
    MessageService& messages_;
    FileChooser& files_;
    const Clock& clock_;
};
