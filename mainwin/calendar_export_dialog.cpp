#include "calendar_export_dialog.h"

#include "busy_cursor.h"
#include "calendar_zone.h"
#include "date_serial.h"
#include "file_chooser.h"
#include "ordered_blocks.h"
#include "platform_services.h"
#include "safe_file.h"
#include "zone_date_offsets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace {

const QString kTitle = QStringLiteral("Export to Calendar");
const QDate kFirstDate(biteclock::kFirstYear, 1, 1);
const QDate kLastDate(biteclock::kLastYear, 12, 31);

struct GradeChoice {
    const char* text;
    int rating;
};
constexpr GradeChoice kGrades[] = {{"Fair or better", 33}, {"Good or better", 66}, {"Excellent only", 100}};
constexpr int kGoodGrade = 1;

biteclock::DateSerial serialOf(QDate date) {
    return biteclock::dateSerial(date.year(), date.month(), date.day());
}

QString zoneNameOf(const biteclock::DateOffsets& offsets) {
    const auto* zone = dynamic_cast<const ZoneDateOffsets*>(&offsets);
    return zone != nullptr ? QString::fromLatin1(zone->id()) : QString();
}

} // namespace

CalendarExportDialog::CalendarExportDialog(CalendarExportPlace place, QDate firstDayShown,
                                           MessageService& messages, FileChooser& files, const Clock& clock,
                                           QWidget* parent)
    : QDialog(parent)
    , place_(std::move(place))
    , messages_(messages)
    , files_(files)
    , clock_(clock) {
    if (!place_.offsets) {
        place_.offsets = std::make_shared<const biteclock::FixedDateOffsets>(place_.observer.zoneOffsetHours);
    }
    setObjectName(QStringLiteral("CalendarExport"));
    setWindowTitle(kTitle);
    buildControls();
    firstDay->setDate(firstDayShown.isValid() ? std::clamp(firstDayShown, kFirstDate, kLastDate)
                                              : kFirstDate);
    followChoices();
}

void CalendarExportDialog::buildControls() {
    auto* layout = new QVBoxLayout(this);
    const QString zone = zoneNameOf(*place_.offsets);
    const QString where =
        place_.name.isEmpty()
            ? QString::fromStdString(biteclock::coordinatesText(place_.observer))
            : QStringLiteral("%1 (%2)").arg(
                  place_.name, QString::fromStdString(biteclock::coordinatesText(place_.observer)));
    placeText =
        new QLabel(zone.isEmpty() ? tr("%1\nTimes in UTC: the place keeps one offset.").arg(where)
                                  : tr("%1\nLocal times of %2, daylight saving included.").arg(where, zone),
                   this);
    placeText->setWordWrap(true);
    layout->addWidget(placeText);

    auto* span = new QFormLayout;
    firstDay = new QDateEdit(this);
    firstDay->setObjectName(QStringLiteral("firstDay"));
    firstDay->setCalendarPopup(true);
    firstDay->setDateRange(kFirstDate, kLastDate);
    firstDay->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    span->addRow(tr("&First day:"), firstDay);
    days = new QSpinBox(this);
    days->setObjectName(QStringLiteral("days"));
    days->setRange(1, kMostDays);
    days->setValue(kDefaultDays);
    days->setSuffix(tr(" days"));
    span->addRow(tr("&Number of days:"), days);
    layout->addLayout(span);

    auto* events = new QGroupBox(tr("Events"), this);
    auto* eventRows = new QFormLayout(events);
    periods = new QCheckBox(tr("&Major and minor periods, two hours each"), events);
    goodDays = new QCheckBox(tr("&Good fishing days, as all-day events:"), events);
    phases = new QCheckBox(tr("&New and full moons"), events);
    for (QCheckBox* box : {periods, goodDays, phases}) {
        box->setChecked(true);
    }
    grade = new QComboBox(events);
    for (const GradeChoice& choice : kGrades) {
        grade->addItem(tr(choice.text), choice.rating);
    }
    grade->setCurrentIndex(kGoodGrade);
    eventRows->addRow(periods);
    eventRows->addRow(goodDays, grade);
    eventRows->addRow(phases);
    layout->addWidget(events);

    periods->setToolTip(
        tr("Each major and minor period of a day: the two hours centred on the Moon's passage or "
           "on moonrise or moonset, starting at the time the day shows"));
    goodDays->setToolTip(tr("An all-day event for each day whose prediction reaches the chosen grade"));
    firstDay->setToolTip(tr("The first day of the calendar"));
    days->setToolTip(tr("How many days the calendar covers, up to 31 December 2200"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    exportButton = buttons->addButton(tr("&Export..."), QDialogButtonBox::AcceptRole);
    exportButton->setDefault(true);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(exportButton, &QPushButton::clicked, this, &CalendarExportDialog::exportCalendar);
    for (QCheckBox* box : {periods, goodDays, phases}) {
        connect(box, &QCheckBox::toggled, this, &CalendarExportDialog::followChoices);
    }
    connect(firstDay, &QDateEdit::dateChanged, this, &CalendarExportDialog::followChoices);
}

void CalendarExportDialog::followChoices() {
    // The span ends by the almanac's last day.
    days->setMaximum(static_cast<int>(std::min<qint64>(kMostDays, firstDay->date().daysTo(kLastDate) + 1)));
    grade->setEnabled(goodDays->isChecked());
    exportButton->setEnabled(periods->isChecked() || goodDays->isChecked() || phases->isChecked());
}

biteclock::FishingCalendarRequest CalendarExportDialog::request() const {
    biteclock::FishingCalendarRequest r;
    r.place.observer = place_.observer;
    r.place.moonNorth = place_.moonNorth;
    r.from = serialOf(firstDay->date());
    r.days = days->value();
    r.locationText =
        place_.name.isEmpty() ? biteclock::coordinatesText(place_.observer) : place_.name.toStdString();
    r.kinds = biteclock::CalendarEventKinds{periods->isChecked(), goodDays->isChecked(), phases->isChecked()};
    r.minimumRating = grade->currentData().toInt();
    r.stampUtcSeconds = clock_.nowUtcSeconds();
    r.jobs = biteclock::availableCores();
    return withZoneOf(r, *place_.offsets);
}

QString CalendarExportDialog::suggestedFile() const {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty()) {
        folder = QDir::homePath();
    }
    return QDir(folder).filePath(
        QStringLiteral("fishing-times-%1.ics").arg(firstDay->date().toString(Qt::ISODate)));
}

bool CalendarExportDialog::exportCalendar() {
    const QString path = files_.saveFileName(
        this, {kTitle, suggestedFile(), tr("iCalendar files (*.ics);;All files (*)"), QStringLiteral("ics")});
    if (path.isEmpty()) {
        return false;
    }
    biteclock::FishingCalendarText calendar;
    {
        const BusyCursor busy;
        calendar = biteclock::fishingCalendarText(request(), *place_.offsets);
    }
    const SafeFileResult written = writeFileSafely(
        path, QByteArrayView(calendar.text.data(), static_cast<qsizetype>(calendar.text.size())));
    if (!written.written) {
        messages_.show(kTitle, safeFileError(path, written), MessageService::Icon::Critical);
        return false;
    }
    const QString count =
        calendar.events == 1 ? tr("1 event was") : tr("%1 events were").arg(calendar.events);
    messages_.show(kTitle, tr("%1 written to %2.").arg(count, QDir::toNativeSeparators(path)),
                   MessageService::Icon::Information);
    accept();
    return true;
}
