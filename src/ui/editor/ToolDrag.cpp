#include "ui/editor/ToolDrag.h"

#include <QMimeData>

const QString ToolDrag::mimeType = QStringLiteral("application/x-varnel-block-tool");

QMimeData *ToolDrag::mimeData(const QString &toolWord)
{
    auto *data = new QMimeData;
    data->setData(mimeType, toolWord.toUtf8());
    return data;
}

QString ToolDrag::toolWord(const QMimeData *data)
{
    if (!data || !data->hasFormat(mimeType))
        return QString();
    return QString::fromUtf8(data->data(mimeType));
}
