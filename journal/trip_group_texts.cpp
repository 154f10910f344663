#include "trip_group_texts.h"

#include <QLocale>
#include <cmath>

QString groupName(const TripGroup& group) {
    return QString::fromUtf8(group.name.data(), static_cast<qsizetype>(group.name.size()));
}

QString tripCountText(int trips) {
    if (trips == 0) {
        return QStringLiteral("no trips");
    }
    return trips == 1 ? QStringLiteral("1 trip") : QStringLiteral("%1 trips").arg(trips);
}

QString shareText(const TripGroup& group) {
    const std::optional<double> share = group.goodCatchShare();
    if (!share) {
        return {};
    }
    return QStringLiteral("%1 %").arg(static_cast<int>(std::lround(*share * 100)));
}

QString averageText(const TripGroup& group) {
    const std::optional<double> average = group.averageQuantity();
    return average ? QLocale().toString(*average, 'f', 1) : QString();
}

QString barNote(const TripGroup& group, GroupMeasure measure) {
    if (group.trips == 0) {
        return QStringLiteral("no trips");
    }
    if (group.tooFew()) {
        return QStringLiteral("fewer than %1 trips").arg(TripGroup::kFewTrips);
    }
    if (measure == GroupMeasure::GoodCatchShare) {
        return shareText(group);
    }
    const QString average = averageText(group);
    return average.isEmpty() ? QStringLiteral("no quantities") : average;
}

QString groupSummary(const TripGroup& group) {
    QString text = groupName(group) + QStringLiteral(": ") + tripCountText(group.trips);
    if (group.trips == 0) {
        return text;
    }
    text += QStringLiteral(", %1 with a good catch (%2)").arg(group.goodCatches).arg(shareText(group));
    if (group.withQuantity == 0) {
        text += QStringLiteral(", none with a quantity of fish");
    } else {
        text += QStringLiteral(", %1 fish on average over the %2 that give a quantity")
                    .arg(averageText(group), tripCountText(group.withQuantity));
    }
    if (group.tooFew()) {
        text += QStringLiteral(". Fewer than %1 trips: too few to compare.").arg(TripGroup::kFewTrips);
    } else {
        text += QLatin1Char('.');
    }
    return text;
}
