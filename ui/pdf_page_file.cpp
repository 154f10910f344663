#include "pdf_page_file.h"

#include "qt_page_writer.h"
#include "safe_file.h"

#include <QBuffer>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

namespace {

constexpr int kPdfDotsPerInch = 1200;
// A margin every printer reaches, so that the PDF prints as it looks.
constexpr double kMarginMm = 6;

void setError(QString* error, const QString& text) {
    if (error) {
        *error = text;
    }
}

} // namespace

bool renderPdfPage(const PrintJob& job, QByteArray& pdf, QString* error) {
    pdf.clear();
    // The page is drawn in memory and written out in one piece: QPdfWriter reports no write errors
    // of its own, so a file it wrote into directly could be cut short without anyone knowing.
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    bool built = false;
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kPdfDotsPerInch);
        writer.setTitle(job.documentName);
        writer.setCreator(QStringLiteral("Biteclock"));
        writer.setPageLayout(QPageLayout(pageSizeOf(job.paper), QPageLayout::Landscape,
                                         QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                         QPageLayout::Millimeter));
        QtPageWriter page(writer);
        built = job.build && job.build(page);
        if (!built) {
            setError(error, page.errorString().isEmpty() ? QStringLiteral("the page was not finished")
                                                         : page.errorString());
        }
    }
    if (!built) {
        pdf.clear();
    }
    return built;
}

bool writePdfPage(const QString& path, const PrintJob& job, QString* error) {
    QByteArray pdf;
    QString why;
    if (!renderPdfPage(job, pdf, &why)) {
        setError(error, QStringLiteral("%1 could not be written: %2").arg(path, why));
        return false;
    }
    const SafeFileResult written = writeFileSafely(path, pdf);
    if (!written.written) {
        setError(error, safeFileError(path, written));
        return false;
    }
    return true;
}
