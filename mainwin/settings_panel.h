#pragma once

#include "coordinate_check.h"
#include "location_catalogue.h"
#include "platform_services.h"
#include "shared_settings.h"
#include "time_zone.h"

#include <QFrame>
#include <QString>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class Spinner;
class FindPlaceField;
class ZoneChooser;
namespace biteclock {
struct Place;
}

/// The tray companion's program for its log-on entry, found from this program's folder: beside it in
/// the build tree (../tray/Bitetray), in the same folder, or else by name on the search path.
QString trayExecutableFrom(const QString& programFolder);

/// The settings panel that takes the prediction graph's place: the alarm, the tray icons, the
/// location with its catalogue, the offset from Greenwich, and the Ok / Apply / Cancel / Help buttons.
/// It loads itself from the store (`settings`), validates and writes itself back (`checklatlon`), and
/// asks the window for the daily refresh, for closing, and for the focus to go to the day spinner.
class SettingsPanel : public QFrame {
    Q_OBJECT
public:
    struct Services {
        SettingsStore& store;
        MessageService& messages;
        HelpService& help;
        const biteclock::TimeZoneSource& zones;
        QString programTitle;
        /// Today's date for the offset of a named zone; the computer's date when none is given.
        const Clock* clock = nullptr;
    };

    explicit SettingsPanel(Services services, QWidget* parent = nullptr);

    /// Fills the location list: the fixed "New Location", then the stored names; the location field
    /// shows the stored current location.
    void fillLocationList();
    /// Loads every field from the store, the location name included.
    void settings();
    /// Whether the panel shows something the user changed that is not in the store yet: typed,
    /// chosen from a list, clicked or stepped since the panel was last loaded or stored. A refresh
    /// leaves such a panel alone.
    bool hasUnstoredChanges() const;
    /// Validates the panel; when it is valid, normalises the coordinates, runs gmtadj and writes the
    /// panel back to the store. Returns whether it was valid.
    bool checklatlon();
    /// Normalises the offset value, shows it, and shows whether it is the computer's own zone.
    void gmtadj();

    bool customZone() const { return customZone_; }
    double systemZoneHours() const { return systemZoneHours_; }
    QString systemZoneName() const { return systemZoneName_; }
    bool plusSignShown() const { return plusShown_; }
    /// The named zone of the location on the panel ("Australia/Adelaide"), empty when it keeps its offset.
    QString zoneId() const { return zoneId_; }

    // Controls, under the numbered names the field tips, the main window and the tests address them by.
    QGroupBox* alarmFrame = nullptr;
    QRadioButton* Option1 = nullptr; ///< "&Activated"
    QRadioButton* Option2 = nullptr; ///< "&Deactivated"
    QLabel* warnOnLabel = nullptr;
    QComboBox* Combo2 = nullptr; ///< day type
    QLabel* daysLabel = nullptr;
    QLineEdit* Text12 = nullptr; ///< days in advance
    Spinner* UpDown4 = nullptr;
    QCheckBox* Check1 = nullptr;     ///< Moon icon
    QCheckBox* Check2 = nullptr;     ///< fish icon
    QComboBox* Combo3 = nullptr;     ///< location name and list
    QPushButton* Command8 = nullptr; ///< "Save"
    QPushButton* Command9 = nullptr; ///< "Delete"
    QLineEdit* Text30 = nullptr;     ///< latitude degrees
    Spinner* UpDown9 = nullptr;
    QLineEdit* Text20 = nullptr; ///< latitude minutes
    Spinner* UpDown6 = nullptr;
    QLineEdit* Text40 = nullptr; ///< "N" or "S"
    Spinner* UpDown10 = nullptr;
    QLineEdit* Text15 = nullptr; ///< longitude degrees
    Spinner* UpDown7 = nullptr;
    QLineEdit* Text14 = nullptr; ///< longitude minutes
    Spinner* UpDown8 = nullptr;
    QLineEdit* Text13 = nullptr; ///< "W" or "E"
    Spinner* UpDown5 = nullptr;
    QLabel* Label17 = nullptr;   ///< "+"
    QLineEdit* Text17 = nullptr; ///< hours from Greenwich
    Spinner* UpDown11 = nullptr;
    QLineEdit* Text16 = nullptr;         ///< the zone's name
    ZoneChooser* ZoneList = nullptr;     ///< a named zone, or the offset only
    FindPlaceField* FindPlace = nullptr; ///< a town found by name
    QCheckBox* Check3 = nullptr;         ///< "Auto Daylight Savings Adjust"
    QPushButton* Command4 = nullptr;     ///< "&Ok"
    QPushButton* Command2 = nullptr;     ///< "&Apply "
    QPushButton* Command5 = nullptr;     ///< "&Cancel"
    QPushButton* Command6 = nullptr;     ///< "He&lp"

    // Handlers.
    void Command4_Click();
    void Command2_Click();
    void Command5_Click();
    void Command6_Click();
    void Combo3_Click(int index);
    void Command8_Click();
    void Command9_Click();
    void Check3_Click();
    /// A zone chosen from the zone list (empty: the offset only, as for a place without a zone).
    void chooseZone(const QString& id);
    /// Fills the name, the coordinates and the zone from a town found by name; stores nothing.
    void fillFromPlace(const biteclock::Place& place);

signals:
    /// Run the daily refresh.
    void refreshRequested();
    /// Close the panel and show the graph again.
    void closeRequested();
    /// Put the focus on the main window's day spinner.
    void daySpinnerFocusRequested();

private:
    // Layout (settings_panel_layout.cpp).
    void buildLayout();
    QGroupBox* buildAlarmGroup();
    QGroupBox* buildIconGroup();
    QGroupBox* buildLocationGroup();
    QHBoxLayout* buildNameRow(QWidget* location);
    void addCoordinateRows(QWidget* location, QGridLayout* grid);
    QHBoxLayout* buildOffsetRow(QWidget* location);
    QHBoxLayout* buildFindRow(QWidget* location);
    void setKeyboardOrder();
    QHBoxLayout* buildButtonRow();
    void nameFields();

    // The offset from Greenwich and the zone it belongs to (settings_panel_zone.cpp).
    void connectOffsetRow();
    void setPlusShown(bool shown);
    void queryZone();
    void showSystemZone();
    void showCustomZone();
    void showNamedZone();
    /// Takes a zone name for the panel (gmtadj then shows it): an unknown one is dropped, leaving the
    /// location at its offset. Returns whether the zone is known.
    bool loadZone(const QString& id);
    /// Forgets the named zone; the offset stays as it reads.
    void dropZone();
    double todayZoneHours() const;

    // The named locations (settings_panel_catalogue.cpp).
    /// The saved names as the list shows them, without the fixed first entry.
    QStringList listedNames() const;

    void connectHandlers();
    void setAlarmGroupEnabled(bool on);
    void writeBack();
    void stepOffset(double hours);
    void wrapField(QLineEdit* field, Spinner* spinner, int wrapsToZero, int wrapsToMaximum);
    QLineEdit* fieldOf(CoordinateField which) const;
    CoordinateFields coordinateFields() const;
    LocationFields locationFields() const;
    void enableApply() const;
    /// Everything the panel would store, as it stands.
    QStringList snapshot() const;

    SharedSettings shared_;
    LocationCatalogue catalogue_;
    MessageService& messages_;
    HelpService& help_;
    const biteclock::TimeZoneSource& zones_;
    QString programTitle_;
    const Clock* clock_ = nullptr;

    bool customZone_ = false;
    double systemZoneHours_ = 0;
    QString systemZoneName_;
    QString zoneName_;    ///< the window's current zone name
    QString offsetValue_; ///< the offset as gmtadj keeps it
    QString zoneId_;      ///< the location's named zone; empty when it keeps its offset
    /// A stored zone this computer's zone database does not know (a newer or misspelt name): the
    /// place is computed at its stored offset, and the name is written back as it was stored until
    /// the user picks a zone or an offset, so that a newer computer still finds it.
    QString keptZoneId_;
    QString zoneToStore() const { return zoneId_.isEmpty() ? keptZoneId_ : zoneId_; }
    bool plusShown_ = true;
    QStringList loaded_; ///< the panel as last loaded from or written to the store; empty before
};
