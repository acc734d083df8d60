#include "ui/shell/AppIcon.h"

namespace AppIcon {

QIcon icon()
{
    return QIcon::fromTheme(QStringLiteral("varnel"), builtIn());
}

QIcon builtIn()
{
    return QIcon(QStringLiteral(":/varnel/varnel.svg"));
}

} // namespace AppIcon
