#include "tray_autostart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// The characters that oblige an Exec argument to be quoted.
bool needsQuoting(const QString& argument) {
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    if (argument.isEmpty()) {
        return true;
    }
    for (const QChar c : argument) {
        if (reserved.contains(c)) {
            return true;
        }
    }
    return false;
}

QString execArgument(const QString& argument) {
    QString text = argument;
    // A literal percent sign is written twice: single ones introduce field codes.
    text.replace(QLatin1Char('%'), QLatin1String("%%"));
    if (needsQuoting(argument)) {
        QString quoted;
        for (const QChar c : text) {
            if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
                c == QLatin1Char('\\')) {
                quoted += QLatin1Char('\\');
            }
            quoted += c;
        }
        text = QLatin1Char('"') + quoted + QLatin1Char('"');
    }
    // The value is itself a desktop entry string, in which a backslash is escaped once more.
    text.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    return text;
}

// A value in the entry is one line.
QString oneLine(const QString& text) {
    QString line = text;
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return line;
}

} // namespace

QString trayAutostartPath() {
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || !QDir::isAbsolutePath(config)) {
        config = QDir::homePath() + QLatin1String("/.config");
    }
    return QDir(config).filePath(QStringLiteral("autostart/Bitetray.desktop"));
}

QString trayAutostartEntry(const QString& trayExecutable) {
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Bitetray\n"
                          "Comment=Moon phase and fishing prediction in the notification area\n"
                          "Exec=%1\n"
                          "Terminal=false\n"
                          "X-GNOME-Autostart-enabled=true\n")
        .arg(oneLine(execArgument(trayExecutable)));
}

bool updateTrayAutostart(bool showMoon, bool showFish, bool alarmOn, const QString& trayExecutable) {
    const QString path = trayAutostartPath();
    if (!showMoon && !showFish && !alarmOn) {
        return !QFileInfo::exists(path) || QFile::remove(path);
    }
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        return false;
    }
    file.write(trayAutostartEntry(trayExecutable).toUtf8());
    return file.commit();
}
