#pragma once

#include "platform_services.h"

#include <QPointer>

class QTextBrowser;
class QWidget;

/// The user manual in a window of its own: the contents page, or a numbered topic (10: the settings
/// panel). The window is created on first use and raised on every later one.
class HelpWindowService final : public HelpService {
public:
    explicit HelpWindowService(QWidget* owner = nullptr)
        : owner_(owner) {}
    ~HelpWindowService() override;
    HelpWindowService(const HelpWindowService&) = delete;
    HelpWindowService& operator=(const HelpWindowService&) = delete;

    void showContents() override;
    void showTopic(int topic) override;

    /// The page a topic number opens; the contents for a number without a page of its own.
    static QString pageOf(int topic);
    /// The window, once it has been opened.
    QWidget* window() const;

private:
    void open(const QString& page);

    QWidget* owner_ = nullptr;
    QPointer<QTextBrowser> browser_;
};
