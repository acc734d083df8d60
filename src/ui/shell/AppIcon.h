#pragma once

#include <QIcon>

// The program's icon: the one the installed icon theme holds under the name "varnel", and the
// copy compiled into the program where no theme has it (the build tree, a stand-alone copy).
namespace AppIcon {

QIcon icon();
// The compiled-in copy alone.
QIcon builtIn();

} // namespace AppIcon
