#pragma once

#include "place_search.h"

#include <QLineEdit>
#include <QTimer>
#include <functional>
#include <vector>

class QCompleter;
class QStringListModel;

/// A town's coordinates as the location fields take them: whole degrees and whole minutes (the
/// nearest minute) with the hemisphere letters "N"/"S" and "W"/"E".
struct PlaceCoordinates {
    QString latitudeDegrees;
    QString latitudeMinutes;
    QString northOrSouth;
    QString longitudeDegrees;
    QString longitudeMinutes;
    QString westOrEast;

    friend bool operator==(const PlaceCoordinates&, const PlaceCoordinates&) = default;
};

PlaceCoordinates placeCoordinates(const biteclock::Place& place);

/// A field that finds towns by name in the offline place list and offers them under it
/// ("South Lake Tahoe, California, United States"). A search costs about a tenth of a second, so it
/// runs once typing pauses, not on every key. Choosing an offer announces the town; the field itself
/// stores nothing.
class FindPlaceField : public QLineEdit {
    Q_OBJECT
public:
    using Search = std::function<std::vector<biteclock::Place>(const std::string& query)>;

    /// How long typing must pause before the search runs.
    static constexpr int kPauseMs = 300;
    /// The most towns offered at once.
    static constexpr int kMostOffers = 15;

    explicit FindPlaceField(QWidget* parent = nullptr, Search search = biteclock::findPlaces);

    /// Runs the search for the text now, as the pause in typing would.
    void searchNow();
    /// The towns last offered, best first.
    const std::vector<biteclock::Place>& offers() const { return offers_; }
    QCompleter* offerList() const { return completer_; }

signals:
    void placeChosen(const biteclock::Place& place);

private:
    void choose(const QString& label);

    Search search_;
    QTimer pause_;
    QCompleter* completer_ = nullptr;
    QStringListModel* labels_ = nullptr;
    std::vector<biteclock::Place> offers_;
};
