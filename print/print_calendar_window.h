#pragma once

#include "almanac_day.h"
#include "calendar_options.h"
#include "calendar_page.h"
#include "print_service.h"

#include <QDate>
#include <QDialog>
#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class MessageService;
class SettingsStore;
class Spinner;

/// The print window " Print Calendar": the month, the year, the paper and the data to include, and
/// the buttons that print, preview or save the month's calendar page. The page is computed on the
/// main window's almanac context; the main window refreshes its display at its next activation.
class PrintCalendarWindow final : public QDialog {
    Q_OBJECT

public:
    static inline const QString kCaption = QStringLiteral(" Print Calendar");

    /// The main window's offset-from-Greenwich field and zone-name field, as the legend names them.
    struct ZoneTexts {
        QString gmtText;
        QString zoneName;
    };

    PrintCalendarWindow(biteclock::AlmanacDay& day, SettingsStore& store, MessageService& messages,
                        PrintService& printers, QWidget* parent = nullptr);

    /// Where the zone texts come from at print time; without it they are read from the settings (the
    /// stored offset, and "Custom" or the computer's zone name).
    void setZoneTexts(std::function<ZoneTexts()> source) { zoneTexts_ = std::move(source); }
    /// Shows the month and year of a date (the window opens on today's).
    void showMonthOf(QDate date);

    /// The choices as the boxes and the paper field show them.
    CalendarOptions options() const;
    /// The year field as a year the almanac covers; none (after telling the user) otherwise.
    std::optional<int> checkedYear();
    /// The page the window would print now; none when the year is refused.
    std::optional<CalendarRequest> request();

    // The controls, by the names the tests and the event handlers use.
    QCheckBox* Check4 = nullptr;   ///< "Fishing &Prediction"
    QCheckBox* Check1 = nullptr;   ///< "&Sunrise and Sunset"
    QCheckBox* Check2 = nullptr;   ///< "&Moonrise and Moonset"
    QCheckBox* Check3 = nullptr;   ///< "Major and Minor fishing &times"
    QCheckBox* Check5 = nullptr;   ///< "&Full and New moons"
    QComboBox* Combo2 = nullptr;   ///< paper text
    QComboBox* Combo1 = nullptr;   ///< month
    QLineEdit* Text1 = nullptr;    ///< year
    Spinner* UpDown1 = nullptr;    ///< the year's spinner
    QToolButton* yearUp = nullptr; ///< its arrows
    QToolButton* yearDown = nullptr;
    QPushButton* Command1 = nullptr; ///< "&Print"
    QPushButton* Command2 = nullptr; ///< "&Cancel"
    QPushButton* previewButton = nullptr;
    QPushButton* pdfButton = nullptr;
    QLabel* Label1 = nullptr;
    /// What the last action did ("Saved ..."); failures are told in message boxes instead.
    QLabel* statusLine = nullptr;

    void Command1_Click();
    void Command2_Click();
    void Preview_Click();
    void SavePdf_Click();
    void UpDown1_Change(int step);

private:
    enum class Destination { Printer, Preview, Pdf };

    void buildControls();
    QGroupBox* buildDataFrame();
    QGroupBox* buildMonthFrame();
    QGroupBox* buildPaperFrame();
    QHBoxLayout* buildButtons();
    void showStatus(const QString& text);
    void Form_Load();
    void send(Destination destination);
    ZoneTexts currentZoneTexts() const;

    biteclock::AlmanacDay& day_;
    SettingsStore& store_;
    MessageService& messages_;
    PrintService& printers_;
    std::function<ZoneTexts()> zoneTexts_;
};
