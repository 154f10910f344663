#include "qt_print_service.h"

#include "pdf_page_file.h"
#include "qt_page_writer.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {

void prepare(QPrinter& printer, const PrintJob& job) {
    printer.setDocName(job.documentName);
    printer.setCreator(QStringLiteral("Biteclock"));
    printer.setPageSize(pageSizeOf(job.paper));
    printer.setPageOrientation(QPageLayout::Landscape);
}

PrintResult runOn(QPrinter& printer, const PrintJob& job) {
    QtPageWriter writer(printer);
    if (job.build && job.build(writer)) {
        return {};
    }
    return {PrintResult::Outcome::Failed,
            writer.errorString().isEmpty() ? QStringLiteral("The page could not be printed.")
                                           : writer.errorString(),
            {}};
}

} // namespace

PrintResult QtPrintService::print(const PrintJob& job, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    prepare(printer, job);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Print %1").arg(job.documentName));
    if (dialog.exec() != QDialog::Accepted) {
        return {PrintResult::Outcome::Cancelled, {}, {}};
    }
    return runOn(printer, job);
}

PrintResult QtPrintService::preview(const PrintJob& job, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    prepare(printer, job);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Preview of %1").arg(job.documentName));
    PrintResult last;
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&job, &last](QPrinter* target) { last = runOn(*target, job); });
    if (dialog.exec() != QDialog::Accepted) {
        return {PrintResult::Outcome::Cancelled, {}, {}};
    }
    return last;
}

PrintResult QtPrintService::savePdf(const PrintJob& job, QWidget* parent) {
    const QString suggested = QDir::home().filePath(job.documentName + QStringLiteral(".pdf"));
    QString path =
        QFileDialog::getSaveFileName(parent, QStringLiteral("Save %1 as PDF").arg(job.documentName),
                                     suggested, QStringLiteral("PDF files (*.pdf)"));
    if (path.isEmpty()) {
        return {PrintResult::Outcome::Cancelled, {}, {}};
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".pdf");
    }
    QString error;
    if (!writePdfPage(path, job, &error)) {
        return {PrintResult::Outcome::Failed, error, {}};
    }
    return {PrintResult::Outcome::Done, {}, path};
}
