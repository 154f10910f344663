#pragma once

#include "cursor_page_writer.h"

#include <QList>
#include <QStringList>

/// Test double of the printer: it remembers every text and circle with the print position and
/// font size in effect. Its font is fixed-width with round numbers: a character is 10 twips per
/// point wide (a 20-point character is 200 twips) and a line 23 twips per point high.
class RecordingPageWriter final : public CursorPageWriter {
public:
    static constexpr double kCharTwipsPerPoint = 10;
    static constexpr double kLineTwipsPerPoint = 23;

    struct Item {
        enum class Kind { Text, Circle };
        Kind kind = Kind::Text;
        QPointF at;     ///< text: top left of its line box; circle: centre (twips)
        QString text;   ///< the text written
        int points = 0; ///< font size in effect
        double radius = 0;
        QColor fill;
    };

    void beginLandscapePage() override {
        ++landscapePages;
        startedAfterDrawing = startedAfterDrawing || !items.isEmpty();
    }
    void circle(QPointF centre, double radiusTwips, const QColor& fill) override {
        Item item;
        item.kind = Item::Kind::Circle;
        item.at = centre;
        item.points = fontSize();
        item.radius = radiusTwips;
        item.fill = fill;
        items.append(item);
    }
    bool endDocument() override {
        ++endedDocuments;
        return endSucceeds;
    }
    QString errorString() const override { return endSucceeds ? QString() : QStringLiteral("disk full"); }

    /// The texts alone, in order.
    QStringList texts() const {
        QStringList all;
        for (const Item& item : items) {
            if (item.kind == Item::Kind::Text) {
                all.append(item.text);
            }
        }
        return all;
    }

    QList<Item> items;
    int landscapePages = 0;
    bool startedAfterDrawing = false;
    int endedDocuments = 0;
    bool endSucceeds = true;

protected:
    double textWidthTwips(const QString& text) const override {
        return static_cast<double>(text.size()) * averageCharWidthTwips();
    }
    double averageCharWidthTwips() const override { return fontSize() * kCharTwipsPerPoint; }
    double lineHeightTwips() const override { return fontSize() * kLineTwipsPerPoint; }
    void drawText(QPointF topLeft, const QString& text) override {
        Item item;
        item.at = topLeft;
        item.text = text;
        item.points = fontSize();
        items.append(item);
    }
    void applyFontSize(int) override {}
};
