#include "field_tips.h"

#include <QWidget>
#include <array>

namespace {

constexpr const char* kGraphDaysTip = "Sets number of days ahead you wish the graph to read.";
// The rating text of the displayed date follows it (predictionTip).
constexpr const char* kPredictionTip = "Displayed date fishing prediction : ";

// The main window. Its frames go by the object names the window gives them.
constexpr std::array kMainWindow{
    FieldTip{"Dateframe", "Displayed date for which data has been calculated."},
    FieldTip{"Text11", kGraphDaysTip},
    FieldTip{"graphDaysFrame", kGraphDaysTip},
    FieldTip{"distanceFrame", "Displays the distance the Moon this from the Earth, therefore the amount of "
                              "influence the Moon has on Earth."},
    FieldTip{"Command1", "Displays fishing journal which allows you to keep records."},
    FieldTip{"MSChart1",
             "Graph displaying fishing day predictions ahead, up to the value displayed in graph days."},
    FieldTip{"Image5", kPredictionTip},
    FieldTip{"Image3", "Displayed date Moon phase"},
    FieldTip{"Text5", "Displayed date major fishing time when Moon is below the observer."},
    FieldTip{"Text4", "Displayed date major fishing time when Moon is above the observer."},
    FieldTip{"Text7", "Displayed date minor fishing time when Moon is above the observer."},
    FieldTip{"Text8", "Displayed date minor fishing time when Moon is below the observer."},
    FieldTip{"Text6", "Length of day in hours & minutes between sunrise and sunset."},
    FieldTip{"Text21", "Displayed date Moonrise."},
    FieldTip{"Text39", "Displayed date Moonset."},
    FieldTip{"Text2", "Displayed date Sunrise."},
    FieldTip{"Text32", "Displayed date Sunset."},
    FieldTip{"Text9", "Age of Moon in days from New Moon."},
    FieldTip{"Label13", "Distance from Earth in Kilometers."},
    FieldTip{"Image2",
             "Displays the distance the Moon this from the Earth, therefore the amount of influence "
             "the moon has on the Earth."},
    FieldTip{"Label19",
             "Fishing on days of the solstice or equinox can be the most productive days of the year."},
};

constexpr const char* kAlarmDayTip = "Select type of day and how many days in advance.";
constexpr const char* kTrayIconTip =
    "Displays icons in taskbar tray area. Settings do not take effect until computer is restarted.";

constexpr std::array kSettingsPanel{
    FieldTip{"Option1", "Selects whether alarm is activated or not."},
    FieldTip{"Option2", "Selects whether alarm is activated or not."},
    FieldTip{"Combo2", kAlarmDayTip},
    FieldTip{"Text12", kAlarmDayTip},
    FieldTip{"UpDown4", kAlarmDayTip},
    FieldTip{"Check1", kTrayIconTip},
    FieldTip{"Check2", kTrayIconTip},
    FieldTip{"Check3", "Adjusts for daylight savings automatically when and where applicable."},
    FieldTip{"Text20", "Enter Latitude minutes"},
    FieldTip{"Text30", "Enter latitude degrees."},
    FieldTip{"Text40", "Select between Northern or Southern Hemisphere."},
    FieldTip{"Text15", "Enter Longitude degrees."},
    FieldTip{"Text14", "Enter Longitude minutes."},
    FieldTip{"Text13", "Select between west or east of Greenwich, England."},
    FieldTip{"Text17", "Enter G.M.T variation from Greenwich, England."},
    FieldTip{"Text16", "Displayed Computer settings local Time Zone."},
    FieldTip{"ZoneList",
             "Choose the location's time zone: its own daylight saving rules then give each date's "
             "offset. The first entry keeps the offset as set."},
    FieldTip{"FindPlace",
             "Type a town's name and choose it from the list to fill in its name, coordinates and "
             "time zone."},
    FieldTip{"Command2", "Click to apply changes to program settings."},
    FieldTip{"Command5", "Click to close window without applying any changes."},
    FieldTip{"Command4", "Click to apply changes and close program settings window."},
};

constexpr std::array kJournal{
    FieldTip{"Command1", "Saves current entry data."},
    FieldTip{"Command4", "Back to last entry."},
    FieldTip{"Command5", "Advances to next entry."},
    FieldTip{"Command6",
             "Clears current entry data. To clear permanently, click Save entry after Clear entry."},
    FieldTip{"Image1", "Moon phase for date specified."},
    FieldTip{"Image2", "Fish prediction for date specified."},
    FieldTip{"Frame1", "Date of fishing trip. Format: dd/mm/yyyy or mm/dd/yyyy depending on the Date "
                       "representation selected in Settings menu."},
    FieldTip{"Text1", "Enter Day"},
    FieldTip{"Text13", "Enter Month"},
    FieldTip{"Text14", "Enter Year"},
    FieldTip{"Text200", "Additional information regarding the fishing trip."},
    FieldTip{"Text3", "Water or air temperature."},
    FieldTip{"Text4", "Length of fishing trip."},
    FieldTip{"Text5", "Spring or Neap."},
    FieldTip{"Text6", "Wind strength in users scale."},
    FieldTip{"Text7", "Quantity of fish."},
    FieldTip{"Text9", "Gps latitude or name of location."},
    FieldTip{"Text10", "Gps longitude or name of location"},
    FieldTip{"Text11", "Best bite rate eg. 10:00am - 11:15am"},
    FieldTip{"Combo1", "Wind direction."},
    FieldTip{"Combo2", "Tidal condition during best bite rate."},
    FieldTip{"Combo3", "Personal rating of catch."},
};

void apply(std::span<const FieldTip> tips, const FieldMap& fields, bool shown) {
    for (const FieldTip& tip : tips) {
        QWidget* field = fields.value(QString::fromLatin1(tip.control));
        if (field != nullptr) {
            field->setToolTip(shown ? QString::fromLatin1(tip.text) : QString());
        }
    }
}

} // namespace

std::span<const FieldTip> mainWindowTips() {
    return kMainWindow;
}

std::span<const FieldTip> settingsPanelTips() {
    return kSettingsPanel;
}

std::span<const FieldTip> journalTips() {
    return kJournal;
}

FieldMap fieldsOf(const QWidget& window, std::span<const FieldTip> tips) {
    FieldMap fields;
    for (const FieldTip& tip : tips) {
        const QString name = QString::fromLatin1(tip.control);
        if (auto* field = window.findChild<QWidget*>(name)) {
            fields.insert(name, field);
        }
    }
    return fields;
}

void tooltipsshow(std::span<const FieldTip> tips, const FieldMap& fields) {
    apply(tips, fields, true);
}

void tooltipss(std::span<const FieldTip> tips, const FieldMap& fields) {
    apply(tips, fields, false);
}

QString predictionTip(const QString& ratingText) {
    return QString::fromLatin1(kPredictionTip) + ratingText;
}
