#pragma once

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

/// The one QApplication of a widget test program, with settings kept out of the user's folder.
inline QApplication& guiTestApplication() {
    static int argc = 1;
    static char name[] = "graph_tests";
    static char* argv[] = {name, nullptr};
    // Never destroyed: tearing the application down at exit races Qt's own clean-up.
    static auto* app = new QApplication(argc, argv);
    static QTemporaryDir settingsFolder;
    static const bool redirected = [] {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsFolder.path());
        return true;
    }();
    (void)redirected;
    return *app;
}
