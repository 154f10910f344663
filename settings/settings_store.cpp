#include "settings_store.h"

#include <QSettings>

namespace {

constexpr auto kOrganisation = "Biteclock";

// The key's full path within the application's file.
QString keyPath(const QString& section, const QString& key) {
    const QString group = SettingsStore::groupPath(section);
    return group.isEmpty() ? key : group + QLatin1Char('/') + key;
}

} // namespace

QSettings& SettingsStore::open(const QString& application) const {
    std::shared_ptr<QSettings>& slot = application == kShared ? shared_ : main_;
    if (!slot || slot->applicationName() != application) {
        slot = std::make_shared<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                           QString::fromLatin1(kOrganisation), application);
    }
    return *slot;
}

void SettingsStore::sync() const {
    for (const auto& s : {shared_, main_}) {
        if (s) {
            s->sync();
        }
    }
}

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
    const QVariant value = open(application).value(keyPath(section, key));
    if (!value.isValid()) {
        return defaultValue;
    }
    return value.toString();
}

bool SettingsStore::contains(const QString& application, const QString& section, const QString& key) const {
    return open(application).contains(keyPath(section, key));
}

QString SettingsStore::fileName(const QString& application) const {
    return open(application).fileName();
}

void SettingsStore::write(const QString& application, const QString& section, const QString& key,
                          const QString& value) {
    open(application).setValue(keyPath(section, key), value);
}

void SettingsStore::removeKey(const QString& application, const QString& section, const QString& key) {
    if (key.isEmpty()) {
        return;
    }
    open(application).remove(keyPath(section, key));
}

void SettingsStore::removeSection(const QString& application, const QString& section) {
    const QString path = groupPath(section);
    if (path.isEmpty()) {
        return; // never the whole store
    }
    open(application).remove(path);
}

QStringList SettingsStore::keys(const QString& application, const QString& section) const {
    QSettings& s = open(application);
    s.beginGroup(groupPath(section));
    const QStringList keys = s.childKeys();
    s.endGroup();
    return keys;
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
