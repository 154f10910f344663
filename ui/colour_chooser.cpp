#include "colour_chooser.h"

#include <QColorDialog>

std::optional<QColor> QtColourChooser::choose(const QColor& initial, QWidget* parent) {
    const QColor chosen = QColorDialog::getColor(initial, parent, QObject::tr("Background Color"));
    if (!chosen.isValid()) {
        return std::nullopt;
    }
    return chosen;
}
