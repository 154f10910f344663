#include "tray_icon_manager.h"

QString trayTipText(const QString& tip) {
    QString text = tip;
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    if (nul >= 0) {
        text.truncate(nul);
    }
    text.truncate(kTrayTipLength);
    return text;
}

void TrayIconManager::setPictures(int moonPictureId, int fishPictureId) {
    moonPictureId_ = moonPictureId;
    fishPictureId_ = fishPictureId;
}

void TrayIconManager::ItemAdd(const QString& tip) {
    if (moonShown_) {
        backend_.setPicture(TrayIconKind::Moon, moonPictureId_);
        backend_.setTip(TrayIconKind::Moon, trayTipText(tip));
        return;
    }
    backend_.add(TrayIconKind::Moon, moonPictureId_, trayTipText(tip));
    moonShown_ = true;
}

void TrayIconManager::Itemaddfish(const QString& tip) {
    if (fishShown_) {
        backend_.setPicture(TrayIconKind::Fish, fishPictureId_);
        backend_.setTip(TrayIconKind::Fish, trayTipText(tip));
        return;
    }
    backend_.add(TrayIconKind::Fish, fishPictureId_, trayTipText(tip));
    fishShown_ = true;
}

void TrayIconManager::ItemModify(int pictureId) {
    moonPictureId_ = pictureId;
    if (moonShown_) {
        backend_.setPicture(TrayIconKind::Moon, pictureId);
    }
}

void TrayIconManager::ItemSetToolTipText(const QString& tip) {
    if (moonShown_) {
        backend_.setTip(TrayIconKind::Moon, trayTipText(tip));
    }
}

void TrayIconManager::ItemDelete() {
    if (!moonShown_) {
        return;
    }
    backend_.remove(TrayIconKind::Moon);
    moonShown_ = false;
}

void TrayIconManager::ItemDeletefish() {
    if (!fishShown_) {
        return;
    }
    backend_.remove(TrayIconKind::Fish);
    fishShown_ = false;
}
