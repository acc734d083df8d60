#pragma once

#include <QString>
#include <QStringList>

// The freedesktop base folders: where a user's own settings and data go, and the system
// folders searched after them. Relative values in the environment are ignored, as the
// standard asks.
namespace UserFolders {

// $XDG_CONFIG_HOME, else ~/.config.
QString configHome();
// $XDG_DATA_HOME, else ~/.local/share.
QString dataHome();
// $XDG_CONFIG_DIRS, else /etc/xdg.
QStringList configDirs();
// $XDG_DATA_DIRS, else /usr/local/share and /usr/share.
QStringList dataDirs();
// The program's own folder below the user's config folder, which the key store and an
// installed program's settings file share.
QString programConfigFolder();

} // namespace UserFolders
