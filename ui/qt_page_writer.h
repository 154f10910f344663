#pragma once

#include "cursor_page_writer.h"

#include <QFont>
#include <QPainter>
#include <QStringList>

class QPagedPaintDevice;

/// Draws the page on a printer or a PDF writer. Twips are turned into the device's own units here
/// (twips x resolution / 1440) rather than through a painter window, which would shrink fonts
/// given in points. The device is not owned; the page starts on beginLandscapePage() or on the
/// first drawing.
class QtPageWriter final : public CursorPageWriter {
public:
    /// The typefaces tried in turn; the first one installed is used.
    static QStringList defaultTypefaces();

    explicit QtPageWriter(QPagedPaintDevice& device, const QStringList& typefaces = defaultTypefaces());
    ~QtPageWriter() override;

    QtPageWriter(const QtPageWriter&) = delete;
    QtPageWriter& operator=(const QtPageWriter&) = delete;

    void beginLandscapePage() override;
    void circle(QPointF centre, double radiusTwips, const QColor& fill) override;
    bool endDocument() override;
    QString errorString() const override { return error_; }

    const QFont& font() const { return font_; }

protected:
    double textWidthTwips(const QString& text) const override;
    double averageCharWidthTwips() const override;
    double lineHeightTwips() const override;
    void drawText(QPointF topLeft, const QString& text) override;
    void applyFontSize(int points) override;

private:
    bool ensureStarted();
    double toDevice(double twips) const { return twips * resolution_ / kTwipsPerInch; }
    double toTwips(double deviceUnits) const { return deviceUnits * kTwipsPerInch / resolution_; }
    QPointF toDevice(QPointF twips) const { return {toDevice(twips.x()), toDevice(twips.y())}; }

    QPagedPaintDevice& device_;
    QPainter painter_;
    QFont font_;
    double resolution_ = 1200;
    bool started_ = false;
    bool failed_ = false;
    QString error_;
};
