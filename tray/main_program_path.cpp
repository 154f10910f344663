#include "main_program_path.h"

#include "program_paths.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

bool isProgram(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

} // namespace

QString mainProgramFolder(const QString& fishPath, const QString& ownFolder) {
    const QString stored = fishPath.trimmed();
    if (!stored.isEmpty() && QDir::isAbsolutePath(stored) && QFileInfo(stored).isDir()) {
        return QDir::cleanPath(stored);
    }
    return QDir::cleanPath(ownFolder);
}

QString mainProgramPath(const QString& fishPath, const QString& ownFolder) {
    const QString first = QDir(mainProgramFolder(fishPath, ownFolder)).filePath(kMainProgramName);
    if (isProgram(first)) {
        return first;
    }
    const QString beside = siblingProgramPath(Program::Biteclock, ownFolder);
    if (!beside.isEmpty()) {
        return beside;
    }
    const QString onPath = QStandardPaths::findExecutable(kMainProgramName);
    if (!onPath.isEmpty()) {
        return onPath;
    }
    return first;
}
