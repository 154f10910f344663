#include "print_calendar_window.h"

#include "busy_cursor.h"
#include "daily_refresh.h"
#include "date_serial.h"
#include "number_print.h"
#include "platform_services.h"
#include "print_settings.h"
#include "settings_store.h"
#include "shared_settings.h"
#include "spinner.h"
#include "vector_state.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimeZone>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

QString monthText(int month) {
    const std::string_view name = biteclock::monthName(month);
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

} // namespace

PrintCalendarWindow::PrintCalendarWindow(biteclock::AlmanacDay& day, SettingsStore& store,
                                         MessageService& messages, PrintService& printers, QWidget* parent)
    : QDialog(parent)
    , day_(day)
    , store_(store)
    , messages_(messages)
    , printers_(printers) {
    buildControls();
    Form_Load();
}

void PrintCalendarWindow::buildControls() {
    setWindowTitle(kCaption);
    setObjectName(QStringLiteral("Form4"));

    Label1 = new QLabel(QStringLiteral("Select month and data to be included in the calendar."), this);
    QGroupBox* dataFrame = buildDataFrame();
    auto* right = new QVBoxLayout;
    right->addWidget(buildMonthFrame());
    right->addWidget(buildPaperFrame());
    right->addStretch(1);
    auto* middle = new QHBoxLayout;
    middle->addWidget(dataFrame);
    middle->addLayout(right, 1);
    QHBoxLayout* buttons = buildButtons();
    statusLine = new QLabel(this);
    statusLine->setObjectName(QStringLiteral("statusLine"));
    statusLine->setTextInteractionFlags(Qt::TextSelectableByMouse);
    statusLine->setWordWrap(true);
    showStatus(QString());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addLayout(middle);
    layout->addLayout(buttons);
    layout->addWidget(statusLine);

    connect(Command1, &QPushButton::clicked, this, &PrintCalendarWindow::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &PrintCalendarWindow::Command2_Click);
    connect(previewButton, &QPushButton::clicked, this, &PrintCalendarWindow::Preview_Click);
    connect(pdfButton, &QPushButton::clicked, this, &PrintCalendarWindow::SavePdf_Click);
    connect(UpDown1, &Spinner::upClicked, this, [this] { UpDown1_Change(1); });
    connect(UpDown1, &Spinner::downClicked, this, [this] { UpDown1_Change(-1); });
}

QGroupBox* PrintCalendarWindow::buildDataFrame() {
    auto* dataFrame = new QGroupBox(QStringLiteral("Data"), this);
    Check4 = new QCheckBox(QStringLiteral("Fishing &Prediction"), dataFrame);
    Check1 = new QCheckBox(QStringLiteral("&Sunrise and Sunset"), dataFrame);
    Check2 = new QCheckBox(QStringLiteral("&Moonrise and Moonset"), dataFrame);
    Check3 = new QCheckBox(QStringLiteral("Major and Minor fishing &times"), dataFrame);
    Check5 = new QCheckBox(QStringLiteral("&Full and New moons"), dataFrame);
    auto* dataLayout = new QVBoxLayout(dataFrame);
    for (QCheckBox* box : {Check4, Check1, Check2, Check3, Check5}) {
        dataLayout->addWidget(box);
    }
    return dataFrame;
}

QGroupBox* PrintCalendarWindow::buildMonthFrame() {
    auto* monthFrame = new QGroupBox(QStringLiteral("Month"), this);
    Combo1 = new QComboBox(monthFrame);
    Combo1->setAccessibleName(QStringLiteral("Month"));
    for (int m = 1; m <= 12; ++m) {
        Combo1->addItem(monthText(m));
    }
    Text1 = new QLineEdit(monthFrame);
    Text1->setMaxLength(6);
    Text1->setMaximumWidth(Text1->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 16);
    Text1->setAccessibleName(QStringLiteral("Year"));
    // Not bound to the year box: an unreadable year steps from this year (UpDown1_Change).
    UpDown1 = new Spinner(monthFrame);
    UpDown1->setObjectName(QStringLiteral("UpDown1"));
    yearUp = UpDown1->upButton();
    yearDown = UpDown1->downButton();
    yearUp->setAccessibleName(QStringLiteral("Next year"));
    yearDown->setAccessibleName(QStringLiteral("Previous year"));
    auto* monthLayout = new QHBoxLayout(monthFrame);
    monthLayout->addWidget(Combo1, 1);
    monthLayout->addWidget(Text1);
    monthLayout->addWidget(UpDown1);
    return monthFrame;
}

QGroupBox* PrintCalendarWindow::buildPaperFrame() {
    auto* paperFrame = new QGroupBox(QStringLiteral("Paper Size"), this);
    Combo2 = new QComboBox(paperFrame);
    Combo2->setAccessibleName(QStringLiteral("Paper Size"));
    Combo2->setEditable(true);
    Combo2->addItem(kLetterPaperText);
    Combo2->addItem(kA4PaperText);
    auto* paperLayout = new QVBoxLayout(paperFrame);
    paperLayout->addWidget(Combo2);
    return paperFrame;
}

QHBoxLayout* PrintCalendarWindow::buildButtons() {
    Command1 = new QPushButton(QStringLiteral("&Print"), this);
    Command1->setDefault(true);
    Command2 = new QPushButton(QStringLiteral("&Cancel"), this);
    previewButton = new QPushButton(QStringLiteral("Pre&view"), this);
    pdfButton = new QPushButton(QStringLiteral("Save as P&DF..."), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(previewButton);
    buttons->addWidget(pdfButton);
    buttons->addStretch(1);
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    return buttons;
}

void PrintCalendarWindow::Form_Load() {
    const CalendarOptions o = PrintSettings(store_).load();
    Check4->setChecked(o.prediction);
    Check1->setChecked(o.sunrise);
    Check2->setChecked(o.moonrise);
    Check3->setChecked(o.majorMinor);
    Check5->setChecked(o.newFull);
    Combo2->setCurrentText(o.paperText);
    showMonthOf(QDate::currentDate());
    Combo1->setEnabled(true);
    Text1->setEnabled(true);
    UpDown1->setEnabled(true);
}

void PrintCalendarWindow::showMonthOf(QDate date) {
    Combo1->setCurrentIndex(date.month() - 1);
    Text1->setText(QString::number(date.year()));
}

CalendarOptions PrintCalendarWindow::options() const {
    CalendarOptions o;
    o.prediction = Check4->isChecked();
    o.sunrise = Check1->isChecked();
    o.moonrise = Check2->isChecked();
    o.majorMinor = Check3->isChecked();
    o.newFull = Check5->isChecked();
    o.paperText = Combo2->currentText();
    return o;
}

std::optional<int> PrintCalendarWindow::checkedYear() {
    bool ok = false;
    const int year = Text1->text().trimmed().toInt(&ok);
    if (ok && year >= biteclock::kFirstYear && year <= biteclock::kLastYear) {
        return year;
    }
    messages_.show(kCaption,
                   QStringLiteral("Please enter a year from %1 to %2.")
                       .arg(biteclock::kFirstYear)
                       .arg(biteclock::kLastYear),
                   MessageService::Icon::Critical);
    Text1->setFocus();
    Text1->selectAll();
    return std::nullopt;
}

std::optional<CalendarRequest> PrintCalendarWindow::request() {
    const auto year = checkedYear();
    if (!year) {
        return std::nullopt;
    }
    CalendarRequest r;
    r.year = *year;
    r.month = Combo1->currentIndex() + 1;
    r.options = options();
    ZoneTexts zone = currentZoneTexts();
    if (biteclock::followsZone(day_)) {
        // Each cell takes its own date's offset; the legend gives the one the month starts in,
        // which is not today's when a summer month is printed in winter.
        zone.gmtText = printNumber(day_.dateOffsets->offsetHours(biteclock::dateSerial(r.year, r.month, 1)));
    }
    r.location = storedCalendarLocation(store_, zone.gmtText, zone.zoneName);
    return r;
}

PrintCalendarWindow::ZoneTexts PrintCalendarWindow::currentZoneTexts() const {
    if (zoneTexts_) {
        return zoneTexts_();
    }
    const SharedSettings shared(store_);
    ZoneTexts zone;
    zone.gmtText = shared.gmt();
    zone.zoneName = shared.customZone()
                        ? CalendarLocation::kCustomZone
                        : QTimeZone::systemTimeZone().displayName(QDateTime::currentDateTime());
    // The zone query leaves the vector state dirty, which would slow every sine of the page.
    releaseUpperVectorState();
    return zone;
}

void PrintCalendarWindow::showStatus(const QString& text) {
    statusLine->setText(text);
    statusLine->setAccessibleName(text.isEmpty() ? QStringLiteral("Status")
                                                 : QStringLiteral("Status: ") + text);
}

void PrintCalendarWindow::send(Destination destination) {
    showStatus(QString());
    auto r = request();
    if (!r) {
        return;
    }
    PrintSettings(store_).save(r->options);

    const CalendarRequest page = *r;
    PrintJob job;
    job.documentName = QStringLiteral("Biteclock Calendar ") + monthText(page.month).trimmed() +
                       QLatin1Char(' ') + QString::number(page.year);
    job.paper = calendarLayoutFor(page.options.paperText).paper;
    job.build = [this, page](PageWriter& writer) {
        const BusyCursor busy;
        return CalendarPage(day_, writer).write(page);
    };

    PrintResult result;
    switch (destination) {
    case Destination::Printer:
        result = printers_.print(job, this);
        break;
    case Destination::Preview:
        result = printers_.preview(job, this);
        break;
    case Destination::Pdf:
        result = printers_.savePdf(job, this);
        break;
    }
    switch (result.outcome) {
    case PrintResult::Outcome::Done:
        // A saved file leaves the window open for the next month; a printed page ends it.
        if (destination == Destination::Pdf) {
            showStatus(result.file.isEmpty()
                           ? QStringLiteral("Saved %1 as a PDF file.").arg(job.documentName)
                           : QStringLiteral("Saved %1 as %2")
                                 .arg(job.documentName, QDir::toNativeSeparators(result.file)));
        } else {
            close();
        }
        break;
    case PrintResult::Outcome::Cancelled:
        break;
    case PrintResult::Outcome::Failed:
        messages_.show(kCaption, QStringLiteral("The calendar could not be printed.\n%1").arg(result.error),
                       MessageService::Icon::Critical);
        break;
    }
}

void PrintCalendarWindow::Command1_Click() {
    send(Destination::Printer);
}

void PrintCalendarWindow::Command2_Click() {
    close();
}

void PrintCalendarWindow::Preview_Click() {
    send(Destination::Preview);
}

void PrintCalendarWindow::SavePdf_Click() {
    send(Destination::Pdf);
}

void PrintCalendarWindow::UpDown1_Change(int step) {
    bool ok = false;
    int year = Text1->text().trimmed().toInt(&ok);
    if (!ok) {
        year = QDate::currentDate().year();
    }
    year = std::clamp(year + step, biteclock::kFirstYear, biteclock::kLastYear);
    Text1->setText(QString::number(year));
}
