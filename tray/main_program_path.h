#pragma once

#include <QString>

/// The file name of the main program's executable.
inline const QString kMainProgramName = QStringLiteral("Biteclock");

/// The main program's folder: the stored "fishpath" when it names an existing folder by an absolute
/// path, otherwise (nothing stored, a relative path, or a folder that is gone) the companion's own.
QString mainProgramFolder(const QString& fishPath, const QString& ownFolder);

/// The main program to start: "Biteclock" in mainProgramFolder(), else siblingProgramPath() (the build
/// tree or beside the companion), else the one found on the PATH; mainProgramFolder() + "/Biteclock"
/// when none exists, so that the failure names the place looked at first.
QString mainProgramPath(const QString& fishPath, const QString& ownFolder);
