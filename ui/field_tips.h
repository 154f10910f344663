#pragma once

#include <QHash>
#include <QString>
#include <span>

class QWidget;

/// One field's tip: the control's name and the text shown when the pointer rests on it.
struct FieldTip {
    const char* control;
    const char* text;
};

/// The field names of a window, mapped to its widgets.
using FieldMap = QHash<QString, QWidget*>;

/// The tips of the main window's own fields.
std::span<const FieldTip> mainWindowTips();
/// The tips of the settings panel inside the main window.
std::span<const FieldTip> settingsPanelTips();
/// The tips of the journal window.
std::span<const FieldTip> journalTips();

/// The fields of `window` (its children at any depth) named in `tips`.
FieldMap fieldsOf(const QWidget& window, std::span<const FieldTip> tips);

/// Sets every tip of `tips` on the field of that name in `fields`; names without a field are skipped.
void tooltipsshow(std::span<const FieldTip> tips, const FieldMap& fields);
/// Sets the tip of every field named in `tips` to the empty text (no tip).
void tooltipss(std::span<const FieldTip> tips, const FieldMap& fields);

/// The prediction picture's tip for the displayed date: "Displayed date fishing prediction : " and the
/// rating text.
QString predictionTip(const QString& ratingText);
