#include "resizer.h"

#include <QComboBox>
#include <QLayout>
#include <QWidget>
#include <cmath>
#include <limits>

namespace {

bool layoutHolds(const QLayout* layout, const QWidget* widget) {
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (item->widget() == widget) {
            return true;
        }
        if (const QLayout* inner = item->layout(); inner != nullptr && layoutHolds(inner, widget)) {
            return true;
        }
    }
    return false;
}

bool placedByLayout(const QWidget* widget) {
    const QWidget* parent = widget->parentWidget();
    return parent != nullptr && parent->layout() != nullptr && layoutHolds(parent->layout(), widget);
}

// A control inside a widget that a layout places moves with that widget, which does not scale with the
// window: scaling the control by the window's factors as well would push it out of its container.
bool followsALayout(const QWidget* widget, const QWidget* window) {
    for (const QWidget* w = widget; w != nullptr && w != window; w = w->parentWidget()) {
        if (placedByLayout(w)) {
            return true;
        }
    }
    return false;
}

bool isSingleLineTextBox(const QString& name) {
    return name.startsWith(QLatin1String("Tex")) && name != QLatin1String("Text200");
}

std::int32_t scaled(std::int32_t value, float factor) {
    const float result = std::round(static_cast<float>(value) * factor);
    if (!(result < static_cast<float>(std::numeric_limits<std::int32_t>::max()))) {
        return std::numeric_limits<std::int32_t>::max();
    }
    return static_cast<std::int32_t>(result);
}

} // namespace

rObject& rObjects::Add(std::int32_t oWidth, std::int32_t oHeight, std::int32_t oTop, std::int32_t oLeft,
                       const QString& sKey) {
    QString key = sKey;
    if (key.isEmpty()) {
        do {
            key = QStringLiteral("#%1").arg(++generated_);
        } while (records_.contains(key));
    }
    if (auto found = records_.find(key); found != records_.end()) {
        return found.value();
    }
    keys_.append(key);
    rObject& record = records_[key];
    record.oWidth = oWidth;
    record.oHeight = oHeight;
    record.oTop = oTop;
    record.oLeft = oLeft;
    return record;
}

const rObject* rObjects::Item(const QString& vntIndexKey) const {
    const auto found = records_.constFind(vntIndexKey);
    return found == records_.constEnd() ? nullptr : &found.value();
}

rObject* rObjects::Item(const QString& vntIndexKey) {
    const auto found = records_.find(vntIndexKey);
    return found == records_.end() ? nullptr : &found.value();
}

void rObjects::Remove(const QString& vntIndexKey) {
    if (records_.remove(vntIndexKey)) {
        keys_.removeOne(vntIndexKey);
    }
}

Resizer::Resizer(QObject* parent)
    : QObject(parent) {}

QList<QWidget*> Resizer::controlsOf(QWidget* window) {
    QList<QWidget*> controls;
    if (window == nullptr) {
        return controls;
    }
    const QList<QWidget*> all = window->findChildren<QWidget*>();
    for (QWidget* widget : all) {
        const QString name = widget->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")) || widget->isWindow() ||
            followsALayout(widget, window)) {
            continue;
        }
        controls.append(widget);
    }
    return controls;
}

bool Resizer::Attach(QWidget* window) {
    if (window == nullptr) {
        return false;
    }
    objects_ = rObjects();
    keys_.clear();
    recorded_.clear();
    height_ = window->height();
    width_ = window->width();

    QWidget* reference = reference_;
    if (reference == nullptr) {
        reference = window->findChild<QWidget*>(QStringLiteral("Text1"));
    }
    for (QWidget* control : controlsOf(window)) {
        const QRect place = control->geometry();
        const QString name = control->objectName();
        int height = place.height();
        if (reference != nullptr && isSingleLineTextBox(name)) {
            height = reference->height();
        }
        // Two controls of one name (a control array) get the element number after the name.
        QString key = name;
        for (int element = 1; objects_.Exists(key); ++element) {
            key = QStringLiteral("%1(%2)").arg(name).arg(element);
        }
        objects_.Add(place.width(), height, place.y(), place.x(), key);
        keys_.insert(control, key);
        recorded_.append(control);
    }
    initialised_ = true;
    return true;
}

void Resizer::Resize(QWidget* window) {
    if (!initialised_ && !Attach(window)) {
        emit ResizeError(kObjectErrorBase + kNoWindowError,
                         QStringLiteral("RError: ") + tr("No window to resize."));
        return;
    }
    if (window == nullptr) {
        emit ResizeError(kObjectErrorBase + kNoWindowError,
                         QStringLiteral("RError: ") + tr("No window to resize."));
        return;
    }
    // A minimised or not yet laid out window has no size to scale to (and an empty attach size would
    // divide by zero): the controls stay where they are until the window has a size again.
    if (height_ <= 0 || width_ <= 0 || window->height() <= 0 || window->width() <= 0) {
        return;
    }
    verticalFactor_ = static_cast<float>(window->height()) / static_cast<float>(height_);
    horizontalFactor_ = static_cast<float>(window->width()) / static_cast<float>(width_);

    for (const QPointer<QWidget>& control : std::as_const(recorded_)) {
        if (control.isNull() || !window->isAncestorOf(control)) {
            continue;
        }
        const rObject* record = objects_.Item(keys_.value(control.data()));
        if (record == nullptr) {
            continue;
        }
        int height = scaled(record->oHeight, verticalFactor_);
        if (qobject_cast<QComboBox*>(control.data()) != nullptr) {
            height = control->height();
        }
        control->setGeometry(scaled(record->oLeft, horizontalFactor_), scaled(record->oTop, verticalFactor_),
                             scaled(record->oWidth, horizontalFactor_), height);
    }
}
