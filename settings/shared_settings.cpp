#include "shared_settings.h"

#include "number_text.h"

double SharedSettings::gmtHours() const {
    return numberOf(text(QStringLiteral("gmt"), QStringLiteral("13")));
}

double SharedSettings::numberOf(const QString& text) {
    return biteclock::leadingNumber(text.toStdString());
}
