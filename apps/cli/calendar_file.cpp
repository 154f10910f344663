#include "calendar_file.h"

#include "almanac_day.h"
#include "calendar_page.h"
#include "pdf_page_file.h"

#include <QGuiApplication>

namespace biteclock::cli {

bool writeCalendarFile(const CalendarFile& file, std::string& error) {
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
    day.moonorth = file.moonNorth;

    PrintJob job;
    job.documentName =
        QStringLiteral("Biteclock Calendar %1-%2").arg(file.year).arg(file.month, 2, 10, QLatin1Char('0'));
    job.paper = file.letterPaper ? PaperSize::Letter : PaperSize::A4;
    job.build = [&day, &request](PageWriter& writer) { return CalendarPage(day, writer).write(request); };

    QString why;
    if (!writePdfPage(QString::fromStdString(file.output), job, &why)) {
        error = why.toStdString();
        return false;
    }
    return true;
}

} // namespace biteclock::cli
