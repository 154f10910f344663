#include "html_manual_help_service.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

void HtmlManualHelpService::showContents() {
    open(QString());
}

void HtmlManualHelpService::showTopic(int topic) {
    open(QStringLiteral("topic%1").arg(topic));
}

void HtmlManualHelpService::open(const QString& fragment) {
    const QString title = QStringLiteral("Bitetray");
    if (!QFileInfo(manualPath_).isFile()) {
        messages_.show(title,
                       QStringLiteral("The Biteclock manual could not be found:\n%1")
                           .arg(QDir::toNativeSeparators(manualPath_)),
                       MessageService::Icon::Exclamation);
        return;
    }
    QUrl url = QUrl::fromLocalFile(manualPath_);
    if (!fragment.isEmpty()) {
        url.setFragment(fragment);
    }
    if (!QDesktopServices::openUrl(url)) {
        messages_.show(title,
                       QStringLiteral("The Biteclock manual could not be opened:\n%1")
                           .arg(QDir::toNativeSeparators(manualPath_)),
                       MessageService::Icon::Exclamation);
    }
}
