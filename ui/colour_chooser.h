#pragma once

#include <QColor>
#include <optional>

class QWidget;

/// The desktop's colour choice, behind an interface so that tests never open a modal dialog.
class ColourChooser {
public:
    virtual ~ColourChooser() = default;
    /// The colour the user chose, starting from `initial`; nothing when the choice was cancelled.
    virtual std::optional<QColor> choose(const QColor& initial, QWidget* parent) = 0;
};

/// Qt's colour dialog, with its custom colours.
class QtColourChooser final : public ColourChooser {
public:
    std::optional<QColor> choose(const QColor& initial, QWidget* parent) override;
};
