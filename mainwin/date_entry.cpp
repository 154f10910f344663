#include "date_entry.h"

#include "calendar.h"
#include "date_rules.h"
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

void calcmoontimeForDisplayed(biteclock::AlmanacDay& day, DateSerial displayed) {
    const biteclock::CalendarDate shown = biteclock::calendarDate(displayed);
    day.AlmanacDate =
        shown.month == 1 ? biteclock::dateSerial(shown.year - 1, shown.month, shown.day) : displayed;
    day.calcmoontime();
    day.AlmanacDate = displayed;
}

DateEntry::DateEntry(biteclock::AlmanacDay& day, const Clock& clock, DateEntryHost& host, QWidget* parent)
    : QGroupBox(tr("Date"), parent)
    , day_(day)
    , clock_(clock)
    , host_(host) {
    Text1 = new QLineEdit(this);
    Text1->setAlignment(Qt::AlignRight);
    Text1->setMaxLength(4);
    Text1->setAccessibleName(tr("Day"));
    UpDown1 = new Spinner(this);
    UpDown1->setBuddy(Text1);
    UpDown1->setRange(0, 32);
    UpDown1->setAccessibleName(tr("Day spinner"));
    Combo1 = new QComboBox(this);
    for (int month = 1; month <= 12; ++month) {
        Combo1->addItem(QString::fromUtf8(biteclock::monthName(month)));
    }
    Combo1->setAccessibleName(tr("Month"));
    Text10 = new QLineEdit(this);
    Text10->setAlignment(Qt::AlignRight);
    Text10->setAccessibleName(tr("Year"));
    UpDown2 = new Spinner(this);
    UpDown2->setBuddy(Text10);
    UpDown2->setRange(biteclock::kFirstYear, biteclock::kLastYear);
    UpDown2->setAccessibleName(tr("Year spinner"));
    Label10 = new QLabel(this);
    Command7 = new QPushButton(QStringLiteral("&Today"), this);
    Command7->setAutoDefault(false);

    const int rowHeight = Text1->sizeHint().height();
    Text10->setGeometry(twips(kYearLeft), twips(kFieldTop), twips(kYearWidth), rowHeight);
    UpDown2->setGeometry(twips(kYearLeft + kYearWidth), twips(kFieldTop), twips(kSpinnerWidth), rowHeight);
    Label10->setGeometry(twips(150), twips(kSecondRowTop), twips(1800), rowHeight);
    Command7->setGeometry(twips(2250), twips(kSecondRowTop), twips(1305), rowHeight + 2);
    setMinimumSize(twips(3750), twips(kSecondRowTop) + rowHeight + 10);

    Text1->installEventFilter(this);
    Combo1->installEventFilter(this);
    Text10->installEventFilter(this);
    connect(UpDown1, &Spinner::changed, this, &DateEntry::UpDown1_Change);
    connect(Combo1, &QComboBox::currentIndexChanged, this, &DateEntry::Combo1_Click);
    connect(Text10, &QLineEdit::textChanged, this, &DateEntry::Text10_Change);
    connect(Command7, &QPushButton::clicked, this, &DateEntry::Command7_Click);
}

int DateEntry::twips(int value) const {
    return qRound(value * logicalDpiX() / 1440.0);
}

void DateEntry::placeFields(bool monthFirst) {
    const int rowHeight = Text1->sizeHint().height();
    const int top = twips(kFieldTop);
    if (monthFirst) {
        Combo1->setGeometry(twips(135), top, twips(kMonthWidth), rowHeight);
        Text1->setGeometry(twips(1845), top, twips(kDayWidth), rowHeight);
        UpDown1->setGeometry(twips(2250), top, twips(kSpinnerWidth), rowHeight);
    } else {
        Text1->setGeometry(twips(150), top, twips(kDayWidth), rowHeight);
        Combo1->setGeometry(twips(900), top, twips(kMonthWidth), rowHeight);
        UpDown1->setGeometry(twips(560), top, twips(kSpinnerWidth), rowHeight);
    }
}

void DateEntry::showToday() {
    const QDate today = clock_.today();
    weekdayNumber_ = today.dayOfWeek() % 7 + 1; // Qt counts Monday = 1 ... Sunday = 7
    weakday();
    Text1->setText(QString::number(today.day()));
    suppressDateEvents = true;
    Text10->setText(QString::number(today.year()));
    Combo1->setCurrentIndex(today.month() - 1);
}

QString DateEntry::almanacDateText() const {
    return Text1->text() + QLatin1Char(' ') + Combo1->currentText() + QLatin1Char(' ') + Text10->text();
}

biteclock::DateFields DateEntry::normalisedFields() const {
    return biteclock::normaliseDateFields(Text1->text().toStdString(), Combo1->currentIndex(),
                                          biteclock::leadingNumber(Text10->text().toStdString()));
}

DateSerial DateEntry::fieldsDate() const {
    const biteclock::DateFields f = normalisedFields();
    return biteclock::dateSerial(f.year, f.monthIndex + 1, f.day);
}

void DateEntry::weakday() {
    Label10->setText(QString::fromUtf8(biteclock::weekdayName(weekdayNumber_)));
}

bool DateEntry::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Text1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            Text1_KeyDown(key);
            return true;
        }
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Text1_KeyPress(key);
            return true;
        }
    } else if (watched == Combo1 && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // Opening the list, or switching to another program, does not end the entry.
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
            Combo1_LostFocus();
        }
    } else if (watched == Text10 && event->type() == QEvent::FocusIn) {
        Text10_GotFocus();
    } else if (watched == Text10 && event->type() == QEvent::KeyPress) {
        Text10_KeyPress();
    }
    return QGroupBox::eventFilter(watched, event);
}

void DateEntry::Text1_KeyDown(int key) {
    const double dayValue = biteclock::leadingNumber(Text1->text().toStdString());
    Text1->setText(printNumber(key == Qt::Key_Up ? dayValue + 1 : dayValue - 1));
    host_.datechanged();
    host_.lundist();
}

void DateEntry::Text1_KeyPress(int) {
    UpDown1->setFocus();
    host_.datechanged();
    host_.lundist();
}

void DateEntry::UpDown1_Change() {
    UpDown1->setFocus();
    host_.datechanged();
    host_.lundist();
}

void DateEntry::Combo1_Click() {
    if (suppressDateEvents) {
        return;
    }
    day_.calcmoontime();
    UpDown1->setFocus();
}

void DateEntry::Combo1_LostFocus() {
    calcmoontimeForDisplayed(day_, fieldsDate());
    host_.datechanged();
    host_.lundist();
}

void DateEntry::Text10_Change() {
    if (suppressDateEvents) {
        return;
    }
    if (yearKeyPending) {
        yearKeyPending = false;
        return;
    }
    calcmoontimeForDisplayed(day_, fieldsDate());
    host_.datechanged();
    host_.lundist();
}

void DateEntry::Text10_GotFocus() {
    Text1->setFocus();
}

void DateEntry::Text10_KeyPress() {
    UpDown2->setFocus();
    yearKeyPending = true;
}

void DateEntry::Command7_Click() {
    const QDate today = clock_.today();
    Text1->setText(QString::number(today.day()));
    Combo1->setCurrentIndex(today.month() - 1);
    Text10->setText(QString::number(today.year()));
    host_.datechanged();
    host_.lundist();
    Command7->hide();
    UpDown1->setFocus();
}
