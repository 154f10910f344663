#pragma once

#include "platform_services.h"

#include <QPointer>
#include <QUrl>
#include <QWidget>

class QTextBrowser;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

/// The manual's numbered topics, as the windows ask for them.
namespace help_topic {
inline constexpr int kContents = 0;
inline constexpr int kSettings = 10; ///< the settings panel of the main window
inline constexpr int kTray = 20;     ///< the tray companion, its data window and its alarm
} // namespace help_topic

/// "Biteclock Help": the manual's contents on the left (one entry per page, its sections below it),
/// the page on the right, and Back, Forward and Contents above them. The text keeps a margin and
/// never runs wider than a comfortable line, however wide the window.
class HelpWindow final : public QWidget {
    Q_OBJECT

public:
    /// The manual's pages in the order of the contents.
    static const QList<QUrl>& pages();

    explicit HelpWindow(QWidget* parent = nullptr);

    /// Shows a page, or a section of it when the address has an anchor ("#name").
    void showPage(const QUrl& page);
    /// The page (and section) shown.
    QUrl source() const;

    void back();
    void forward();
    void home();

    QTreeWidget* contents() const { return contents_; }
    QTextBrowser* browser() const { return browser_; }
    QToolButton* backButton() const { return back_; }
    QToolButton* forwardButton() const { return forward_; }
    QToolButton* homeButton() const { return home_; }

private:
    void fillContents();
    void openItem(QTreeWidgetItem* item);
    void followSource(const QUrl& source);

    QTreeWidget* contents_ = nullptr;
    QTextBrowser* browser_ = nullptr;
    QToolButton* back_ = nullptr;
    QToolButton* forward_ = nullptr;
    QToolButton* home_ = nullptr;
};

/// The user manual in a window of its own: the contents page, or a numbered topic (help_topic). The
/// window is created on first use and raised on every later one.
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
    HelpWindow* window() const;

private:
    void open(const QString& page);

    QWidget* owner_ = nullptr;
    QPointer<HelpWindow> window_;
};
