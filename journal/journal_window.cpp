#include "journal_window.h"

#include "almanac_day.h"
#include "entry_number.h"
#include "journal_moon.h"
#include "notes_wrap.h"
#include "packed_colour.h"
#include "platform_services.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTextDocument>
#include <algorithm>
#include <utility>

namespace {

QString fromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string toUtf8(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// The notes box works with "\n"; the journal file keeps CR LF, and a lone CR reads as a line end.
std::string notesForFile(const QString& text) {
    QString notes = text;
    notes.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return toUtf8(notes);
}

QString notesFromFile(const std::string& text) {
    QString notes = fromUtf8(text);
    notes.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    notes.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return notes;
}

void setListText(QComboBox* box, const QString& text) {
    const int index = box->findText(text, Qt::MatchExactly);
    box->setCurrentIndex(index);
    if (index < 0) {
        box->setEditText(text);
    }
}

MessageService::Icon messageIcon(JournalNotice::Icon icon) {
    switch (icon) {
    case JournalNotice::Icon::Exclamation:
        return MessageService::Icon::Exclamation;
    case JournalNotice::Icon::Critical:
        return MessageService::Icon::Critical;
    case JournalNotice::Icon::Information:
        break;
    }
    return MessageService::Icon::Information;
}

} // namespace

JournalWindow::JournalWindow(biteclock::AlmanacDay& almanac, MessageService& messages, HelpService* help,
                             const QString& journalFolder, const Clock& clock, bool monthFirst,
                             bool tipsShown, PictureLookup pictures, int chartColour, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , almanac_(almanac)
    , messages_(messages)
    , help_(help)
    , clock_(clock)
    , store_(journalFolder)
    , pictures_(std::move(pictures))
    , monthFirst_(monthFirst)
    , tipsShown_(tipsShown)
    , chartColour_(chartColour) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Fishing Journal"));
    buildControls();
    placeDateBoxes();
    applyChartColour();
    setTips(tipsShown_);
    hidePictures();
    connect(qApp, &QApplication::focusChanged, this, &JournalWindow::onFocusChanged);
}

JournalWindow::~JournalWindow() {
    // Destroying the child widgets moves the focus; the handler must not run on a half-destroyed
    // window.
    disconnect(qApp, &QApplication::focusChanged, this, &JournalWindow::onFocusChanged);
}

void JournalWindow::setMonthFirst(bool monthFirst) {
    if (monthFirst != monthFirst_) {
        monthFirst_ = monthFirst;
        placeDateBoxes();
    }
}

void JournalWindow::setTipsShown(bool tipsShown) {
    tipsShown_ = tipsShown;
}

void JournalWindow::setChartColour(int chartColour) {
    chartColour_ = chartColour;
    applyChartColour();
}

void JournalWindow::applyChartColour() {
    // A stored number no colour packs to gives the default, as it does for the graph.
    const QColor colour = packed_colour::toColour(chartColour_)
                              .value_or(*packed_colour::toColour(MainSettings::kDefaultChartColour));
    for (QLabel* picture : {Image1, Image2}) {
        QPalette palette = picture->palette();
        palette.setColor(QPalette::Window, colour);
        picture->setPalette(palette);
    }
}

void JournalWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        Form_Load();
    }
}

void JournalWindow::Form_Load() {
    // Whichever way the window was last closed, it opens on a stored entry or a fresh blank one.
    newBlankEntry_ = false;
    setTips(tipsShown_);
    currentEntry_ = parseEntryNumber(Text8->text()).value_or(kFirstEntryNumber);
    Text8->setText(QString::number(currentEntry_));
    readdata();
}

QString JournalWindow::notesText() const {
    // toPlainText() would turn no-break spaces into plain ones; the raw text keeps every character,
    // with U+2029 between the box's lines.
    QString notes = Text200->document()->toRawText();
    notes.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return notes;
}

void JournalWindow::setNotes(const QString& notes) {
    // The wrapping must suit the text before the box lays it out, which it does at once.
    const QTextOption::WrapMode wrap = notesWrapMode(notes);
    if (Text200->wordWrapMode() != wrap) {
        Text200->setWordWrapMode(wrap);
    }
    Text200->setPlainText(notes);
}

void JournalWindow::fitNotesWrap() {
    // Typed or pasted text is laid out after this check, so a pasted unbroken run is safe too.
    const QTextOption::WrapMode wrap = notesWrapMode(notesText());
    if (Text200->wordWrapMode() != wrap) {
        Text200->setWordWrapMode(wrap);
    }
}

QString JournalWindow::statusText() const {
    return statusLine_->text();
}

void JournalWindow::showStatus(const QString& text) {
    statusLine_->setText(text);
    statusLine_->setAccessibleName(text.isEmpty() ? QStringLiteral("Status")
                                                  : QStringLiteral("Status: ") + text);
}

void JournalWindow::notify(const JournalNotice& notice) {
    messages_.show(notice.title, notice.text, messageIcon(notice.icon));
}

biteclock::JournalEntry JournalWindow::fields() const {
    biteclock::JournalEntry entry;
    entry.day = toUtf8(Text1->text());
    entry.month = toUtf8(Text13->text());
    entry.year = toUtf8(Text14->text());
    entry.notes = notesForFile(notesText());
    entry.temperature = toUtf8(Text3->text());
    entry.tripTime = toUtf8(Text4->text());
    entry.tideType = toUtf8(Text5->text());
    entry.windStrength = toUtf8(Text6->text());
    entry.quantity = toUtf8(Text7->text());
    entry.windDirection = toUtf8(Combo1->currentText());
    entry.tideState = toUtf8(Combo2->currentText());
    entry.catchRating = toUtf8(Combo3->currentText());
    entry.position1 = toUtf8(Text9->text());
    entry.position2 = toUtf8(Text10->text());
    entry.bestTime = toUtf8(Text11->text());
    return entry;
}

void JournalWindow::showFields(const biteclock::JournalEntry& entry) {
    Text1->setText(fromUtf8(entry.day));
    Text13->setText(fromUtf8(entry.month));
    Text14->setText(fromUtf8(entry.year));
    setNotes(notesFromFile(entry.notes));
    Text3->setText(fromUtf8(entry.temperature));
    Text4->setText(fromUtf8(entry.tripTime));
    Text5->setText(fromUtf8(entry.tideType));
    Text6->setText(fromUtf8(entry.windStrength));
    Text7->setText(fromUtf8(entry.quantity));
    setListText(Combo1, fromUtf8(entry.windDirection));
    setListText(Combo2, fromUtf8(entry.tideState));
    setListText(Combo3, fromUtf8(entry.catchRating));
    Text9->setText(fromUtf8(entry.position1));
    Text10->setText(fromUtf8(entry.position2));
    Text11->setText(fromUtf8(entry.bestTime));
    dateEdited_ = false;
}

void JournalWindow::presetMonthAndYear() {
    const QDate today = clock_.today();
    Text13->setText(QString::number(today.month()));
    Text14->setText(QString::number(today.year()));
}

void JournalWindow::readdata() {
    readEntryIntoFields();
    shownFields_ = fields();
}

void JournalWindow::readEntryIntoFields() {
    showStatus(QString());
    const JournalStore::ReadResult read = store_.read(currentEntry_);
    const QString path = store_.filePath(currentEntry_);
    switch (read.status) {
    case JournalStore::ReadStatus::Missing:
        // The normal end of the journal: a blank entry under the number asked for. It counts as
        // the new entry past the last file only when no later file exists.
        if (!newBlankEntry_) {
            Text8->setText(QString::number(currentEntry_));
            newBlankEntry_ = store_.lastEntryNumber() < currentEntry_;
            new_entry();
            presetMonthAndYear();
        } else {
            currentEntry_ = parseEntryNumber(Text8->text()).value_or(currentEntry_);
        }
        return;
    case JournalStore::ReadStatus::Unreadable:
        Text8->setText(QString::number(currentEntry_));
        new_entry();
        presetMonthAndYear();
        notify({QStringLiteral("Journal Entry Not Read"),
                QStringLiteral("Journal entry %1 could not be read from the file\n%2\n\n%3")
                    .arg(currentEntry_)
                    .arg(path, read.error),
                JournalNotice::Icon::Critical});
        return;
    case JournalStore::ReadStatus::Read:
    case JournalStore::ReadStatus::Damaged:
    case JournalStore::ReadStatus::TooLarge:
        break;
    }

    showFields(read.entry);
    Text8->setText(QString::number(currentEntry_));
    hidePictures();
    if (!Text1->text().isEmpty()) {
        tripDate_ = storedTripDate({Text1->text(), Text13->text(), Text14->text()});
        if (tripDate_) {
            Moonfish();
        }
    }
    if (read.status == JournalStore::ReadStatus::Damaged) {
        notify(
            {QStringLiteral("Damaged Journal Entry"),
             QStringLiteral("Journal entry %1 in the file\n%2\nis incomplete or damaged. It is shown as far "
                            "as it could be read. The file is left as it is unless you click Save Entry.")
                 .arg(currentEntry_)
                 .arg(path),
             JournalNotice::Icon::Exclamation});
    } else if (read.status == JournalStore::ReadStatus::TooLarge) {
        notify(
            {QStringLiteral("Damaged Journal Entry"),
             QStringLiteral("Journal entry %1 in the file\n%2\nis larger than 1 MB, which no journal entry "
                            "should be. Its first megabyte is shown. The file is left as it is unless you "
                            "click Save Entry.")
                 .arg(currentEntry_)
                 .arg(path),
             JournalNotice::Icon::Exclamation});
    }
}

bool JournalWindow::saveent() {
    showStatus(QString());
    const std::optional<int> number = checkedEntryNumber();
    if (!number) {
        return false;
    }
    // A number typed over the one shown would silently replace another trip.
    if (*number != currentEntry_ && QFileInfo::exists(store_.filePath(*number))) {
        const MessageService::Answer answer = messages_.show(
            QStringLiteral("Replace Journal Entry"),
            QStringLiteral("Entry %1 already holds a trip. Replace it with the entry in this window?")
                .arg(*number),
            MessageService::Icon::Question, MessageService::Buttons::YesNo);
        if (answer != MessageService::Answer::Yes) {
            Text8->setFocus();
            return false;
        }
    }
    const JournalStore::SaveResult saved = store_.save(*number, fields());
    if (!saved.saved) {
        notify({QStringLiteral("Entry Not Saved"),
                QStringLiteral("Journal entry %1 could not be saved in the journal folder\n%2\n\n%3\n\nThe "
                               "entry is still in the window. Please make the folder writable or free some "
                               "space, then click Save Entry again.")
                    .arg(*number)
                    .arg(store_.folder(), saved.error),
                JournalNotice::Icon::Critical});
        return false;
    }
    currentEntry_ = *number;
    Text8->setText(QString::number(*number));
    newBlankEntry_ = false;
    shownFields_ = fields();
    showStatus(
        QStringLiteral("Saved entry %1 in %2").arg(*number).arg(QDir::toNativeSeparators(store_.folder())));
    emit entrySaved(*number);
    return true;
}

bool JournalWindow::hasUnsavedChanges() const {
    return fields() != shownFields_;
}

void JournalWindow::showEntry(int number) {
    if (number < kFirstEntryNumber || number > kLastEntryNumber) {
        return;
    }
    // What was typed and not saved is asked about before another entry takes its place.
    if (isVisible() && number != currentEntry_ && hasUnsavedChanges()) {
        const MessageService::Answer answer = messages_.show(
            QStringLiteral("Unsaved Journal Entry"),
            QStringLiteral("Entry %1 has changes that are not saved. Save them before showing entry %2?")
                .arg(currentEntry_)
                .arg(number),
            MessageService::Icon::Question, MessageService::Buttons::YesNoCancel);
        if (answer == MessageService::Answer::Cancel ||
            (answer == MessageService::Answer::Yes && !saveent())) {
            return;
        }
    }
    Text8->setText(QString::number(number));
    // A window that is not open reads the entry in the number box when it opens.
    if (isVisible()) {
        newBlankEntry_ = false;
        currentEntry_ = number;
        readdata();
    }
}

void JournalWindow::new_entry() {
    for (QLineEdit* box : {Text1, Text13, Text14, Text3, Text4, Text5, Text6, Text7, Text9, Text10, Text11}) {
        box->clear();
    }
    setNotes(QString());
    showStatus(QString());
    for (QComboBox* box : {Combo1, Combo2, Combo3}) {
        box->setCurrentIndex(-1);
        box->clearEditText();
    }
    dateEdited_ = false;
    hidePictures();
}

void JournalWindow::hidePictures() {
    tripDate_.reset();
    Image1->hide();
    Image1->clear();
    Image2->hide();
    Image2->clear();
    Label12->hide();
    Text2->hide();
    Text2->clear();
    Label14->hide();
    Label14->clear();
    ratingText_.clear();
    showMoonNames();
}

void JournalWindow::Moonfish() {
    if (!tripDate_) {
        return;
    }
    const std::optional<biteclock::JournalMoon> moon = biteclock::journalMoon(almanac_, *tripDate_);
    if (!moon) {
        const auto date = tripDate_;
        hidePictures();
        tripDate_ = date;
        return;
    }
    Image1->setPixmap(pictures_ ? pictures_(moon->moonPictureId) : QPixmap());
    Image1->show();
    Label12->show();
    Text2->setText(QString::number(moon->moonAge));
    Text2->show();
    Label14->setText(fromUtf8(moon->caption.text));
    Label14->setVisible(moon->caption.visible);
    Image2->setPixmap(pictures_ ? pictures_(moon->ratingIconId) : QPixmap());
    ratingText_ = fromUtf8(moon->ratingText);
    Image2->show();
    showMoonNames();
}

bool JournalWindow::dateentered() {
    dateEdited_ = false;
    const TripDateCheck check =
        checkTripDate({Text1->text(), Text13->text(), Text14->text()}, clock_.today().year());
    Text1->setText(check.fields.day);
    Text13->setText(check.fields.month);
    Text14->setText(check.fields.year);
    bool clean = true;
    for (const JournalNotice& notice : check.notices) {
        notify(notice);
        clean = clean && notice.icon == JournalNotice::Icon::Information;
    }
    switch (check.focus) {
    case TripDateCheck::Box::Day:
        Text1->setFocus();
        break;
    case TripDateCheck::Box::Month:
        Text13->setFocus();
        break;
    case TripDateCheck::Box::Year:
        Text14->setFocus();
        break;
    case TripDateCheck::Box::None:
        break;
    }
    // A date that no longer stands must not keep the pictures of the one before.
    hidePictures();
    if (check.date) {
        tripDate_ = check.date;
        Moonfish();
    }
    return clean;
}

std::optional<int> JournalWindow::checkedEntryNumber() {
    const std::optional<int> number = parseEntryNumber(Text8->text());
    if (!number) {
        notify({QStringLiteral("Invalid Entry Number"),
                QStringLiteral("The entry number must be a whole number from 1 to 32767. Please re-enter the "
                               "entry number."),
                JournalNotice::Icon::Critical});
        Text8->setFocus();
        Text8->selectAll();
    }
    return number;
}

void JournalWindow::goToTypedEntry() {
    const std::optional<int> number = checkedEntryNumber();
    if (!number) {
        return;
    }
    newBlankEntry_ = false;
    currentEntry_ = *number;
    readdata();
}

void JournalWindow::stepDateBox(QLineEdit* box, int delta, int minimum, int maximum) {
    bool ok = false;
    const int value = box->text().trimmed().toInt(&ok);
    box->setText(QString::number(ok ? std::clamp(value + delta, minimum, maximum) : minimum));
    dateentered();
}

bool JournalWindow::isDateBox(const QWidget* widget) const {
    return widget == Text1 || widget == Text13 || widget == Text14;
}

void JournalWindow::onFocusChanged(QWidget* old, QWidget* now) {
    // Leaving the date for another field of this window checks what was typed there.
    if (dateEdited_ && isDateBox(old) && now != nullptr && !isDateBox(now) && now->window() == this) {
        dateentered();
    }
}

void JournalWindow::Command1_Click() {
    if (!checkedEntryNumber()) {
        return;
    }
    if (!Text1->text().isEmpty()) {
        dateentered();
    }
    saveent();
}

void JournalWindow::Command2_Click() {
    newBlankEntry_ = false;
    close();
}

void JournalWindow::Command3_Click() {
    if (help_ != nullptr) {
        help_->showContents();
    }
}

void JournalWindow::Command4_Click() {
    const std::optional<int> number = checkedEntryNumber();
    if (!number) {
        return;
    }
    // Entry 1 stays where it is, typed changes included.
    if (*number <= kFirstEntryNumber) {
        return;
    }
    newBlankEntry_ = false;
    currentEntry_ = *number - 1;
    readdata();
}

void JournalWindow::Command5_Click() {
    if (newBlankEntry_) {
        return;
    }
    const std::optional<int> number = checkedEntryNumber();
    if (!number || *number >= kLastEntryNumber) {
        return;
    }
    currentEntry_ = *number + 1;
    readdata();
}

void JournalWindow::Command6_Click() {
    new_entry();
    presetMonthAndYear();
}

void JournalWindow::tooltipsshow() {
    setTips(true);
}

void JournalWindow::tooltipss() {
    setTips(false);
}
