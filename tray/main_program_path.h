#pragma once

#include <QString>

/// The file name of the main program's executable.
inline const QString kMainProgramName = QStringLiteral("Biteclock");

/// The main program's folder: the stored "fishpath" when it is a folder on this computer, otherwise
/// (nothing stored, or the stored default of the original installation) the companion's own folder.
QString mainProgramFolder(const QString& fishPath, const QString& ownFolder);

/// The main program to start: "Biteclock" in mainProgramFolder(), else siblingProgramPath() (the build
/// tree or beside the companion), else the one found on the PATH; mainProgramFolder() + "/Biteclock"
/// when none exists, so that the failure names the place looked at first.
QString mainProgramPath(const QString& fishPath, const QString& ownFolder);
