#include "form3.h"

#include "almanac_day.h"
#include "entry_number.h"
#include "journal_moon.h"
#include "platform_services.h"
#include "up_down_buttons.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

namespace {

// Long enough for anything a journal file can hold; QLineEdit would cut at 32767 characters.
constexpr int kFieldMaxLength = 4 * 1024 * 1024;

const QStringList kWindDirections{
    QStringLiteral("North"),      QStringLiteral("North East"), QStringLiteral("East"),
    QStringLiteral("South East"), QStringLiteral("South"),      QStringLiteral("South West"),
    QStringLiteral("West"),       QStringLiteral("North West"), QStringLiteral("Variable"),
};

const QStringList kTideStates{
    QStringLiteral("Rising 1/3"),  QStringLiteral("Rising 2/3"),  QStringLiteral("Rising 3/3"),
    QStringLiteral("Slack High"),  QStringLiteral("Falling 1/3"), QStringLiteral("Falling 2/3"),
    QStringLiteral("Falling 3/3"), QStringLiteral("Slack Low"),
};

const QStringList kCatchRatings{
    QStringLiteral("Poor"),
    QStringLiteral("Fair"),
    QStringLiteral("Good"),
    QStringLiteral("Excellent"),
};

QString fromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string toUtf8(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// The notes box works with "\n"; the file keeps the line ends of the platform the journal came from.
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

QComboBox* listBox(const QString& name, const QStringList& items, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems(items);
    box->lineEdit()->setMaxLength(kFieldMaxLength);
    box->setCurrentIndex(-1);
    return box;
}

QLineEdit* textBox(const QString& name, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setMaxLength(kFieldMaxLength);
    return box;
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

Form3::Form3(biteclock::AlmanacDay& almanac, MessageService& messages, HelpService* help,
             const QString& journalFolder, const Clock& clock, bool monthFirst, bool tipsShown,
             PictureLookup pictures, int chartColour, QWidget* parent)
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
    connect(qApp, &QApplication::focusChanged, this, &Form3::onFocusChanged);
}

Form3::~Form3() {
    // Destroying the child widgets moves the focus; the handler must not run on a half-destroyed
    // window.
    disconnect(qApp, &QApplication::focusChanged, this, &Form3::onFocusChanged);
}

void Form3::buildControls() {
    Text8 = textBox(QStringLiteral("Text8"), this);
    Text8->setText(QStringLiteral("1"));
    Text8->setMaxLength(16);
    Text8->setFixedWidth(Text8->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 16);
    Command4 = new QPushButton(QStringLiteral("< &Back"), this);
    Command5 = new QPushButton(QStringLiteral("&Next >"), this);
    auto* entryLabel = new QLabel(QStringLiteral("Entry &No."), this);
    entryLabel->setBuddy(Text8);
    auto* entryRow = new QHBoxLayout;
    entryRow->addWidget(entryLabel);
    entryRow->addWidget(Text8);
    entryRow->addWidget(Command4);
    entryRow->addWidget(Command5);
    entryRow->addStretch();

    Frame1 = new QGroupBox(QStringLiteral("Date"), this);
    Text1 = textBox(QStringLiteral("Text1"), Frame1);
    Text13 = textBox(QStringLiteral("Text13"), Frame1);
    Text14 = textBox(QStringLiteral("Text14"), Frame1);
    const int digitWidth = Text1->fontMetrics().horizontalAdvance(QLatin1Char('0'));
    Text1->setFixedWidth(digitWidth * 3 + 16);
    Text13->setFixedWidth(digitWidth * 3 + 16);
    Text14->setFixedWidth(digitWidth * 5 + 16);
    UpDown1 = new UpDownButtons(Frame1);
    UpDown2 = new UpDownButtons(Frame1);
    UpDown3 = new UpDownButtons(Frame1);
    Label1 = new QLabel(QStringLiteral("&Day"), Frame1);
    Label2 = new QLabel(QStringLiteral("&Month"), Frame1);
    Label3 = new QLabel(QStringLiteral("&Year"), Frame1);
    Label1->setBuddy(Text1);
    Label2->setBuddy(Text13);
    Label3->setBuddy(Text14);
    dateLayout_ = new QHBoxLayout(Frame1);

    Text200 = new QPlainTextEdit(this);
    Text200->setObjectName(QStringLiteral("Text200"));
    Text200->setTabChangesFocus(true);
    Text200->setMinimumHeight(Text200->fontMetrics().lineSpacing() * 4);
    Text200->setMaximumHeight(Text200->fontMetrics().lineSpacing() * 8);
    Text3 = textBox(QStringLiteral("Text3"), this);
    Text4 = textBox(QStringLiteral("Text4"), this);
    Text5 = textBox(QStringLiteral("Text5"), this);
    Text6 = textBox(QStringLiteral("Text6"), this);
    Text7 = textBox(QStringLiteral("Text7"), this);
    Combo1 = listBox(QStringLiteral("Combo1"), kWindDirections, this);
    Combo2 = listBox(QStringLiteral("Combo2"), kTideStates, this);
    Combo3 = listBox(QStringLiteral("Combo3"), kCatchRatings, this);
    Text9 = textBox(QStringLiteral("Text9"), this);
    Text10 = textBox(QStringLiteral("Text10"), this);
    Text11 = textBox(QStringLiteral("Text11"), this);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Notes:"), Text200);
    form->addRow(QStringLiteral("Temperature:"), Text3);
    form->addRow(QStringLiteral("Trip Time:"), Text4);
    form->addRow(QStringLiteral("Tide Type:"), Text5);
    form->addRow(QStringLiteral("Wind Strength:"), Text6);
    form->addRow(QStringLiteral("Quantity of Fish:"), Text7);
    form->addRow(QStringLiteral("Wind:"), Combo1);
    form->addRow(QStringLiteral("Tide:"), Combo2);
    form->addRow(QStringLiteral("Catch:"), Combo3);
    form->addRow(QStringLiteral("G.P.S mark or location:"), Text9);
    form->addRow(QStringLiteral("G.P.S mark or location:"), Text10);
    form->addRow(QStringLiteral("Best Time:"), Text11);

    Image1 = new QLabel(this);
    Image2 = new QLabel(this);
    for (QLabel* picture : {Image1, Image2}) {
        picture->setFixedSize(40, 40);
        picture->setAlignment(Qt::AlignCenter);
        picture->setAutoFillBackground(true);
    }
    Label12 = new QLabel(QStringLiteral("Age"), this);
    Text2 = new QLabel(this);
    Label14 = new QLabel(this);
    Label14->setMinimumWidth(Label14->fontMetrics().horizontalAdvance(QStringLiteral("Full Moon 00:00 AM")) +
                             4);
    auto* ageRow = new QHBoxLayout;
    ageRow->addWidget(Label12);
    ageRow->addWidget(Text2);
    ageRow->addStretch();
    auto* moonColumn = new QVBoxLayout;
    moonColumn->addWidget(Image1, 0, Qt::AlignHCenter);
    moonColumn->addLayout(ageRow);
    moonColumn->addWidget(Label14);
    moonColumn->addSpacing(12);
    moonColumn->addWidget(Image2, 0, Qt::AlignHCenter);
    moonColumn->addStretch();

    Command1 = new QPushButton(QStringLiteral("&Save Entry"), this);
    Command6 = new QPushButton(QStringLiteral("&Clear Entry"), this);
    Command3 = new QPushButton(QStringLiteral("&Help"), this);
    Command2 = new QPushButton(QStringLiteral("&Close"), this);
    Command3->setEnabled(help_ != nullptr);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command1);
    buttons->addWidget(Command6);
    buttons->addStretch();
    buttons->addWidget(Command3);
    buttons->addWidget(Command2);

    const std::pair<QWidget*, const char*> names[] = {
        {Command1, "Command1"}, {Command2, "Command2"}, {Command3, "Command3"}, {Command4, "Command4"},
        {Command5, "Command5"}, {Command6, "Command6"}, {Frame1, "Frame1"},     {UpDown1, "UpDown1"},
        {UpDown2, "UpDown2"},   {UpDown3, "UpDown3"},   {Label1, "Label1"},     {Label2, "Label2"},
        {Label3, "Label3"},     {Image1, "Image1"},     {Image2, "Image2"},     {Label12, "Label12"},
        {Text2, "Text2"},       {Label14, "Label14"},
    };
    for (const auto& [widget, name] : names) {
        widget->setObjectName(QString::fromLatin1(name));
    }

    auto* grid = new QGridLayout(this);
    grid->addLayout(entryRow, 0, 0);
    grid->addWidget(Frame1, 1, 0);
    grid->addLayout(form, 2, 0);
    grid->addLayout(moonColumn, 0, 1, 3, 1);
    grid->addLayout(buttons, 3, 0, 1, 2);
    grid->setColumnStretch(0, 1);

    connect(Command1, &QPushButton::clicked, this, &Form3::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form3::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form3::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form3::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &Form3::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &Form3::Command6_Click);
    connect(Text8, &QLineEdit::returnPressed, this, &Form3::goToTypedEntry);
    for (QLineEdit* box : {Text1, Text13, Text14}) {
        connect(box, &QLineEdit::returnPressed, this, &Form3::dateentered);
        connect(box, &QLineEdit::textEdited, this, [this] { dateEdited_ = true; });
    }
    connect(UpDown1, &UpDownButtons::upClicked, this, [this] { stepDateBox(Text1, 1, 1, 31); });
    connect(UpDown1, &UpDownButtons::downClicked, this, [this] { stepDateBox(Text1, -1, 1, 31); });
    connect(UpDown2, &UpDownButtons::upClicked, this, [this] { stepDateBox(Text13, 1, 1, 12); });
    connect(UpDown2, &UpDownButtons::downClicked, this, [this] { stepDateBox(Text13, -1, 1, 12); });
    connect(UpDown3, &UpDownButtons::upClicked, this,
            [this] { stepDateBox(Text14, 1, biteclock::kFirstYear, biteclock::kLastYear); });
    connect(UpDown3, &UpDownButtons::downClicked, this,
            [this] { stepDateBox(Text14, -1, biteclock::kFirstYear, biteclock::kLastYear); });
}

void Form3::placeDateBoxes() {
    while (dateLayout_->count() > 0) {
        delete dateLayout_->takeAt(0);
    }
    const auto addBox = [this](QLabel* label, QLineEdit* box, UpDownButtons* spinner) {
        dateLayout_->addWidget(label);
        dateLayout_->addWidget(box);
        dateLayout_->addWidget(spinner);
        dateLayout_->addSpacing(8);
    };
    if (monthFirst_) {
        addBox(Label2, Text13, UpDown2);
        addBox(Label1, Text1, UpDown1);
    } else {
        addBox(Label1, Text1, UpDown1);
        addBox(Label2, Text13, UpDown2);
    }
    addBox(Label3, Text14, UpDown3);
    dateLayout_->addStretch();
    if (monthFirst_) {
        setTabOrder(Text13, Text1);
        setTabOrder(Text1, Text14);
    } else {
        setTabOrder(Text1, Text13);
        setTabOrder(Text13, Text14);
    }
}

void Form3::setMonthFirst(bool monthFirst) {
    if (monthFirst != monthFirst_) {
        monthFirst_ = monthFirst;
        placeDateBoxes();
    }
}

void Form3::setTipsShown(bool tipsShown) {
    tipsShown_ = tipsShown;
}

void Form3::setChartColour(int chartColour) {
    chartColour_ = chartColour;
    applyChartColour();
}

void Form3::applyChartColour() {
    const QColor colour(chartColour_ & 0xFF, (chartColour_ >> 8) & 0xFF, (chartColour_ >> 16) & 0xFF);
    for (QLabel* picture : {Image1, Image2}) {
        QPalette palette = picture->palette();
        palette.setColor(QPalette::Window, colour);
        picture->setPalette(palette);
    }
}

void Form3::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        Form_Load();
    }
}

void Form3::Form_Load() {
    // Whichever way the window was last closed, it opens on a stored entry or a fresh blank one.
    newBlankEntry_ = false;
    setTips(tipsShown_);
    currentEntry_ = parseEntryNumber(Text8->text()).value_or(kFirstEntryNumber);
    Text8->setText(QString::number(currentEntry_));
    readdata();
}

void Form3::notify(const JournalNotice& notice) {
    messages_.show(notice.title, notice.text, messageIcon(notice.icon));
}

biteclock::JournalEntry Form3::fields() const {
    biteclock::JournalEntry entry;
    entry.day = toUtf8(Text1->text());
    entry.month = toUtf8(Text13->text());
    entry.year = toUtf8(Text14->text());
    entry.notes = notesForFile(Text200->toPlainText());
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

void Form3::showFields(const biteclock::JournalEntry& entry) {
    Text1->setText(fromUtf8(entry.day));
    Text13->setText(fromUtf8(entry.month));
    Text14->setText(fromUtf8(entry.year));
    Text200->setPlainText(notesFromFile(entry.notes));
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

void Form3::presetMonthAndYear() {
    const QDate today = clock_.today();
    Text13->setText(QString::number(today.month()));
    Text14->setText(QString::number(today.year()));
}

void Form3::readdata() {
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

bool Form3::saveent() {
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
    return true;
}

void Form3::new_entry() {
    for (QLineEdit* box : {Text1, Text13, Text14, Text3, Text4, Text5, Text6, Text7, Text9, Text10, Text11}) {
        box->clear();
    }
    Text200->clear();
    for (QComboBox* box : {Combo1, Combo2, Combo3}) {
        box->setCurrentIndex(-1);
        box->clearEditText();
    }
    dateEdited_ = false;
    hidePictures();
}

void Form3::hidePictures() {
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
}

void Form3::Moonfish() {
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
    Image1->setAccessibleName(QStringLiteral("Moon phase"));
    Image1->show();
    Label12->show();
    Text2->setText(QString::number(moon->moonAge));
    Text2->show();
    Label14->setText(fromUtf8(moon->caption.text));
    Label14->setVisible(moon->caption.visible);
    Image2->setPixmap(pictures_ ? pictures_(moon->ratingIconId) : QPixmap());
    Image2->setAccessibleName(fromUtf8(moon->ratingText));
    Image2->show();
}

bool Form3::dateentered() {
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

std::optional<int> Form3::checkedEntryNumber() {
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

void Form3::goToTypedEntry() {
    const std::optional<int> number = checkedEntryNumber();
    if (!number) {
        return;
    }
    newBlankEntry_ = false;
    currentEntry_ = *number;
    readdata();
}

void Form3::stepDateBox(QLineEdit* box, int delta, int minimum, int maximum) {
    bool ok = false;
    const int value = box->text().trimmed().toInt(&ok);
    box->setText(QString::number(ok ? std::clamp(value + delta, minimum, maximum) : minimum));
    dateentered();
}

bool Form3::isDateBox(const QWidget* widget) const {
    return widget == Text1 || widget == Text13 || widget == Text14;
}

void Form3::onFocusChanged(QWidget* old, QWidget* now) {
    // Leaving the date for another field of this window checks what was typed there.
    if (dateEdited_ && isDateBox(old) && now != nullptr && !isDateBox(now) && now->window() == this) {
        dateentered();
    }
}

void Form3::Command1_Click() {
    if (!checkedEntryNumber()) {
        return;
    }
    if (!Text1->text().isEmpty()) {
        dateentered();
    }
    saveent();
}

void Form3::Command2_Click() {
    newBlankEntry_ = false;
    close();
}

void Form3::Command3_Click() {
    if (help_ != nullptr) {
        help_->showContents();
    }
}

void Form3::Command4_Click() {
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

void Form3::Command5_Click() {
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

void Form3::Command6_Click() {
    new_entry();
    presetMonthAndYear();
}

void Form3::tooltipsshow() {
    setTips(true);
}

void Form3::tooltipss() {
    setTips(false);
}

void Form3::setTips(bool shown) {
    const std::pair<QWidget*, const char*> tips[] = {
        {Command1, "Saves current entry data."},
        {Command4, "Back to last entry."},
        {Command5, "Advances to next entry."},
        {Command6, "Clears current entry data. To clear permanently, click Save entry after Clear entry."},
        {Image1, "Moon phase for date specified."},
        {Image2, "Fish prediction for date specified."},
        {Frame1,
         "Date of fishing trip. Format: dd/mm/yyyy or mm/dd/yyyy depending on the Date representation "
         "selected in Settings menu."},
        {Text1, "Enter Day"},
        {Text13, "Enter Month"},
        {Text14, "Enter Year"},
        {Text200, "Additional information regarding the fishing trip."},
        {Text3, "Water or air temperature."},
        {Text4, "Length of fishing trip."},
        {Text5, "Spring or Neap."},
        {Text6, "Wind strength in users scale."},
        {Text7, "Quantity of fish."},
        {Text9, "Gps latitude or name of location."},
        {Text10, "Gps longitude or name of location"},
        {Text11, "Best bite rate eg. 10:00am - 11:15am"},
        {Combo1, "Wind direction."},
        {Combo2, "Tidal condition during best bite rate."},
        {Combo3, "Personal rating of catch."},
    };
    for (const auto& [widget, text] : tips) {
        widget->setToolTip(shown ? QString::fromLatin1(text) : QString());
    }
}
