#include "main_settings.h"

#include "number_text.h"

#include <cmath>

bool MainSettings::dayFirst() const {
    return SettingsStore::toBool(text(QStringLiteral("daterep"), QStringLiteral("False")), false);
}

void MainSettings::setDayFirst(bool dayFirst) {
    setText(QStringLiteral("daterep"), SettingsStore::boolText(dayFirst));
}

QString MainSettings::graphDaysText() const {
    return text(QStringLiteral("graphday"), QString::number(kDefaultGraphDays));
}

int MainSettings::wholeNumber(const QString& key, int fallback) const {
    const QString stored = text(key, {});
    if (!biteclock::isNumberText(stored.toStdString())) {
        return fallback; // missing, or a hand-edited value that is no number
    }
    const double value = biteclock::leadingNumber(stored.toStdString());
    if (!(std::fabs(value) < 2147483647.0)) {
        return fallback;
    }
    return static_cast<int>(std::floor(value));
}
