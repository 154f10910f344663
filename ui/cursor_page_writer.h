#pragma once

#include "page_writer.h"

/// The print-position bookkeeping every page writer shares: where text goes, how far it moves the
/// position, line ends and tab columns. Subclasses measure and draw in twips.
class CursorPageWriter : public PageWriter {
public:
    void setFontSize(int points) override;
    int fontSize() const override { return fontPoints_; }
    void write(const QString& text) override;
    void endLine() override;
    void tabTo(int column) override;
    QPointF position() const override { return position_; }
    void moveTo(QPointF twips) override { position_ = twips; }

protected:
    static constexpr int kDefaultFontPoints = 10;

    /// The advance of a text in the current font.
    virtual double textWidthTwips(const QString& text) const = 0;
    /// The average character width of the current font: one tab column.
    virtual double averageCharWidthTwips() const = 0;
    /// The distance from one line to the next in the current font.
    virtual double lineHeightTwips() const = 0;
    /// Draws a text whose line box has its top left at `topLeft`.
    virtual void drawText(QPointF topLeft, const QString& text) = 0;
    /// Called when the font size changes.
    virtual void applyFontSize(int points) = 0;

private:
    int fontPoints_ = kDefaultFontPoints;
    QPointF position_;
};
