#pragma once

#include "print_service.h"

#include <QByteArray>
#include <QString>

/// Draws a job as a one-page PDF document in memory. False, with why in `error`, when the page could
/// not be finished.
bool renderPdfPage(const PrintJob& job, QByteArray& pdf, QString* error = nullptr);

/// Writes a job as a one-page PDF file, whole or not at all (see writeFileSafely): a full disk or an
/// unwritable folder leaves an older file of that name as it was. A name taken by anything but a
/// regular file is refused. `error` says why it failed, naming the file.
bool writePdfPage(const QString& path, const PrintJob& job, QString* error = nullptr);
