#include "ui/shell/openURL.h"

#include "shell/AppVersion.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

bool openURL(const QString &url)
{
    const QUrl address(url, QUrl::StrictMode);
    return address.isValid() && !address.scheme().isEmpty() && QDesktopServices::openUrl(address);
}

bool openURLOrWarn(const QString &url, QWidget *parent, const QString &failurePrefix)
{
    if (openURL(url))
        return true;
    QMessageBox::warning(parent, AppVersion::applicationTitle(), failurePrefix + url);
    return false;
}
