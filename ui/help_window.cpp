#include "help_window.h"

#include <QFile>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QResizeEvent>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStyle>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// About 75 characters to a line reads best; the margin keeps the text off the window's edges.
constexpr int kLineCharacters = 75;
constexpr qreal kDocumentMarginPx = 18;
constexpr int kUrlRole = Qt::UserRole;

const QUrl kContentsPage(QStringLiteral("qrc:/help/index.html"));

/// The page browser of the help window. Its lines wrap at the narrower of the window and a readable
/// line width, so a wide window shows the text in a column rather than in lines across the screen.
class ManualBrowser final : public QTextBrowser {
public:
    explicit ManualBrowser(QWidget* parent)
        : QTextBrowser(parent) {
        setLineWrapMode(QTextEdit::FixedPixelWidth);
        document()->setDocumentMargin(kDocumentMarginPx);
    }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QTextBrowser::resizeEvent(event);
        const int readable = fontMetrics().averageCharWidth() * kLineCharacters + 2 * int(kDocumentMarginPx);
        const int width = std::max(1, std::min(readable, viewport()->width()));
        if (width != lineWrapColumnOrWidth()) {
            setLineWrapColumnOrWidth(width);
        }
    }
};

QString resourcePath(const QUrl& page) {
    return QLatin1Char(':') + page.path();
}

QUrl withAnchor(const QUrl& page, const QString& anchor) {
    QUrl url = page;
    url.setFragment(anchor);
    return url;
}

// The first anchor named in a block: a section heading carries the anchor of its section.
QString anchorOf(const QTextBlock& block) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QStringList names = it.fragment().charFormat().anchorNames();
        if (!names.isEmpty()) {
            return names.first();
        }
    }
    return {};
}

// A page's entry in the contents: its first-level heading, with an entry for each second-level
// heading that has an anchor to go to.
QTreeWidgetItem* contentsItem(const QUrl& page) {
    QFile file(resourcePath(page));
    if (!file.open(QIODevice::ReadOnly)) {
        return nullptr;
    }
    QTextDocument document;
    document.setHtml(QString::fromUtf8(file.readAll()));
    QTreeWidgetItem* pageItem = nullptr;
    QList<QTreeWidgetItem*> sections;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        const QString title = block.text().simplified();
        if (level == 1 && pageItem == nullptr) {
            pageItem = new QTreeWidgetItem(QStringList(title));
            pageItem->setData(0, kUrlRole, page);
        } else if (level == 2 && !anchorOf(block).isEmpty()) {
            auto* item = new QTreeWidgetItem(QStringList(title));
            item->setData(0, kUrlRole, withAnchor(page, anchorOf(block)));
            sections.append(item);
        }
    }
    if (pageItem == nullptr) {
        pageItem = new QTreeWidgetItem(QStringList(document.metaInformation(QTextDocument::DocumentTitle)));
        pageItem->setData(0, kUrlRole, page);
    }
    pageItem->addChildren(sections);
    return pageItem;
}

QToolButton* toolButton(const QString& text, QStyle::StandardPixmap icon, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setText(text);
    button->setIcon(parent->style()->standardIcon(icon));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    return button;
}

} // namespace

const QList<QUrl>& HelpWindow::pages() {
    static const QList<QUrl> list{
        kContentsPage,
        QUrl(QStringLiteral("qrc:/help/settings.html")),
        QUrl(QStringLiteral("qrc:/help/tray.html")),
    };
    return list;
}

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("Biteclock Help"));

    back_ = toolButton(tr("&Back"), QStyle::SP_ArrowBack, this);
    back_->setShortcut(QKeySequence::Back);
    back_->setToolTip(tr("Back to the page shown before (Alt+Left)"));
    forward_ = toolButton(tr("&Forward"), QStyle::SP_ArrowForward, this);
    forward_->setShortcut(QKeySequence::Forward);
    forward_->setToolTip(tr("Forward again (Alt+Right)"));
    home_ = toolButton(tr("&Home"), QStyle::SP_DirHomeIcon, this);
    home_->setToolTip(tr("The first page of the manual"));
    back_->setEnabled(false);
    forward_->setEnabled(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back_);
    buttons->addWidget(forward_);
    buttons->addWidget(home_);
    buttons->addStretch(1);

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    contents_ = new QTreeWidget(splitter);
    contents_->setObjectName(QStringLiteral("contents"));
    contents_->setAccessibleName(tr("Contents"));
    contents_->setHeaderHidden(true);
    contents_->setRootIsDecorated(true);
    browser_ = new ManualBrowser(splitter);
    browser_->setObjectName(QStringLiteral("page"));
    browser_->setAccessibleName(tr("Help page"));
    browser_->setOpenExternalLinks(true);
    splitter->addWidget(contents_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({230, 650});
    splitter->setChildrenCollapsible(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(buttons);
    layout->addWidget(splitter, 1);
    resize(900, 640);

    fillContents();

    connect(back_, &QToolButton::clicked, this, &HelpWindow::back);
    connect(forward_, &QToolButton::clicked, this, &HelpWindow::forward);
    connect(home_, &QToolButton::clicked, this, &HelpWindow::home);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::followSource);
    connect(contents_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { openItem(current); });
    connect(contents_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) { openItem(item); });
    connect(contents_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) { openItem(item); });
}

void HelpWindow::fillContents() {
    for (const QUrl& page : pages()) {
        if (QTreeWidgetItem* item = contentsItem(page)) {
            contents_->addTopLevelItem(item);
            item->setExpanded(true);
        }
    }
}

void HelpWindow::showPage(const QUrl& page) {
    if (!browser_->source().matches(page, QUrl::None)) {
        browser_->setSource(page);
    } else if (page.hasFragment()) {
        // Asked again for the section shown: back to its heading, without a new history step.
        browser_->scrollToAnchor(page.fragment());
    }
}

QUrl HelpWindow::source() const {
    return browser_->source();
}

void HelpWindow::back() {
    browser_->backward();
}

void HelpWindow::forward() {
    browser_->forward();
}

void HelpWindow::home() {
    showPage(kContentsPage);
}

void HelpWindow::openItem(QTreeWidgetItem* item) {
    if (item != nullptr) {
        showPage(item->data(0, kUrlRole).toUrl());
    }
}

void HelpWindow::followSource(const QUrl& source) {
    // The entry of the section shown, else the entry of its page; choosing it must not navigate.
    QTreeWidgetItem* match = nullptr;
    QUrl page = source;
    page.setFragment(QString());
    for (QTreeWidgetItemIterator it(contents_); *it != nullptr; ++it) {
        const QUrl url = (*it)->data(0, kUrlRole).toUrl();
        if (url.matches(source, QUrl::None)) {
            match = *it;
            break;
        }
        if (match == nullptr && url.matches(page, QUrl::None)) {
            match = *it;
        }
    }
    const QSignalBlocker blocker(contents_);
    contents_->setCurrentItem(match);
    if (match == nullptr) {
        contents_->clearSelection();
    }
}

HelpWindowService::~HelpWindowService() {
    delete window_.data();
}

QString HelpWindowService::pageOf(int topic) {
    switch (topic) {
    case help_topic::kSettings:
        return QStringLiteral("qrc:/help/settings.html");
    case help_topic::kTray:
        return QStringLiteral("qrc:/help/tray.html");
    default:
        return kContentsPage.toString();
    }
}

HelpWindow* HelpWindowService::window() const {
    return window_.data();
}

void HelpWindowService::showContents() {
    open(pageOf(help_topic::kContents));
}

void HelpWindowService::showTopic(int topic) {
    open(pageOf(topic));
}

void HelpWindowService::open(const QString& page) {
    if (window_.isNull()) {
        // A window of its own (no parent), so that it can stay open beside the almanac.
        window_ = new HelpWindow;
        window_->setAttribute(Qt::WA_DeleteOnClose, false);
        if (owner_ != nullptr) {
            window_->setWindowIcon(owner_->windowIcon());
        }
    }
    window_->showPage(QUrl(page));
    window_->show();
    window_->raise();
    window_->activateWindow();
}
