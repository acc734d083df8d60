#include "ui/runwin/HeaderCellStyle.h"

#include <QApplication>
#include <QPalette>

QVariant HeaderCellStyle::data(bool header, int role)
{
    if (!header)
        return QVariant();
    switch (role) {
    case Qt::BackgroundRole:
        return QApplication::palette().button();
    case Qt::ForegroundRole:
        return QApplication::palette().buttonText();
    default:
        return QVariant();
    }
}
