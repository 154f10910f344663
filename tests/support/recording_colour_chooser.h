#pragma once

#include "colour_chooser.h"

#include <QList>
#include <optional>

/// Answers the colour choice from a script and remembers the colour each request started from.
class RecordingColourChooser final : public ColourChooser {
public:
    std::optional<QColor> choose(const QColor& initial, QWidget*) override {
        requests.append(initial);
        return answers.isEmpty() ? std::nullopt : answers.takeFirst();
    }

    QList<QColor> requests;
    QList<std::optional<QColor>> answers; ///< given in order; a cancel once they run out
};
