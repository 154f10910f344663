#pragma once

#include "platform_services.h"

class QWidget;

/// QMessageBox with the title, text and icon given, parented to a window.
class DesktopMessageService final : public MessageService {
public:
    explicit DesktopMessageService(QWidget* parent = nullptr)
        : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    Answer show(const QString& title, const QString& text, Icon icon, Buttons buttons = Buttons::Ok) override;

private:
    QWidget* parent_ = nullptr;
};

/// QProcess::startDetached.
class DesktopProcessLauncher final : public ProcessLauncher {
public:
    bool startDetached(const QString& program, const QStringList& arguments = {}) override;
};

/// The system clock.
class SystemClock final : public Clock {
public:
    QDate today() const override;
};
