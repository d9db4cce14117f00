#include "ui/Shell.h"
#include "measure/Language.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QUrlQuery>

#include "engine/Publisher.h"
#include "ui/Messages.h"

namespace {

std::function<bool(const QUrl&)>& Opener() {
    static std::function<bool(const QUrl&)> opener;
    return opener;
}

}  // namespace

QString ReadableAddress(const QUrl& address) {
    if (address.scheme() == QStringLiteral("mailto")) return address.path();
    return address.toString();
}

void OpenWithShell(const QUrl& address, QWidget* parent) {
    const bool opened = Opener() ? Opener()(address) : QDesktopServices::openUrl(address);
    if (opened) return;
    const QString readable = ReadableAddress(address);
    if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setText(readable);
    ShowInformation(parent, QStringLiteral("Adres"),
                    Tr(QT_TRANSLATE_NOOP("kinetra",
                                         "Nie udało się otworzyć adresu:\n\n%1\n\n"
                                         "Adres skopiowano do schowka; można go wkleić do "
                                         "przeglądarki lub programu pocztowego."))
                        .arg(readable));
}

void SetShellOpener(std::function<bool(const QUrl&)> opener) {
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
