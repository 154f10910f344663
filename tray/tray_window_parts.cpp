#include "tray_window_parts.h"

#include <QLabel>

namespace tray_window {

QString valueName(const QString& what, const QString& value) {
    return value.isEmpty() ? what : what + QStringLiteral(": ") + value;
}

QLabel* pictureBox(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setFixedSize(kPictureSize + 4, kPictureSize + 4);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QLabel* fishPictureBox(QWidget* parent) {
    QLabel* picture = pictureBox(parent);
    picture->setObjectName(QStringLiteral("fishPicture"));
    picture->setAccessibleName(QStringLiteral("Fishing prediction picture"));
    return picture;
}

QLabel* gradeLabel(QWidget* parent) {
    auto* grade = new QLabel(parent);
    grade->setObjectName(QStringLiteral("grade"));
    grade->setAccessibleName(kGradeName);
    grade->setAlignment(Qt::AlignCenter);
    grade->setAutoFillBackground(true);
    grade->setFrameShape(QFrame::StyledPanel);
    return grade;
}

void Tips::setShown(bool shown) const {
    for (const auto& [widget, tip] : tips_) {
        widget->setToolTip(shown ? tip : QString());
    }
}

} // namespace tray_window
