#include "zone_chooser.h"

#include "vector_state.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QLineEdit>
#include <QTimeZone>

ZoneChooser::ZoneChooser(QWidget* parent)
    : QComboBox(parent) {
    setEditable(true);
    // What is typed only searches: it never becomes an entry of its own.
    setInsertPolicy(QComboBox::NoInsert);
    addItem(kNoZone);
    for (const QByteArray& id : QTimeZone::availableTimeZoneIds()) {
        addItem(QString::fromLatin1(id));
    }
    // The zone list comes from the same zone library whose rule reading leaves the vector registers
    // in a state that slows every later sine; clear them in case listing does too.
    releaseUpperVectorState();
    setMaxVisibleItems(15);
    completer()->setFilterMode(Qt::MatchContains);
    completer()->setCaseSensitivity(Qt::CaseInsensitive);
    completer()->setCompletionMode(QCompleter::PopupCompletion);
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (index >= 0) {
            emit zoneChosen(zoneId());
        }
    });
}

QString ZoneChooser::zoneId() const {
    const int index = currentIndex();
    return index > 0 ? itemText(index) : QString();
}

void ZoneChooser::setZoneId(const QString& id) {
    const int index = id.isEmpty() ? 0 : findText(id, Qt::MatchExactly | Qt::MatchCaseSensitive);
    setCurrentIndex(index > 0 ? index : 0);
    setEditText(itemText(currentIndex()));
}

void ZoneChooser::focusOutEvent(QFocusEvent* event) {
    // A search left unfinished does not stay in the field looking like a choice.
    const bool popupOpen = completer()->popup() != nullptr && completer()->popup()->isVisible();
    if (!popupOpen && currentText() != itemText(currentIndex())) {
        setEditText(itemText(currentIndex()));
    }
    QComboBox::focusOutEvent(event);
}
