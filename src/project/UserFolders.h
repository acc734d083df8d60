#pragma once

#include <QString>

// The per-user folders of the program, the freedesktop way: a variable that is set to an
// absolute path wins, otherwise the usual folder below the home folder. Both end in "/varnel".
namespace UserFolders {

// $XDG_CONFIG_HOME/varnel or ~/.config/varnel: preferences such as the recent projects.
QString configFolder();
// $XDG_STATE_HOME/varnel or ~/.local/state/varnel: state worth keeping across a crash.
QString stateFolder();

} // namespace UserFolders
