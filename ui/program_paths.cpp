#include "program_paths.h"

#include <QDir>
#include <QFileInfo>

namespace {

/// The folder under apps/ of the build tree that builds the program.
QString buildFolderName(Program program) {
    switch (program) {
    case Program::Biteclock:
        return QStringLiteral("biteclock");
    case Program::Bitetray:
        return QStringLiteral("tray");
    case Program::Cli:
        return QStringLiteral("cli");
    }
    return {};
}

bool isProgram(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

} // namespace

QString programFileName(Program program) {
    switch (program) {
    case Program::Biteclock:
        return QStringLiteral("Biteclock");
    case Program::Bitetray:
        return QStringLiteral("Bitetray");
    case Program::Cli:
        return QStringLiteral("biteclock-cli");
    }
    return {};
}

QString siblingProgramPath(Program program, const QString& runningFolder) {
    if (runningFolder.isEmpty()) {
        return {};
    }
    const QDir folder(runningFolder);
    const QString name = programFileName(program);
    // The build tree first: an installed folder never has apps/<folder>/ beside it, and a build tree
    // never has the programs side by side.
    for (const QString& candidate :
         {folder.filePath(QStringLiteral("../%1/%2").arg(buildFolderName(program), name)),
          folder.filePath(name)}) {
        if (isProgram(candidate)) {
            return QDir::cleanPath(candidate);
        }
    }
    return {};
}
