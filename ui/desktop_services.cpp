#include "desktop_services.h"

#include <QDate>
#include <QMessageBox>
#include <QProcess>

MessageService::Answer DesktopMessageService::show(const QString& title, const QString& text, Icon icon,
                                                   Buttons buttons) {
    QMessageBox::Icon boxIcon = QMessageBox::Information;
    switch (icon) {
    case Icon::Information:
        boxIcon = QMessageBox::Information;
        break;
    case Icon::Exclamation:
        boxIcon = QMessageBox::Warning;
        break;
    case Icon::Critical:
        boxIcon = QMessageBox::Critical;
        break;
    case Icon::Question:
        boxIcon = QMessageBox::Question;
        break;
    }
    QMessageBox::StandardButtons standard = QMessageBox::Ok;
    if (buttons == Buttons::YesNo) {
        standard = QMessageBox::Yes | QMessageBox::No;
    } else if (buttons == Buttons::OkCancel) {
        standard = QMessageBox::Ok | QMessageBox::Cancel;
    } else if (buttons == Buttons::YesNoCancel) {
        standard = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    QMessageBox box(boxIcon, title, text, standard, parent_);
    switch (box.exec()) {
    case QMessageBox::Cancel:
        return Answer::Cancel;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Ok;
    }
}

bool DesktopProcessLauncher::startDetached(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}

QDate SystemClock::today() const {
    return QDate::currentDate();
}
