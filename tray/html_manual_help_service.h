#pragma once

#include "platform_services.h"

#include <QString>
#include <utility>

/// The manual as an HTML file opened in the desktop's browser; a topic is an anchor "topic<n>" in
/// it. A missing file or a desktop that cannot open it is reported in a message box.
class HtmlManualHelpService final : public HelpService {
public:
    HtmlManualHelpService(QString manualPath, MessageService& messages)
        : manualPath_(std::move(manualPath))
        , messages_(messages) {}

    void showContents() override;
    void showTopic(int topic) override;

    const QString& manualPath() const { return manualPath_; }

private:
    void open(const QString& fragment);

    QString manualPath_;
    MessageService& messages_;
};
