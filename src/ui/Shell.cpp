#include "ui/Shell.h"

#include <QDesktopServices>
#include <QUrlQuery>

#include "engine/Publisher.h"

namespace {

std::function<void(const QUrl&)>& Opener() {
    static std::function<void(const QUrl&)> opener;
    return opener;
}

}  // namespace

void OpenWithShell(const QUrl& address) {
    if (Opener()) {
        Opener()(address);
    } else {
        QDesktopServices::openUrl(address);
    }
}

void SetShellOpener(std::function<void(const QUrl&)> opener) {
    Opener() = std::move(opener);
}

QUrl PublisherWebUrl() {
    return QUrl(QString::fromUtf8(publisher::kWebUrl));
}

QUrl PublisherMailUrl() {
    QUrl url;
    url.setScheme(QStringLiteral("mailto"));
    url.setPath(QString::fromUtf8(publisher::kEmailAddress));
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("subject"),
                       QString::fromUtf8(publisher::kMailSubjectWord) +
                           QString::fromUtf8(publisher::kProductVersion));
    url.setQuery(query);
    return url;
}
