#pragma once

#include "tray_icon_backend.h"

#include <QString>
#include <QStringList>

/// A notification area that remembers every request, one line each: "add Moon 104 Moon Age: 5 Days",
/// "picture Moon 105", "tip Fish Fishing Prediction: Good", "remove Moon".
class RecordingTrayBackend final : public TrayIconBackend {
public:
    bool isAvailable() const override { return available; }
    void setContextMenu(QMenu* m) override { menu = m; }
    void add(TrayIconKind kind, int pictureId, const QString& tip) override {
        calls.append(QStringLiteral("add %1 %2 %3").arg(name(kind)).arg(pictureId).arg(tip));
    }
    void setPicture(TrayIconKind kind, int pictureId) override {
        calls.append(QStringLiteral("picture %1 %2").arg(name(kind)).arg(pictureId));
    }
    void setTip(TrayIconKind kind, const QString& tip) override {
        calls.append(QStringLiteral("tip %1 %2").arg(name(kind), tip));
    }
    void remove(TrayIconKind kind) override { calls.append(QStringLiteral("remove %1").arg(name(kind))); }

    static QString name(TrayIconKind kind) {
        return kind == TrayIconKind::Moon ? QStringLiteral("Moon") : QStringLiteral("Fish");
    }

    bool available = true;
    QMenu* menu = nullptr;
    QStringList calls;
};
