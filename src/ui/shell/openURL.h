#pragma once

#include <QCoreApplication>
#include <QString>

#include <functional>

class QWidget;

// Opens a web page, or a mailto: address, with the user's default program. onFailure runs when
// it cannot be opened: at once when the address is no address or nothing could be started, or
// later, when the desktop's opener ends saying that no program handles it. False when it failed
// at once.
bool openURL(const QString &url, const std::function<void()> &onFailure = {});

// Opens url; on failure shows the standard message box failurePrefix + url over parent. The
// main window's "Yardım Konuları" and web link use the default prefix.
bool openURLOrWarn(const QString &url, QWidget *parent,
                   const QString &failurePrefix = QCoreApplication::translate("openURL", "Sayfa açılamıyor: "));
