#include "settings_store.h"

#include <QSettings>

namespace {

constexpr auto kOrganisation = "Biteclock";

QSettings openStore(const QString& application) {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QString::fromLatin1(kOrganisation),
                     application);
}

} // namespace

QString SettingsStore::groupPath(const QString& section) {
    QString path = section;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (path.endsWith(QLatin1Char('/'))) {
        path.chop(1);
    }
    return path;
}

QString SettingsStore::read(const QString& application, const QString& section, const QString& key,
                            const QString& defaultValue) const {
    QSettings s = openStore(application);
    s.beginGroup(groupPath(section));
    const QVariant value = s.value(key);
    if (!value.isValid()) {
        return defaultValue;
    }
    return value.toString();
}

void SettingsStore::write(const QString& application, const QString& section, const QString& key,
                          const QString& value) {
    QSettings s = openStore(application);
    s.beginGroup(groupPath(section));
    s.setValue(key, value);
}

void SettingsStore::removeKey(const QString& application, const QString& section, const QString& key) {
    if (key.isEmpty()) {
        return;
    }
    QSettings s = openStore(application);
    s.beginGroup(groupPath(section));
    s.remove(key);
}

void SettingsStore::removeSection(const QString& application, const QString& section) {
    const QString path = groupPath(section);
    if (path.isEmpty()) {
        return; // never the whole store
    }
    QSettings s = openStore(application);
    s.remove(path);
}

QStringList SettingsStore::keys(const QString& application, const QString& section) const {
    QSettings s = openStore(application);
    s.beginGroup(groupPath(section));
    return s.childKeys();
}

bool SettingsStore::toBool(const QString& text, bool defaultValue) {
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) {
        return true;
    }
    if (t.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) {
        return false;
    }
    bool ok = false;
    const double number = t.toDouble(&ok);
    if (ok) {
        return number != 0;
    }
    return defaultValue;
}

QString SettingsStore::locationSection(const QString& name) {
    QString escaped;
    escaped.reserve(name.size());
    for (const QChar c : name) {
        if (c == QLatin1Char('%')) {
            escaped += QLatin1String("%25");
        } else if (c == QLatin1Char('/')) {
            escaped += QLatin1String("%2F");
        } else if (c == QLatin1Char('\\')) {
            escaped += QLatin1String("%5C");
        } else {
            escaped += c;
        }
    }
    return kLocations + escaped;
}

QString SettingsStore::locationName(const QString& escapedName) {
    QString name;
    name.reserve(escapedName.size());
    for (qsizetype i = 0; i < escapedName.size(); ++i) {
        const QStringView rest = QStringView(escapedName).mid(i, 3);
        if (rest == QLatin1String("%25")) {
            name += QLatin1Char('%');
            i += 2;
        } else if (rest.compare(QLatin1String("%2F"), Qt::CaseInsensitive) == 0) {
            name += QLatin1Char('/');
            i += 2;
        } else if (rest.compare(QLatin1String("%5C"), Qt::CaseInsensitive) == 0) {
            name += QLatin1Char('\\');
            i += 2;
        } else {
            name += escapedName[i];
        }
    }
    return name;
}
