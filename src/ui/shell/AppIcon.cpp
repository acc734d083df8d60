#include "ui/shell/AppIcon.h"

namespace AppIcon {

QIcon icon()
{
    return QIcon(QStringLiteral(":/varnel/varnel.svg"));
}

} // namespace AppIcon
