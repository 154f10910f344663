// The real page: a PDF file of a month, read back with poppler's tools.
#include "calendar_page.h"
#include "file_size_limit.h"
#include "pdf_page_file.h"
#include "qt_page_writer.h"
#include "tiny_tmpfs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

QString run(const QString& program, const QStringList& arguments) {
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(30000) || p.exitCode() != 0) {
        return {};
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}

PrintJob monthJob(biteclock::AlmanacDay& day, const CalendarRequest& request) {
    PrintJob job;
    job.documentName = QStringLiteral("Calendar");
    job.paper = calendarLayoutFor(request.options.paperText).paper;
    job.build = [&day, request](PageWriter& writer) { return CalendarPage(day, writer).write(request); };
    return job;
}

QString readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

class PdfPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
            GTEST_SKIP() << "poppler-utils is not installed";
        }
        day.observer = biteclock::observerFromDegrees(40.7128, -74.006, -5);
        request.year = 2000;
        request.month = 3;
        request.options.sunrise = request.options.moonrise = request.options.newFull = true;
    }
    QTemporaryDir dir;
    biteclock::AlmanacDay day;
    CalendarRequest request;
};

} // namespace

TEST_F(PdfPageTest, OneLandscapePageOfTheRightPaper) {
    for (const bool letter : {false, true}) {
        request.options.paperText = letter ? kLetterPaperText : kA4PaperText;
        const QString path = dir.filePath(letter ? QStringLiteral("letter.pdf") : QStringLiteral("a4.pdf"));
        QString error;
        ASSERT_EQ(writePdfPage(path, monthJob(day, request), &error), true) << error.toStdString();
        const QString info = run(QStringLiteral("pdfinfo"), {path});
        EXPECT_TRUE(info.contains(QStringLiteral("Pages:           1"))) << info.toStdString();
        EXPECT_TRUE(info.contains(letter ? QStringLiteral("792 x 612 pts (letter)")
                                         : QStringLiteral("842 x 595 pts (A4)")))
            << info.toStdString();
    }
}

TEST_F(PdfPageTest, TheTextReadsBack) {
    const QString path = dir.filePath(QStringLiteral("march.pdf"));
    ASSERT_EQ(writePdfPage(path, monthJob(day, request)), true);
    const QString text =
        run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    EXPECT_TRUE(text.contains(QStringLiteral("Biteclock Solunar Fishing Calendar")));
    EXPECT_TRUE(text.contains(QStringLiteral("March 2000")));
    EXPECT_TRUE(text.contains(QStringLiteral("New Moon")));
    EXPECT_TRUE(text.contains(QStringLiteral("Full Moon")));
    EXPECT_TRUE(text.contains(QStringLiteral("Moonrise & Moonset")));
    EXPECT_TRUE(text.contains(CalendarPage::kProgramLine));
}

TEST_F(PdfPageTest, TheWholePageFitsOnTheSheet) {
    // Everything lies inside the page: a bounding box per word, none beyond the sheet.
    for (const bool letter : {false, true}) {
        request.options.paperText = letter ? kLetterPaperText : kA4PaperText;
        request.options.prediction = true;
        request.location.zoneName = QStringLiteral("Custom");
        const QString path = dir.filePath(QStringLiteral("fit.pdf"));
        ASSERT_EQ(writePdfPage(path, monthJob(day, request)), true);
        const QString html =
            run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
        ASSERT_FALSE(html.isEmpty());
        const double width = letter ? 792 : 842;
        const double height = letter ? 612 : 595;
        double maxX = 0;
        double maxY = 0;
        static const QRegularExpression box(QStringLiteral("xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\""));
        for (auto it = box.globalMatch(html); it.hasNext();) {
            const auto m = it.next();
            maxX = std::max(maxX, m.captured(1).toDouble());
            maxY = std::max(maxY, m.captured(2).toDouble());
        }
        EXPECT_LT(maxX, width) << (letter ? "Letter" : "A4");
        EXPECT_LT(maxY, height) << (letter ? "Letter" : "A4");
    }
}

TEST_F(PdfPageTest, AFileThatCannotBeWrittenIsReportedAndNothingIsLeft) {
    const QString path = dir.filePath(QStringLiteral("missing/folder/march.pdf"));
    QString error;
    EXPECT_EQ(writePdfPage(path, monthJob(day, request), &error), false);
    EXPECT_TRUE(error.contains(path)) << error.toStdString();
    EXPECT_EQ(QFile::exists(path), false);
}

TEST_F(PdfPageTest, AnUnfinishedPageLeavesTheOldFileAlone) {
    const QString path = dir.filePath(QStringLiteral("old.pdf"));
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("old");
    }
    PrintJob job = monthJob(day, request);
    job.build = [](PageWriter& writer) {
        writer.beginLandscapePage();
        writer.write(QStringLiteral("half a page"));
        return false;
    };
    QString error;
    EXPECT_EQ(writePdfPage(path, job, &error), false);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(readAll(path), QStringLiteral("old"));
}

// The print window's "Save as PDF" and the command line write through this: a full disk must not
// replace an older calendar by a cut-short one, and must say so.
TEST_F(PdfPageTest, AFullDiskIsReportedWithTheNameAndTheOldFileStays) {
    const TinyTmpfs disk;
    if (!disk.mounted()) {
        GTEST_SKIP() << "a tmpfs cannot be mounted here (needs the superuser)";
    }
    const QString path = disk.filePath(QStringLiteral("cal.pdf"));
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("an older calendar");
    }
    // Fill the disk but for a few kilobytes: less than one page.
    {
        QFile filler(disk.filePath(QStringLiteral("filler")));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
        const QByteArray block(1024, 'f');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
    }
    QFile::resize(disk.filePath(QStringLiteral("filler")),
                  QFileInfo(disk.filePath(QStringLiteral("filler"))).size() - 4096);
    QString error;
    EXPECT_EQ(writePdfPage(path, monthJob(day, request), &error), false);
    EXPECT_EQ(error, path + QStringLiteral(" could not be written: No space left on device"));
    EXPECT_EQ(readAll(path), QStringLiteral("an older calendar"));
    EXPECT_EQ(disk.entries(), (QStringList{QStringLiteral("cal.pdf"), QStringLiteral("filler")}));
}

TEST_F(PdfPageTest, AFileSizeLimitLeavesTheOldFileToo) {
    const QString path = dir.filePath(QStringLiteral("cal.pdf"));
    ASSERT_EQ(writePdfPage(path, monthJob(day, request)), true);
    const QString before = readAll(path);
    QString error;
    {
        const FileSizeLimit limit(8192);
        request.options.prediction = !request.options.prediction; // a different page
        EXPECT_EQ(writePdfPage(path, monthJob(day, request), &error), false);
    }
    EXPECT_EQ(error, path + QStringLiteral(" could not be written: File too large"));
    EXPECT_EQ(readAll(path), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("cal.pdf")});
}

TEST_F(PdfPageTest, APipeUnderTheNameIsRefusedAndStaysAPipe) {
    const QString path = dir.filePath(QStringLiteral("pipe.pdf"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
    QString error;
    EXPECT_EQ(writePdfPage(path, monthJob(day, request), &error), false);
    EXPECT_EQ(error, path + QStringLiteral(" could not be written: It is not a regular file."));
    EXPECT_FALSE(QFileInfo(path).isFile());
}

TEST(QtPageWriter, ACellsSmallPrintEndsBeforeTheNextColumnEvenOnLetter) {
    QTemporaryDir dir;
    QPdfWriter pdf(dir.filePath(QStringLiteral("cell.pdf")));
    pdf.setResolution(1200);
    QtPageWriter writer(pdf);
    writer.beginLandscapePage();
    writer.setFontSize(20);
    writer.tabTo(12); // Letter: Monday starts at column 12
    const double column = writer.position().x();
    writer.moveTo(QPointF(0, 0));
    writer.write(QStringLiteral(" 28"));
    const double dayNumber = writer.position().x();
    writer.moveTo(QPointF(0, 0));
    writer.setFontSize(7);
    writer.write(QStringLiteral("S  Rise: 12:00 AM  Set: 12:00 PM"));
    const double line = writer.position().x();
    // Neighbouring cells start their lines the same distance after their day numbers.
    EXPECT_LT(140 + line, column) << "line " << line << " twips, column " << column << " twips";
    EXPECT_GT(dayNumber, 0);
    EXPECT_EQ(writer.endDocument(), true);
}

TEST(QtPageWriter, TabColumnsAreMeasuredWithThePrintersFont) {
    QTemporaryDir dir;
    QPdfWriter pdf(dir.filePath(QStringLiteral("tabs.pdf")));
    pdf.setResolution(1200);
    QtPageWriter writer(pdf);
    writer.beginLandscapePage();
    writer.setFontSize(20);
    writer.tabTo(2);
    const double column20 = writer.position().x();
    writer.setFontSize(10);
    writer.tabTo(3);
    const double column10 = writer.position().x() / 2;
    EXPECT_GT(column20, 100) << "a 20-point column is several points wide";
    EXPECT_NEAR(column10 * 2, column20, column20 * 0.08) << "columns scale with the font size";
    EXPECT_EQ(writer.endDocument(), true);
}
