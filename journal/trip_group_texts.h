#pragma once

#include "trip_stats.h"

#include <QString>

/// What a trip group is measured by in the "Your trips" view.
enum class GroupMeasure { GoodCatchShare, AverageQuantity };

/// The group's name as the view shows it.
QString groupName(const TripGroup& group);
/// "no trips", "1 trip", "12 trips".
QString tripCountText(int trips);
/// The share of good catches as a whole percentage, "58 %"; empty for a group without trips.
QString shareText(const TripGroup& group);
/// The average quantity of fish with one decimal, "4.5"; empty when no trip of the group gives one.
QString averageText(const TripGroup& group);
/// The words over a group's bar: the measure's value, or why the group has no bar ("no trips",
/// "fewer than 5 trips", "no quantities").
QString barNote(const TripGroup& group, GroupMeasure measure);
/// One sentence on the group: its trips, good catches and average quantity.
QString groupSummary(const TripGroup& group);
