#pragma once

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

/// The settings and the log-on entry of every test live in a temporary folder, never the user's.
class TrayTestEnvironment {
public:
    TrayTestEnvironment() {
        EXPECT_TRUE(dir_.isValid());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                           dir_.filePath(QStringLiteral("settings")));
        qputenv("XDG_CONFIG_HOME", dir_.filePath(QStringLiteral("config")).toLocal8Bit());
    }

    QString path(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
};

/// The widget tests need an application object; one for the whole test program.
inline QApplication& trayTestApplication() {
    static int argc = 1;
    static char name[] = "tray_tests";
    static char* argv[] = {name, nullptr};
    static auto* app = new QApplication(argc, argv);
    return *app;
}
