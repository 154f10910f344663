#include "qt_page_writer.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPen>

namespace {

// The outline of a circle: about a hundredth of an inch.
constexpr double kOutlineTwips = 14;

// Small print is set narrower than the rest: a calendar cell's 7-point lines then end before the
// next column's begin, even in the Letter layout's narrower columns. The point size is unchanged.
constexpr int kNarrowUpToPoints = 7;
constexpr int kNarrowStretch = 75;

} // namespace

QStringList QtPageWriter::defaultTypefaces() {
    // A condensed face keeps the widest columns of the page inside a landscape sheet.
    return {QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans")};
}

QtPageWriter::QtPageWriter(QPagedPaintDevice& device, const QStringList& typefaces)
    : device_(device) {
    font_.setFamilies(typefaces);
    font_.setStyleHint(QFont::SansSerif);
    // Metrics must not be rounded to whole device pixels: tab columns are multiples of them.
    font_.setHintingPreference(QFont::PreferNoHinting);
    font_.setKerning(false);
    // No ligatures: the PDF's text must read back (and search) as it was written.
    font_.setStyleStrategy(QFont::PreferNoShaping);
    font_.setPointSize(kDefaultFontPoints);
    const int dpi = device_.logicalDpiX();
    if (dpi > 0) {
        resolution_ = dpi;
    }
}

QtPageWriter::~QtPageWriter() {
    if (painter_.isActive()) {
        painter_.end();
    }
}

void QtPageWriter::beginLandscapePage() {
    if (!started_) {
        device_.setPageOrientation(QPageLayout::Landscape);
    }
    ensureStarted();
}

bool QtPageWriter::ensureStarted() {
    if (started_) {
        return !failed_;
    }
    started_ = true;
    if (!painter_.begin(&device_)) {
        failed_ = true;
        error_ = QStringLiteral("The page could not be started on the printer or file.");
        return false;
    }
    const int dpi = device_.logicalDpiX();
    if (dpi > 0) {
        resolution_ = dpi;
    }
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setRenderHint(QPainter::TextAntialiasing);
    painter_.setFont(font_);
    return true;
}

void QtPageWriter::applyFontSize(int points) {
    font_.setPointSize(points);
    font_.setStretch(points <= kNarrowUpToPoints ? kNarrowStretch : QFont::AnyStretch);
    if (painter_.isActive()) {
        painter_.setFont(font_);
    }
}

double QtPageWriter::textWidthTwips(const QString& text) const {
    return toTwips(QFontMetricsF(font_, &device_).horizontalAdvance(text));
}

double QtPageWriter::averageCharWidthTwips() const {
    return toTwips(QFontMetricsF(font_, &device_).averageCharWidth());
}

double QtPageWriter::lineHeightTwips() const {
    return toTwips(QFontMetricsF(font_, &device_).lineSpacing());
}

void QtPageWriter::drawText(QPointF topLeft, const QString& text) {
    if (!ensureStarted()) {
        return;
    }
    const QFontMetricsF metrics(font_, &device_);
    const QPointF at = toDevice(topLeft);
    painter_.drawText(QPointF(at.x(), at.y() + metrics.ascent()), text);
}

void QtPageWriter::circle(QPointF centre, double radiusTwips, const QColor& fill) {
    if (!ensureStarted()) {
        return;
    }
    painter_.save();
    painter_.setPen(QPen(Qt::black, toDevice(kOutlineTwips)));
    painter_.setBrush(fill);
    const double r = toDevice(radiusTwips);
    painter_.drawEllipse(toDevice(centre), r, r);
    painter_.restore();
}

bool QtPageWriter::endDocument() {
    if (!ensureStarted()) {
        return false;
    }
    if (!painter_.end()) {
        failed_ = true;
        error_ = QStringLiteral("The page could not be finished on the printer or file.");
        return false;
    }
    return true;
}
