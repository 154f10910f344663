#include "cursor_page_writer.h"

void CursorPageWriter::setFontSize(int points) {
    fontPoints_ = points;
    applyFontSize(points);
}

void CursorPageWriter::write(const QString& text) {
    if (text.isEmpty()) {
        return;
    }
    drawText(position_, text);
    position_.rx() += textWidthTwips(text);
}

void CursorPageWriter::endLine() {
    position_ = QPointF(0, position_.y() + lineHeightTwips());
}

void CursorPageWriter::tabTo(int column) {
    const double x = (column - 1) * averageCharWidthTwips();
    if (x < position_.x()) {
        endLine();
    }
    position_.setX(x);
}
