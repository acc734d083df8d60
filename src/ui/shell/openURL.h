#pragma once

#include <QString>

class QWidget;

// Opens a web page, or a mailto: address, with the user's default program; true when the
// desktop accepted it. Nothing is shown on failure: callers choose their message.
bool openURL(const QString &url);

// Opens url; on failure shows the standard message box failurePrefix + url over parent. The
// main window's "Yardım Konuları" and web link use the default prefix.
bool openURLOrWarn(const QString &url, QWidget *parent,
                   const QString &failurePrefix = QStringLiteral("Sayfa açılamıyor: "));
