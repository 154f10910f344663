#pragma once

#include <QColor>
#include <QPointF>
#include <QString>

/// A printed page built the way a line printer is driven: a print position that moves as text is
/// written, font sizes in points, and positions in twips (1/1440 inch) from the top left of the
/// printable area. Implementations send the page to a printer or a PDF file, or record it for tests.
class PageWriter {
public:
    static constexpr double kTwipsPerInch = 1440;

    virtual ~PageWriter() = default;

    /// Starts the page in landscape orientation. Call before anything is written.
    virtual void beginLandscapePage() = 0;

    /// The font size in points for what follows (the typeface stays the writer's own).
    virtual void setFontSize(int points) = 0;
    virtual int fontSize() const = 0;

    /// Writes text at the print position and leaves the position just after it.
    virtual void write(const QString& text) = 0;
    /// Ends the line: back to the left margin, one line height of the current font lower.
    virtual void endLine() = 0;
    /// Writes text and ends the line.
    void writeLine(const QString& text) {
        write(text);
        endLine();
    }
    /// Moves to character column `column` (1 is the left margin) of the line, a column being the
    /// average character width of the current font; a column left of the position is taken on the
    /// next line.
    virtual void tabTo(int column) = 0;

    /// The print position in twips.
    virtual QPointF position() const = 0;
    virtual void moveTo(QPointF twips) = 0;

    /// A circle around `centre` with a black outline and a solid fill; lengths in twips. The print
    /// position does not move.
    virtual void circle(QPointF centre, double radiusTwips, const QColor& fill) = 0;

    /// Finishes the document and sends it on. False when it could not be written; errorString()
    /// then says why.
    virtual bool endDocument() = 0;
    virtual QString errorString() const { return {}; }
};
