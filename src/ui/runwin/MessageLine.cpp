#include "ui/runwin/MessageLine.h"

#include <QTextBlock>

QString MessageLine::turkishOf(const QTextBlock &block)
{
    if (const auto *line = dynamic_cast<const MessageLine *>(block.userData()))
        return line->m_turkish;
    return block.text();
}
