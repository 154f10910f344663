#pragma once

#include <QList>
#include <QPair>
#include <QString>

class QLabel;
class QWidget;

/// What the companion's data window and alarm window build alike.
namespace tray_window {

/// The Moon and prediction pictures are drawn at 32 x 32 pixels.
inline constexpr int kPictureSize = 32;

/// What a screen reader calls the prediction's grade word.
inline const QString kGradeName = QStringLiteral("Fishing prediction");

/// A label's accessible name is all a screen reader says of it: what it is, then what it shows
/// ("Fishing prediction: Good"); only what it is while it shows nothing.
QString valueName(const QString& what, const QString& value);

/// A box of fixed size for one picture, centred.
QLabel* pictureBox(QWidget* parent);
/// The prediction picture ("fishPicture").
QLabel* fishPictureBox(QWidget* parent);
/// The prediction's grade word on its colour ("grade"), framed.
QLabel* gradeLabel(QWidget* parent);

/// The field tips of one window, switched on and off together.
class Tips {
public:
    void add(QWidget* widget, const QString& tip) { tips_.append({widget, tip}); }
    void setShown(bool shown) const;

private:
    QList<QPair<QWidget*, QString>> tips_;
};

} // namespace tray_window
