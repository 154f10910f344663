#include "tray_menu.h"

#include <QAction>

TrayMenu::TrayMenu(QWidget* parent)
    : QMenu(QStringLiteral("&Options"), parent) {
    showData_ = addAction(QStringLiteral("Show Data"));
    runBiteclock_ = addAction(QStringLiteral("Run Biteclock"));
    about_ = addAction(QStringLiteral("About Bitetray"));
    addSeparator();
    endIcons_ = addAction(QStringLiteral("End Icons"));
    prepare(false);
}

void TrayMenu::prepare(bool dataWindowShown) {
    showData_->setEnabled(!dataWindowShown);
    setDefaultAction(dataWindowShown ? runBiteclock_ : showData_);
}
