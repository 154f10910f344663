#include "help_window.h"

#include <QTextBrowser>
#include <QUrl>

HelpWindowService::~HelpWindowService() {
    delete browser_.data();
}

QString HelpWindowService::pageOf(int topic) {
    if (topic == 10) {
        return QStringLiteral("qrc:/help/settings.html");
    }
    return QStringLiteral("qrc:/help/index.html");
}

QWidget* HelpWindowService::window() const {
    return browser_.data();
}

void HelpWindowService::showContents() {
    open(pageOf(0));
}

void HelpWindowService::showTopic(int topic) {
    open(pageOf(topic));
}

void HelpWindowService::open(const QString& page) {
    if (browser_.isNull()) {
        // A window of its own (no parent), so that it can stay open beside the almanac.
        browser_ = new QTextBrowser;
        browser_->setAttribute(Qt::WA_DeleteOnClose, false);
        browser_->setOpenExternalLinks(true);
        browser_->setWindowTitle(QObject::tr("Biteclock Help"));
        browser_->resize(560, 620);
        if (owner_ != nullptr) {
            browser_->setWindowIcon(owner_->windowIcon());
        }
    }
    browser_->setSource(QUrl(page));
    browser_->show();
    browser_->raise();
    browser_->activateWindow();
}
