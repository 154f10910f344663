#pragma once

#include "print_service.h"

#include <QString>

/// Writes a job as a one-page PDF file. The file appears only when the page was written whole: it
/// is built beside the target and renamed over it at the end. `error` says why it failed.
bool writePdfPage(const QString& path, const PrintJob& job, QString* error = nullptr);
