#include "ui/shell/openURL.h"

#include "shell/AppVersion.h"
#include "shell/LinkOpener.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QPointer>
#include <QUrl>

namespace {

// Through the desktop's opener when it is installed, so that a failure is known; else through
// Qt, which only knows whether it could start something.
bool startOpening(const QUrl &address, const std::function<void()> &onFailure)
{
    auto *opener = new LinkOpener(qApp);
    QObject::connect(opener, &LinkOpener::finished, opener, &QObject::deleteLater);
    if (onFailure)
        QObject::connect(opener, &LinkOpener::failed, opener, [onFailure] { onFailure(); });
    if (opener->open(address.toString(QUrl::FullyEncoded)))
        return true;
    delete opener;
    return QDesktopServices::openUrl(address);
}

} // namespace

bool openURL(const QString &url, const std::function<void()> &onFailure)
{
    const QUrl address(url, QUrl::StrictMode);
    const bool started = address.isValid() && !address.scheme().isEmpty() && startOpening(address, onFailure);
    if (!started && onFailure)
        onFailure();
    return started;
}

bool openURLOrWarn(const QString &url, QWidget *parent, const QString &failurePrefix)
{
    const QPointer<QWidget> owner(parent);
    return openURL(url, [owner, url, failurePrefix] {
        QMessageBox::warning(owner, AppVersion::applicationTitle(), failurePrefix + url);
    });
}
