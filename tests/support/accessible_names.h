#pragma once

// The accessible names of a window's controls, as assistive technology reads them, for the tests of
// each window: every field, list, button and value label must say what it is, and no two alike.

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QPlainTextEdit>
#include <QString>
#include <QStringList>
#include <QTextEdit>
#include <QWidget>

struct AccessibleControl {
    QWidget* widget = nullptr;
    QString name;
};

/// A control as a failure message names it.
inline QString describeControl(const QWidget* widget) {
    QString text = QString::fromLatin1(widget->metaObject()->className());
    if (!widget->objectName().isEmpty()) {
        text += QLatin1Char(' ') + widget->objectName();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        text += QStringLiteral(" \"") + button->text() + QLatin1Char('"');
    }
    return text;
}

/// The name a screen reader is given for a control. Qt on Linux gives a list box's current value as
/// its name and its caption as a "labelled by" relation, so for lists the accessible name set on
/// them, else the caption of that relation, is what says what they are.
inline QString accessibleNameOf(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    if (face == nullptr) {
        return {};
    }
    if (qobject_cast<QComboBox*>(widget) == nullptr) {
        return face->text(QAccessible::Name);
    }
    if (!widget->accessibleName().isEmpty()) {
        return widget->accessibleName();
    }
    for (const auto& [label, relation] : face->relations(QAccessible::Label)) {
        if (label != nullptr && !label->text(QAccessible::Name).isEmpty()) {
            return label->text(QAccessible::Name);
        }
    }
    return {};
}

/// What a user works with or reads in a window: buttons (check boxes and spinner arrows included),
/// text fields, lists, spin boxes and the labels that show values (those given an object name; the
/// window's captions have none). Not the captions that name a buddy field, nor the edit line inside a
/// list, nor Qt's own inner widgets ("qt_..." names).
inline QList<AccessibleControl> accessibleControls(QWidget* window) {
    QList<AccessibleControl> controls;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->objectName().startsWith(QStringLiteral("qt_"))) {
            continue;
        }
        QWidget* parent = widget->parentWidget();
        const bool innerLine = qobject_cast<QLineEdit*>(widget) != nullptr &&
                               (qobject_cast<QComboBox*>(parent) != nullptr ||
                                qobject_cast<QAbstractSpinBox*>(parent) != nullptr);
        const bool input = qobject_cast<QAbstractButton*>(widget) != nullptr ||
                           qobject_cast<QComboBox*>(widget) != nullptr ||
                           qobject_cast<QAbstractSpinBox*>(widget) != nullptr ||
                           qobject_cast<QPlainTextEdit*>(widget) != nullptr ||
                           qobject_cast<QTextEdit*>(widget) != nullptr ||
                           (qobject_cast<QLineEdit*>(widget) != nullptr && !innerLine);
        const auto* label = qobject_cast<QLabel*>(widget);
        const bool valueLabel =
            label != nullptr && label->buddy() == nullptr && !label->objectName().isEmpty();
        if (input || valueLabel) {
            controls.append({widget, accessibleNameOf(widget)});
        }
    }
    return controls;
}

/// The controls without a name, and the names that more than one control has; both empty when the
/// window is well named.
struct NamingFaults {
    QStringList unnamed;
    QStringList repeated;
};

inline NamingFaults namingFaults(const QList<AccessibleControl>& controls) {
    NamingFaults faults;
    QStringList seen;
    for (const AccessibleControl& control : controls) {
        if (control.name.trimmed().isEmpty()) {
            faults.unnamed.append(describeControl(control.widget));
        } else if (seen.contains(control.name)) {
            faults.repeated.append(control.name + QStringLiteral(" (") + describeControl(control.widget) +
                                   QLatin1Char(')'));
        }
        seen.append(control.name);
    }
    return faults;
}
