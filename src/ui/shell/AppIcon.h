#pragma once

#include <QIcon>

// The program's icon, compiled into the program so that every copy of it shows it.
namespace AppIcon {

QIcon icon();

} // namespace AppIcon
