// The settings panel's "Find place": a town found by name fills the location fields and its zone,
// as if typed, ready to be saved or applied. Nothing reaches the store from here.
#include "find_place_field.h"
#include "settings_panel.h"
#include "zone_chooser.h"

#include <QComboBox>
#include <QLineEdit>

void SettingsPanel::fillFromPlace(const biteclock::Place& place) {
    const PlaceCoordinates c = placeCoordinates(place);
    // The name is typed over the field, not chosen from the list: a saved place of the same name
    // would otherwise hand over its own coordinates.
    Combo3->setCurrentIndex(-1);
    Combo3->setEditText(QString::fromStdString(place.name));
    Text30->setText(c.latitudeDegrees);
    Text20->setText(c.latitudeMinutes);
    Text40->setText(c.northOrSouth);
    Text15->setText(c.longitudeDegrees);
    Text14->setText(c.longitudeMinutes);
    Text13->setText(c.westOrEast);
    // A town whose zone this computer does not know keeps the offset as it reads.
    chooseZone(QString::fromStdString(place.zone));
    enableApply();
}
