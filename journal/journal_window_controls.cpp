// The journal window's controls: their captions, lists, tips and accessible names, and where they
// sit. What the controls do is in journal_window.cpp.
#include "almanac_day.h"
#include "field_tips.h"
#include "journal_window.h"
#include "notes_wrap.h"
#include "spinner.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>
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

// The date boxes take any text, so their spinners are not bound to them: a click steps the box by the
// window's own rule and checks the date. One click is one step, and the arrows never take the focus
// from the box, which would check a half-typed date on the way.
Spinner* dateSpinner(QWidget* parent) {
    auto* spinner = new Spinner(parent);
    spinner->setFocusPolicy(Qt::NoFocus);
    spinner->setAutoRepeat(false);
    return spinner;
}

} // namespace

void JournalWindow::buildControls() {
    QHBoxLayout* entryRow = buildEntryRow();
    buildDateFrame();
    QFormLayout* form = buildRecordForm();
    QVBoxLayout* moonColumn = buildMoonColumn();
    QHBoxLayout* buttons = buildButtons();

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
    nameControls();

    statusLine_ = new QLabel(this);
    statusLine_->setObjectName(QStringLiteral("statusLine"));
    statusLine_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    statusLine_->setWordWrap(true);
    showStatus(QString());

    auto* grid = new QGridLayout(this);
    grid->addLayout(entryRow, 0, 0);
    grid->addWidget(Frame1, 1, 0);
    grid->addLayout(form, 2, 0);
    grid->addLayout(moonColumn, 0, 1, 3, 1);
    grid->addLayout(buttons, 3, 0, 1, 2);
    grid->addWidget(statusLine_, 4, 0, 1, 2);
    // The record's column and the form's row take the room a larger window gives, and the notes,
    // the one field that can use it, take it within the form.
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(2, 1);

    connectControls();
}

QHBoxLayout* JournalWindow::buildEntryRow() {
    Text8 = textBox(QStringLiteral("Text8"), this);
    Text8->setText(QStringLiteral("1"));
    Text8->setMaxLength(16);
    Text8->setFixedWidth(Text8->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 16);
    Command4 = new QPushButton(QStringLiteral("< &Back"), this);
    Command5 = new QPushButton(QStringLiteral("&Next >"), this);
    // "&E", since Alt+N belongs to Next: a shared letter only moves the focus between the two.
    auto* entryLabel = new QLabel(QStringLiteral("&Entry No."), this);
    entryLabel->setBuddy(Text8);
    auto* entryRow = new QHBoxLayout;
    entryRow->addWidget(entryLabel);
    entryRow->addWidget(Text8);
    entryRow->addWidget(Command4);
    entryRow->addWidget(Command5);
    entryRow->addStretch();
    return entryRow;
}

void JournalWindow::buildDateFrame() {
    Frame1 = new QGroupBox(QStringLiteral("Date"), this);
    Text1 = textBox(QStringLiteral("Text1"), Frame1);
    Text13 = textBox(QStringLiteral("Text13"), Frame1);
    Text14 = textBox(QStringLiteral("Text14"), Frame1);
    const int digitWidth = Text1->fontMetrics().horizontalAdvance(QLatin1Char('0'));
    Text1->setFixedWidth(digitWidth * 3 + 16);
    Text13->setFixedWidth(digitWidth * 3 + 16);
    Text14->setFixedWidth(digitWidth * 5 + 16);
    UpDown1 = dateSpinner(Frame1);
    UpDown2 = dateSpinner(Frame1);
    UpDown3 = dateSpinner(Frame1);
    Label1 = new QLabel(QStringLiteral("&Day"), Frame1);
    Label2 = new QLabel(QStringLiteral("&Month"), Frame1);
    Label3 = new QLabel(QStringLiteral("&Year"), Frame1);
    Label1->setBuddy(Text1);
    Label2->setBuddy(Text13);
    Label3->setBuddy(Text14);
    dateLayout_ = new QHBoxLayout(Frame1);
}

QFormLayout* JournalWindow::buildRecordForm() {
    Text200 = new QPlainTextEdit(this);
    Text200->setObjectName(QStringLiteral("Text200"));
    Text200->setTabChangesFocus(true);
    Text200->setWordWrapMode(notesWrapMode(QString()));
    // Four lines at the least; whatever the window grows by goes to the notes.
    Text200->setMinimumHeight(Text200->fontMetrics().lineSpacing() * 4);
    Text200->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
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

    // Each caption becomes the buddy, and so the accessible name, of its field.
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
    return form;
}

QVBoxLayout* JournalWindow::buildMoonColumn() {
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
    return moonColumn;
}

QHBoxLayout* JournalWindow::buildButtons() {
    Command1 = new QPushButton(QStringLiteral("&Save Entry"), this);
    Command6 = new QPushButton(QStringLiteral("&Clear Entry"), this);
    Command3 = new QPushButton(QStringLiteral("&Help"), this);
    Command2 = new QPushButton(QStringLiteral("&Close"), this);
    Command3->setEnabled(help_ != nullptr);
    tripsButton_ = new QPushButton(QStringLiteral("&Trips..."), this);
    tripsButton_->setObjectName(QStringLiteral("tripsButton"));
    tripsButton_->setToolTip(
        QStringLiteral("Every trip of the journal in one list, with how the catches went"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command1);
    buttons->addWidget(Command6);
    buttons->addStretch();
    buttons->addWidget(tripsButton_);
    buttons->addWidget(Command3);
    buttons->addWidget(Command2);
    return buttons;
}

void JournalWindow::nameControls() {
    // The two position fields share one caption, and the spinners' arrows have none: say which is
    // which. The other fields are named by their captions, the buttons by their own texts.
    Text9->setAccessibleName(QStringLiteral("G.P.S mark or location: latitude or name"));
    Text10->setAccessibleName(QStringLiteral("G.P.S mark or location: longitude or name"));
    const std::pair<Spinner*, const char*> spinners[] = {
        {UpDown1, "day"}, {UpDown2, "month"}, {UpDown3, "year"}};
    for (const auto& [spinner, what] : spinners) {
        spinner->upButton()->setAccessibleName(QStringLiteral("Next %1").arg(QLatin1String(what)));
        spinner->downButton()->setAccessibleName(QStringLiteral("Previous %1").arg(QLatin1String(what)));
    }
    showMoonNames();
}

void JournalWindow::showMoonNames() {
    // A picture or a value label is known to a screen reader only by its name: what it is, then
    // what it shows.
    const auto named = [](const QString& what, const QString& value) {
        return value.isEmpty() ? what : what + QStringLiteral(": ") + value;
    };
    Image1->setAccessibleName(QStringLiteral("Moon phase picture"));
    Image2->setAccessibleName(named(QStringLiteral("Fishing prediction"), ratingText_));
    Text2->setAccessibleName(named(QStringLiteral("Moon age in days"), Text2->text()));
    Label14->setAccessibleName(named(QStringLiteral("New or full moon"), Label14->text()));
}

void JournalWindow::connectControls() {
    connect(Command1, &QPushButton::clicked, this, &JournalWindow::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &JournalWindow::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &JournalWindow::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &JournalWindow::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &JournalWindow::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &JournalWindow::Command6_Click);
    connect(tripsButton_, &QPushButton::clicked, this, &JournalWindow::tripsRequested);
    connect(Text200->document(), &QTextDocument::contentsChanged, this, &JournalWindow::fitNotesWrap);
    connect(Text8, &QLineEdit::returnPressed, this, &JournalWindow::goToTypedEntry);
    for (QLineEdit* box : {Text1, Text13, Text14}) {
        connect(box, &QLineEdit::returnPressed, this, &JournalWindow::dateentered);
        connect(box, &QLineEdit::textEdited, this, [this] { dateEdited_ = true; });
    }
    connect(UpDown1, &Spinner::upClicked, this, [this] { stepDateBox(Text1, 1, 1, 31); });
    connect(UpDown1, &Spinner::downClicked, this, [this] { stepDateBox(Text1, -1, 1, 31); });
    connect(UpDown2, &Spinner::upClicked, this, [this] { stepDateBox(Text13, 1, 1, 12); });
    connect(UpDown2, &Spinner::downClicked, this, [this] { stepDateBox(Text13, -1, 1, 12); });
    connect(UpDown3, &Spinner::upClicked, this,
            [this] { stepDateBox(Text14, 1, biteclock::kFirstYear, biteclock::kLastYear); });
    connect(UpDown3, &Spinner::downClicked, this,
            [this] { stepDateBox(Text14, -1, biteclock::kFirstYear, biteclock::kLastYear); });
}

void JournalWindow::placeDateBoxes() {
    while (dateLayout_->count() > 0) {
        delete dateLayout_->takeAt(0);
    }
    const auto addBox = [this](QLabel* label, QLineEdit* box, Spinner* spinner) {
        dateLayout_->addWidget(label);
        dateLayout_->addWidget(box);
        // The arrows stand beside their box at its height, as the main window's date arrows do.
        spinner->setFixedSize(17, box->sizeHint().height());
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

void JournalWindow::setTips(bool shown) {
    const FieldMap fields = fieldsOf(*this, journalTips());
    if (shown) {
        ::tooltipsshow(journalTips(), fields);
    } else {
        ::tooltipss(journalTips(), fields);
    }
}
