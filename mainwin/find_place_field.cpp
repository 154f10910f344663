#include "find_place_field.h"

#include "number_print.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QStringListModel>
#include <cmath>

namespace {

/// Degrees and minutes of an angle's size, to the nearest minute; never the field's excluded
/// maximum (a town at 179 59.7' E reads 179 59', not 180 0').
std::pair<int, int> degreesAndMinutes(double degrees, int maximumDegrees) {
    const int minutes =
        std::min(static_cast<int>(std::lround(std::fabs(degrees) * 60.0)), maximumDegrees * 60 - 1);
    return {minutes / 60, minutes % 60};
}

} // namespace

PlaceCoordinates placeCoordinates(const biteclock::Place& place) {
    const auto [latDeg, latMin] = degreesAndMinutes(place.latitudeDeg, 90);
    const auto [lonDeg, lonMin] = degreesAndMinutes(place.longitudeDeg, 180);
    return {printNumber(latDeg),
            printNumber(latMin),
            place.latitudeDeg < 0 ? QStringLiteral("S") : QStringLiteral("N"),
            printNumber(lonDeg),
            printNumber(lonMin),
            place.longitudeDeg < 0 ? QStringLiteral("W") : QStringLiteral("E")};
}

FindPlaceField::FindPlaceField(QWidget* parent, Search search)
    : QLineEdit(parent)
    , search_(std::move(search)) {
    setPlaceholderText(tr("Type a town's name"));
    labels_ = new QStringListModel(this);
    completer_ = new QCompleter(labels_, this);
    // The list has already chosen and ranked the towns (accents and "town, state" included); the
    // completer must show them as they are, not filter them again by what was typed.
    completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completer_->setMaxVisibleItems(kMostOffers);
    setCompleter(completer_);
    pause_.setSingleShot(true);
    pause_.setInterval(kPauseMs);
    connect(&pause_, &QTimer::timeout, this, &FindPlaceField::searchNow);
    connect(this, &QLineEdit::textEdited, this, [this] { pause_.start(); });
    connect(completer_, qOverload<const QString&>(&QCompleter::activated), this, &FindPlaceField::choose);
    connect(this, &QLineEdit::returnPressed, this, [this] {
        if (pause_.isActive()) {
            searchNow();
        }
        choose(text());
    });
}

void FindPlaceField::searchNow() {
    pause_.stop();
    std::vector<biteclock::Place> found = search_(text().trimmed().toStdString());
    if (found.size() > static_cast<std::size_t>(kMostOffers)) {
        found.resize(kMostOffers);
    }
    offers_ = std::move(found);
    QStringList labels;
    for (const biteclock::Place& p : offers_) {
        labels.append(QString::fromStdString(p.label()));
    }
    labels_->setStringList(labels);
    if (labels.isEmpty()) {
        completer_->popup()->hide();
    } else if (hasFocus()) {
        completer_->complete();
    }
}

void FindPlaceField::choose(const QString& label) {
    for (const biteclock::Place& p : offers_) {
        if (QString::fromStdString(p.label()) == label) {
            emit placeChosen(p);
            return;
        }
    }
}
