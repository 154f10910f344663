#pragma once

#include <QString>

/// The project's three programs.
enum class Program { Biteclock, Bitetray, Cli };

/// The program's file name: "Biteclock", "Bitetray" or "biteclock-cli".
QString programFileName(Program program);

/// Where to find one of the programs from the folder of the one that is running: in the build tree
/// when the running program is there (each program has a folder of its own under apps/), else beside
/// it (installed, all programs share one folder). Only an executable file counts. Empty when neither
/// place has it; the caller decides what to fall back to.
QString siblingProgramPath(Program program, const QString& runningFolder);
