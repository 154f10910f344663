#pragma once

#include "almanac_day.h"

#include <QString>

class DistanceGauge;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QWidget;

/// The fields that show one day: sun, Moon, fishing periods, the prediction colour with its legend
/// and the lunar distance. It only copies what the almanac context computed into its widgets; the
/// window places its frames.
class DayView {
public:
    explicit DayView(QWidget* parent);

    /// Copies the routines' texts: sunrise, sunset, day length, moonrise, moonset, the four periods
    /// and the new or full moon captions.
    void showTimes(const biteclock::AlmanacDay& day);
    /// The Moon picture, the rating colour, the age and, with tips on, the prediction tip.
    void showPhase(const biteclock::AlmanacDay& day, bool tipsOn);
    /// The distance in kilometres and the gauge.
    void showDistance(const biteclock::AlmanacDay& day);
    /// "Equinox" or "Solstice", hidden when empty.
    void showSeason(const QString& label);

    QGroupBox* sunFrame = nullptr;
    QGroupBox* moonFrame = nullptr;
    QGroupBox* periodsFrame = nullptr;
    QGroupBox* predictionFrame = nullptr;
    QGroupBox* distanceFrame = nullptr;

    QLineEdit* Text2 = nullptr;  ///< sunrise
    QLineEdit* Text32 = nullptr; ///< sunset
    QLineEdit* Text6 = nullptr;  ///< day length
    QLabel* Label19 = nullptr;   ///< equinox or solstice
    QLineEdit* Text21 = nullptr; ///< moonrise
    QLineEdit* Text39 = nullptr; ///< moonset
    QLineEdit* Text4 = nullptr;  ///< major period, Moon above
    QLineEdit* Text5 = nullptr;  ///< major period, Moon below
    QLineEdit* Text7 = nullptr;  ///< minor period, Moon above (moonset)
    QLineEdit* Text8 = nullptr;  ///< minor period, Moon below (moonrise)
    QLabel* Label14 = nullptr;   ///< "New Moon" / "Full Moon"
    QLabel* Label18 = nullptr;   ///< the event's time
    QLabel* Image3 = nullptr;    ///< Moon picture
    QLineEdit* Text9 = nullptr;  ///< Moon age
    QFrame* Picture2 = nullptr;  ///< rating colour
    QLabel* Image5 = nullptr;    ///< prediction picture
    QLabel* Label13 = nullptr;   ///< distance in kilometres
    DistanceGauge* Image2 = nullptr;

    int moonPictureId() const { return moonPictureId_; }

private:
    void buildSunAndMoon(QWidget* parent);
    void buildPeriodsAndPrediction(QWidget* parent);
    void buildDistance(QWidget* parent);

    int moonPictureId_ = 0;
};
