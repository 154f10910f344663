#pragma once

#include <QByteArray>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>

/// Keeps a test or benchmark program away from the user's own files and display: the settings,
/// data and runtime folders in a temporary folder of its own, Qt offscreen, the time zone and
/// locale fixed. Made at the start of main, before the application object.
class SandboxHome {
public:
    SandboxHome() {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qputenv("TZ", "UTC");
        qputenv("XDG_CONFIG_HOME", home_.filePath(QStringLiteral("config")).toUtf8());
        qputenv("XDG_DATA_HOME", home_.filePath(QStringLiteral("data")).toUtf8());
        qputenv("XDG_RUNTIME_DIR", home_.path().toUtf8());
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                           home_.filePath(QStringLiteral("settings")));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    QString path() const { return home_.path(); }

private:
    QTemporaryDir home_;
};
