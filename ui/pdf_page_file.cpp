#include "pdf_page_file.h"

#include "qt_page_writer.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

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

bool writePdfPage(const QString& path, const PrintJob& job, QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        setError(error, QStringLiteral("%1 could not be written: %2").arg(path, file.errorString()));
        return false;
    }
    bool built = false;
    {
        QPdfWriter pdf(&file);
        pdf.setResolution(kPdfDotsPerInch);
        pdf.setTitle(job.documentName);
        pdf.setCreator(QStringLiteral("Biteclock"));
        pdf.setPageLayout(QPageLayout(pageSizeOf(job.paper), QPageLayout::Landscape,
                                      QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                      QPageLayout::Millimeter));
        QtPageWriter writer(pdf);
        built = job.build && job.build(writer);
        if (!built) {
            setError(error, QStringLiteral("%1 could not be written: %2")
                                .arg(path, writer.errorString().isEmpty()
                                               ? QStringLiteral("the page was not finished")
                                               : writer.errorString()));
        }
    }
    if (!built) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        setError(error, QStringLiteral("%1 could not be written: %2").arg(path, file.errorString()));
        return false;
    }
    return true;
}
