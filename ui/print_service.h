#pragma once

#include "page_writer.h"

#include <QPageSize>
#include <QString>
#include <functional>

class QWidget;

/// The sheet a page is laid out for.
enum class PaperSize { A4, Letter };

/// The paper a sheet is printed on.
inline QPageSize pageSizeOf(PaperSize paper) {
    return QPageSize(paper == PaperSize::Letter ? QPageSize::Letter : QPageSize::A4);
}

/// One page to send somewhere: `build` writes it through the writer it is given, ends the document
/// and returns whether that succeeded. It may be called more than once (a preview redraws).
struct PrintJob {
    QString documentName;
    PaperSize paper = PaperSize::A4;
    std::function<bool(PageWriter&)> build;
};

struct PrintResult {
    enum class Outcome { Done, Cancelled, Failed };
    Outcome outcome = Outcome::Done;
    QString error; ///< why it failed, for the user
    QString file;  ///< the file written, when the page went to one
};

/// Where printed pages go: it asks the user what it needs (printer, file), makes a page writer
/// for the destination and runs the job on it.
class PrintService {
public:
    virtual ~PrintService() = default;
    /// The printer choice, then the printer.
    virtual PrintResult print(const PrintJob& job, QWidget* parent) = 0;
    /// A preview of the page, from which it can also be printed.
    virtual PrintResult preview(const PrintJob& job, QWidget* parent) = 0;
    /// A file choice, then a PDF file of the page.
    virtual PrintResult savePdf(const PrintJob& job, QWidget* parent) = 0;
};
