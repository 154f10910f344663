#include "tray_autostart.h"

#include "safe_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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

bool updateTrayAutostart(bool showMoon, bool showFish, bool alarmOn, const QString& trayExecutable,
                         QString* error) {
    const QString path = trayAutostartPath();
    const auto fail = [error](const QString& text) {
        if (error) {
            *error = text;
        }
        return false;
    };
    if (!showMoon && !showFish && !alarmOn) {
        QFile entry(path);
        if (QFileInfo::exists(path) && !entry.remove()) {
            return fail(QStringLiteral("%1 could not be removed: %2").arg(path, entry.errorString()));
        }
        return true;
    }
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        return fail(
            QStringLiteral("%1 could not be written: the folder %2 could not be created").arg(path, folder));
    }
    const SafeFileResult written = writeFileSafely(path, trayAutostartEntry(trayExecutable).toUtf8());
    if (!written.written) {
        return fail(safeFileError(path, written));
    }
    return true;
}
