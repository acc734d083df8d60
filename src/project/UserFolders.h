#pragma once

#include <QString>
#include <QStringList>

// The per-user folders of the program, the freedesktop way: a variable that is set to an
// absolute path wins, otherwise the usual folder below the home folder. The program's own
// folders end in "/varnel".
namespace UserFolders {

// $XDG_CONFIG_HOME/varnel or ~/.config/varnel: preferences such as the recent projects, the
// key store, an installed program's settings file.
QString configFolder();
// $XDG_STATE_HOME/varnel or ~/.local/state/varnel: state worth keeping across a crash.
QString stateFolder();
// $XDG_DATA_HOME or ~/.local/share: where the desktop finds a user's own applications and types.
QString dataHome();
// $XDG_CONFIG_DIRS, else /etc/xdg: the system's config folders, searched after the user's.
QStringList configDirs();
// $XDG_DATA_DIRS, else /usr/local/share and /usr/share: the system's data folders.
QStringList dataDirs();

} // namespace UserFolders
