#include "date_entry.h"

#include "daily_refresh.h"
#include "date_rules.h"
#include "date_serial.h"
#include "number_print.h"
#include "number_text.h"
#include "spinner.h"

#include <QComboBox>
#include <QDate>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using biteclock::DateSerial;

namespace {

// Where the fields sit, in twips from the group's left edge.
constexpr int kFieldTop = 330;
constexpr int kDayWidth = 405;
constexpr int kMonthWidth = 1650;
constexpr int kSpinnerWidth = 255;
constexpr int kYearLeft = 2700;
constexpr int kYearWidth = 600;
constexpr int kSecondRowTop = 780;

} // namespace

DateEntry::DateEntry(biteclock::AlmanacDay& day, const Clock& clock, DateEntryHost& host, QWidget* parent)
    : QGroupBox(tr("Date"), parent)
    , day_(day)
    , clock_(clock)
    , host_(host) {
    Text1_ = new QLineEdit(this);
    Text1_->setAlignment(Qt::AlignRight);
    Text1_->setMaxLength(4);
    Text1_->setAccessibleName(tr("Day"));
    UpDown1_ = new Spinner(this);
    UpDown1_->setBuddy(Text1_);
    UpDown1_->setRange(0, 32);
    UpDown1_->setAccessibleName(tr("Day spinner"));
    Combo1_ = new QComboBox(this);
    for (int month = 1; month <= 12; ++month) {
        Combo1_->addItem(QString::fromUtf8(biteclock::monthName(month)));
    }
    Combo1_->setAccessibleName(tr("Month"));
    Text10_ = new QLineEdit(this);
    Text10_->setAlignment(Qt::AlignRight);
    Text10_->setAccessibleName(tr("Year"));
    UpDown2_ = new Spinner(this);
    UpDown2_->setBuddy(Text10_);
    UpDown2_->setRange(biteclock::kFirstYear, biteclock::kLastYear);
    UpDown2_->setAccessibleName(tr("Year spinner"));
    Label10_ = new QLabel(this);
    Command7_ = new QPushButton(QStringLiteral("&Today"), this);
    Command7_->setAutoDefault(false);

    const int rowHeight = Text1_->sizeHint().height();
    Text10_->setGeometry(twips(kYearLeft), twips(kFieldTop), twips(kYearWidth), rowHeight);
    UpDown2_->setGeometry(twips(kYearLeft + kYearWidth), twips(kFieldTop), twips(kSpinnerWidth), rowHeight);
    Label10_->setGeometry(twips(150), twips(kSecondRowTop), twips(1800), rowHeight);
    Command7_->setGeometry(twips(2250), twips(kSecondRowTop), twips(1305), rowHeight + 2);
    setMinimumSize(twips(3750), twips(kSecondRowTop) + rowHeight + 10);

    Text1_->installEventFilter(this);
    Combo1_->installEventFilter(this);
    Text10_->installEventFilter(this);
    connect(UpDown1_, &Spinner::changed, this, &DateEntry::UpDown1_Change);
    connect(Combo1_, &QComboBox::currentIndexChanged, this, &DateEntry::Combo1_Click);
    connect(Combo1_, &QComboBox::activated, this, &DateEntry::Combo1_Activated);
    connect(Text10_, &QLineEdit::textChanged, this, &DateEntry::Text10_Change);
    connect(Command7_, &QPushButton::clicked, this, &DateEntry::Command7_Click);
}

int DateEntry::twips(int value) const {
    return qRound(value * logicalDpiX() / 1440.0);
}

void DateEntry::placeFields(bool monthFirst) {
    const int rowHeight = Text1_->sizeHint().height();
    const int top = twips(kFieldTop);
    if (monthFirst) {
        Combo1_->setGeometry(twips(135), top, twips(kMonthWidth), rowHeight);
        Text1_->setGeometry(twips(1845), top, twips(kDayWidth), rowHeight);
        UpDown1_->setGeometry(twips(2250), top, twips(kSpinnerWidth), rowHeight);
    } else {
        Text1_->setGeometry(twips(150), top, twips(kDayWidth), rowHeight);
        Combo1_->setGeometry(twips(900), top, twips(kMonthWidth), rowHeight);
        UpDown1_->setGeometry(twips(560), top, twips(kSpinnerWidth), rowHeight);
    }
}

void DateEntry::showToday() {
    const QDate today = clock_.today();
    weekdayNumber_ = today.dayOfWeek() % 7 + 1; // Qt counts Monday = 1 ... Sunday = 7
    weakday();
    Text1_->setText(QString::number(today.day()));
    suppressDateEvents_ = true;
    Text10_->setText(QString::number(today.year()));
    Combo1_->setCurrentIndex(today.month() - 1);
}

QString DateEntry::almanacDateText() const {
    return Text1_->text() + QLatin1Char(' ') + Combo1_->currentText() + QLatin1Char(' ') + Text10_->text();
}

biteclock::DateFields DateEntry::normalisedFields() const {
    return biteclock::normaliseDateFields(Text1_->text().toStdString(), Combo1_->currentIndex(),
                                          biteclock::leadingNumber(Text10_->text().toStdString()));
}

DateSerial DateEntry::fieldsDate() const {
    const biteclock::DateFields f = normalisedFields();
    return biteclock::dateSerial(f.year, f.monthIndex + 1, f.day);
}

void DateEntry::weakday() {
    Label10_->setText(QString::fromUtf8(biteclock::weekdayName(weekdayNumber_)));
}

bool DateEntry::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Text1_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            Text1_KeyDown(key);
            return true;
        }
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Text1_KeyPress(key);
            return true;
        }
    } else if (watched == Combo1_ && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // Opening the list, or switching to another program, does not end the entry.
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
            Combo1_LostFocus();
        }
    } else if (watched == Text10_ && event->type() == QEvent::FocusIn) {
        Text10_GotFocus();
    } else if (watched == Text10_ && event->type() == QEvent::KeyPress) {
        Text10_KeyPress();
    }
    return QGroupBox::eventFilter(watched, event);
}

void DateEntry::Text1_KeyDown(int key) {
    const double dayValue = biteclock::leadingNumber(Text1_->text().toStdString());
    Text1_->setText(printNumber(key == Qt::Key_Up ? dayValue + 1 : dayValue - 1));
    host_.datechanged();
    host_.lundist();
}

void DateEntry::Text1_KeyPress(int) {
    UpDown1_->setFocus();
    host_.datechanged();
    host_.lundist();
}

void DateEntry::UpDown1_Change() {
    UpDown1_->setFocus();
    host_.datechanged();
    host_.lundist();
}

void DateEntry::Combo1_Click() {
    if (suppressDateEvents_) {
        return;
    }
    day_.calcmoontime();
    monthEntryOpen_ = true;
    UpDown1_->setFocus();
}

void DateEntry::Combo1_Activated() {
    // A month picked with the mouse from the opened list: the list had taken the focus from the month
    // field, so moving it on was no loss of focus of the field's own and the entry has not ended yet.
    // It ends here, once, as when the field itself hands the focus on.
    if (monthEntryOpen_) {
        Combo1_LostFocus();
    }
}

void DateEntry::Combo1_LostFocus() {
    monthEntryOpen_ = false;
    biteclock::loadPhaseTableFor(day_, fieldsDate());
    host_.datechanged();
    host_.lundist();
}

void DateEntry::Text10_Change() {
    if (suppressDateEvents_) {
        return;
    }
    if (yearKeyPending_) {
        yearKeyPending_ = false;
        return;
    }
    biteclock::loadPhaseTableFor(day_, fieldsDate());
    host_.datechanged();
    host_.lundist();
}

void DateEntry::Text10_GotFocus() {
    Text1_->setFocus();
}

void DateEntry::Text10_KeyPress() {
    UpDown2_->setFocus();
    yearKeyPending_ = true;
}

void DateEntry::Command7_Click() {
    const QDate today = clock_.today();
    Text1_->setText(QString::number(today.day()));
    Combo1_->setCurrentIndex(today.month() - 1);
    Text10_->setText(QString::number(today.year()));
    host_.datechanged();
    host_.lundist();
    Command7_->hide();
    UpDown1_->setFocus();
}

void DateEntry::normaliseFields() {
    const double year = biteclock::leadingNumber(Text10_->text().toStdString());
    if (year > biteclock::kLastYear) {
        Text10_->setText(QString::number(biteclock::kLastYear));
    } else if (year < biteclock::kFirstYear) {
        Text10_->setText(QString::number(biteclock::kFirstYear));
    }

    // Steps back or forward when the fields do not form a date.
    const biteclock::DateFields f = normalisedFields();
    const std::string dayText = Text1_->text().toStdString();
    const bool dayOk = biteclock::isNumberText(dayText) && biteclock::leadingNumber(dayText) == f.day;
    if (!dayOk || Combo1_->currentIndex() != f.monthIndex ||
        biteclock::leadingNumber(Text10_->text().toStdString()) != f.year) {
        Text1_->setText(QString::number(f.day));
        if (Combo1_->currentIndex() != f.monthIndex) {
            Combo1_->setCurrentIndex(f.monthIndex);
        }
        if (biteclock::leadingNumber(Text10_->text().toStdString()) != f.year) {
            Text10_->setText(QString::number(f.year));
        }
    }
}

void DateEntry::normaliseQuietly() {
    const biteclock::DateFields f = normalisedFields();
    const bool unchanged = Combo1_->currentIndex() == f.monthIndex &&
                           biteclock::leadingNumber(Text10_->text().toStdString()) == f.year &&
                           biteclock::isNumberText(Text1_->text().toStdString()) &&
                           biteclock::leadingNumber(Text1_->text().toStdString()) == f.day;
    if (unchanged) {
        return;
    }
    // A day typed without Enter must not leave the fields naming a date that does not exist; they are
    // normalised without running the date handling a second time.
    const bool suppressed = suppressDateEvents_;
    suppressDateEvents_ = true;
    Text1_->setText(QString::number(f.day));
    Combo1_->setCurrentIndex(f.monthIndex);
    Text10_->setText(QString::number(f.year));
    suppressDateEvents_ = suppressed;
}

void DateEntry::showDate(const biteclock::CalendarDate& date) {
    Text1_->setText(QString::number(date.day));
    Combo1_->setCurrentIndex(date.month - 1);
    Text10_->setText(QString::number(date.year));
}

void DateEntry::setTodayShown(bool shown) {
    Command7_->setVisible(shown);
}

void DateEntry::focusDaySpinner() {
    UpDown1_->setFocus();
}

void DateEntry::refreshFinished() {
    suppressDateEvents_ = false;
    yearKeyPending_ = false;
}
