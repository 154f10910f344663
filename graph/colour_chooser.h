#pragma once

#include <QColor>
#include <QList>
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

/// Test double: answers from a script and remembers the colour each request started from.
class RecordingColourChooser final : public ColourChooser {
public:
    std::optional<QColor> choose(const QColor& initial, QWidget*) override {
        requests.append(initial);
        return answers.isEmpty() ? std::nullopt : answers.takeFirst();
    }

    QList<QColor> requests;
    QList<std::optional<QColor>> answers; ///< given in order; a cancel once they run out
};
