#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <cstdint>

/// Where one control stood when its window was attached, in the window's units (pixels).
class rObject {
public:
    std::int32_t oHeight = 0;
    std::int32_t oWidth = 0;
    std::int32_t oTop = 0;
    std::int32_t oLeft = 0;
};

/// The recorded controls of one window, keyed by control name, in the order they were added.
class rObjects {
public:
    /// Adds a record under `sKey` (or under a generated key when `sKey` is empty) and returns it. A
    /// key already in use is refused: the existing record is returned unchanged.
    rObject& Add(std::int32_t oWidth, std::int32_t oHeight, std::int32_t oTop, std::int32_t oLeft,
                 const QString& sKey = QString());
    bool Exists(const QString& vntIndexKey) const { return records_.contains(vntIndexKey); }
    /// The record under a key; nullptr when there is none.
    const rObject* Item(const QString& vntIndexKey) const;
    rObject* Item(const QString& vntIndexKey);
    int Count() const { return static_cast<int>(keys_.size()); }
    void Remove(const QString& vntIndexKey);
    /// The keys in the order of adding (the enumeration of the collection).
    const QStringList& NewEnum() const { return keys_; }

private:
    QHash<QString, rObject> records_;
    QStringList keys_;
    int generated_ = 0;
};

/// Keeps every control of a window in its place and size relative to the window: tops and heights
/// scale with the window's height, lefts and widths with its width. The window holds it as `CResize`
/// and calls `Resize` from its resize event; the first call attaches it.
///
/// The controls are the window's named descendants (a control's name is its object name; names
/// starting with "qt_" belong to Qt's own inner widgets). Widgets placed by a layout, and everything
/// inside them, are left to their layout. Single-line text boxes (names starting "Tex", except the journal's
/// notes box "Text200") all keep the height of the reference text box; drop-down lists keep their own height.
class Resizer : public QObject {
    Q_OBJECT
public:
    /// The base added to the number of an error the resizer reports.
    static constexpr int kObjectErrorBase = -2147221504;
    /// "Object variable not set": Resize was asked for no window.
    static constexpr int kNoWindowError = 91;

    explicit Resizer(QObject* parent = nullptr);

    /// The text box whose height every single-line text box keeps (the main window's day field).
    /// Without one, the attached window's own "Text1" is used, and failing that each box keeps its own.
    void setReferenceTextBox(QWidget* box) { reference_ = box; }

    /// Records the window's size and every control's place. False, with nothing recorded, for no window.
    bool Attach(QWidget* window);
    /// Scales the recorded controls to the window's current size, attaching first if needed.
    void Resize(QWidget* window);

    bool initialised() const { return initialised_; }
    const rObjects& records() const { return objects_; }
    std::int32_t attachHeight() const { return height_; }
    std::int32_t attachWidth() const { return width_; }
    float verticalFactor() const { return verticalFactor_; }
    float horizontalFactor() const { return horizontalFactor_; }

    /// The controls the resizer looks after in `window`.
    static QList<QWidget*> controlsOf(QWidget* window);

signals:
    void ResizeError(int ErrCode, const QString& ErrDesc);

private:
    std::int32_t height_ = 0;
    std::int32_t width_ = 0;
    rObjects objects_;
    QHash<QWidget*, QString> keys_; ///< each recorded control's key
    QList<QPointer<QWidget>> recorded_;
    QPointer<QWidget> reference_;
    float verticalFactor_ = 1.0f;
    float horizontalFactor_ = 1.0f;
    bool initialised_ = false;
};
