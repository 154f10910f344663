#pragma once

#include "print_service.h"
#include "recording_page_writer.h"

#include <QList>

/// Test double of the printers: every request is remembered, and unless the script says the user
/// cancelled, the job is built on a recording page that is kept.
class RecordingPrintService final : public PrintService {
public:
    enum class Destination { Printer, Preview, Pdf };
    struct Request {
        Destination destination;
        QString documentName;
        PaperSize paper;
    };

    PrintResult print(const PrintJob& job, QWidget*) override { return run(Destination::Printer, job); }
    PrintResult preview(const PrintJob& job, QWidget*) override { return run(Destination::Preview, job); }
    PrintResult savePdf(const PrintJob& job, QWidget*) override { return run(Destination::Pdf, job); }

    QList<Request> requests;
    QList<RecordingPageWriter> pages; ///< one per job built
    bool userCancels = false;
    bool pageFails = false; ///< the page cannot be finished (a full disk, a printer gone)
    QString pdfFile = QStringLiteral("/tmp/calendar.pdf"); ///< the file the user "chooses" for a PDF

private:
    PrintResult run(Destination destination, const PrintJob& job) {
        requests.append({destination, job.documentName, job.paper});
        if (userCancels) {
            return {PrintResult::Outcome::Cancelled, {}, {}};
        }
        RecordingPageWriter page;
        page.endSucceeds = !pageFails;
        const bool built = job.build && job.build(page);
        pages.append(page);
        if (!built) {
            return {PrintResult::Outcome::Failed, page.errorString(), {}};
        }
        return {PrintResult::Outcome::Done, {}, destination == Destination::Pdf ? pdfFile : QString()};
    }
};
