// The settings panel's named locations: the list under the name field, choosing a saved place, and
// the Save and Delete buttons.
#include "number_print.h"
#include "settings_panel.h"

#include <QComboBox>
#include <QLineEdit>

void SettingsPanel::fillLocationList() {
    Combo3->clear();
    Combo3->addItem(LocationCatalogue::kNewLocation);
    Combo3->addItems(catalogue_.names());
    Combo3->setCurrentIndex(-1);
    Combo3->setEditText(shared_.currentLocation());
}

QStringList SettingsPanel::listedNames() const {
    QStringList names;
    // The first entry is the fixed "New Location", never a saved name.
    for (int i = 1; i < Combo3->count(); ++i) {
        names.append(Combo3->itemText(i));
    }
    return names;
}

void SettingsPanel::Combo3_Click(int index) {
    if (index < 0) {
        return;
    }
    const QString name = Combo3->itemText(index);
    if (index == 0) {
        Combo3->setEditText(QString());
        return;
    }
    const LocationFields f = catalogue_.entry(name);
    Text30->setText(f.latitudeDegrees);
    Text15->setText(f.longitudeDegrees);
    Text20->setText(f.latitudeMinutes);
    Text14->setText(f.longitudeMinutes);
    Text40->setText(f.northOrSouth);
    Text13->setText(f.westOrEast);
    Text17->setText(f.gmt);
    offsetValue_ = printNumber(SharedSettings::numberOf(Text17->text()));
    // A saved zone this computer does not know leaves the place at its saved offset.
    loadZone(f.zone);
    gmtadj();
}

void SettingsPanel::Command8_Click() {
    emit daySpinnerFocusRequested();
    const QString name = Combo3->currentText();
    if (name.isEmpty()) {
        // An empty name would put the keys into the catalogue's own section.
        messages_.show(programTitle_, tr("Please enter a name for the location before saving it."),
                       MessageService::Icon::Exclamation);
        return;
    }
    if (Combo3->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0) {
        Combo3->addItem(name);
        catalogue_.storeNames(listedNames());
        Combo3->setEditText(name);
    }
    catalogue_.writeEntry(name, locationFields());
}

void SettingsPanel::Command9_Click() {
    const QString name = Combo3->currentText();
    if (name.isEmpty() || name == LocationCatalogue::kNewLocation) {
        return; // the catalogue itself, or the fixed first entry: never deleted
    }
    if (!catalogue_.removeEntry(name)) {
        return;
    }
    Combo3->setFocus();
    const int index = Combo3->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index > 0) {
        Combo3->removeItem(index);
    }
    Combo3->setCurrentIndex(-1);
    Combo3->setEditText(QString());
    const QStringList names = listedNames();
    catalogue_.storeNames(names);
    if (names.isEmpty()) {
        shared_.setCurrentLocation(Combo3->currentText());
    }
}

LocationFields SettingsPanel::locationFields() const {
    return {Text30->text(), Text20->text(), Text40->text(), Text15->text(),
            Text14->text(), Text13->text(), Text17->text(), zoneToStore()};
}
