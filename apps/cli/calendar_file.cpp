#include "calendar_file.h"

#include "almanac_day.h"
#include "calendar_page.h"
#include "pdf_page_file.h"
#include "safe_file.h"
#include "terminal_text.h"

#include <QGuiApplication>
#include <ostream>

namespace biteclock::cli {
namespace {

std::string couldNotWrite(const std::string& name, const QString& reason) {
    return terminalSafe(name) + " could not be written: " + terminalSafe(reason.toStdString());
}

} // namespace

bool writeCalendarFile(const CalendarFile& file, std::ostream& standardOutput, std::string& error) {
    const bool toStandardOutput = file.output == "-";
    const std::string shownName = toStandardOutput ? std::string("the standard output") : file.output;
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        error = "the calendar page needs the graphical libraries, which were not started";
        return false;
    }
    CalendarRequest request;
    request.year = file.year;
    request.month = file.month;
    request.options.prediction = file.boxes.prediction;
    request.options.sunrise = file.boxes.sun;
    request.options.moonrise = file.boxes.moon;
    request.options.majorMinor = file.boxes.periods;
    request.options.newFull = file.boxes.phases;
    request.options.paperText = file.letterPaper ? kLetterPaperText : kA4PaperText;
    request.location = calendarLocationOf(file.legendPlace, QString::fromStdString(file.zoneName));

    AlmanacDay day;
    day.observer = file.observer;
    day.dateOffsets = file.dateOffsets;
    day.moonorth = file.moonNorth;

    PrintJob job;
    job.documentName =
        QStringLiteral("Biteclock Calendar %1-%2").arg(file.year).arg(file.month, 2, 10, QLatin1Char('0'));
    job.paper = file.letterPaper ? PaperSize::Letter : PaperSize::A4;
    job.build = [&day, &request](PageWriter& writer) { return CalendarPage(day, writer).write(request); };

    QByteArray pdf;
    QString why;
    if (!renderPdfPage(job, pdf, &why)) {
        error = couldNotWrite(shownName, why);
        return false;
    }
    if (toStandardOutput) {
        standardOutput.write(pdf.constData(), static_cast<std::streamsize>(pdf.size()));
        if (!standardOutput.flush()) {
            error = "the standard output could not be written";
            return false;
        }
        return true;
    }
    // The name's own bytes: a name that is not UTF-8 must not be turned into another one.
    const SafeFileResult written = writeFileSafely(QByteArray::fromStdString(file.output), pdf);
    if (!written.written) {
        error = couldNotWrite(shownName, written.reason);
        return false;
    }
    return true;
}

} // namespace biteclock::cli
