#include "guiwin/CaptionText.h"

QString CaptionText::fromTyped(const QString &typed)
{
    QString text = typed;
    text.replace(QStringLiteral("\\n"), QStringLiteral("\r\n"), Qt::CaseInsensitive);
    return text;
}

QString CaptionText::toTyped(const QString &text)
{
    QString typed = text;
    typed.replace(QStringLiteral("\r\n"), QStringLiteral("\\n"));
    return typed;
}
