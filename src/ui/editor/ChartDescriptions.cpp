#include "ui/editor/ChartDescriptions.h"

#include "base/ChartWords.h"
#include "model/Block_Collection.h"
#include "model/Line_Collection.h"

#include <QStringList>

namespace {

// The block's captions on one line.
QString captionText(const cBlock &block)
{
    QStringList parts;
    for (const QString &part : {block.sCaptionUp(), block.sCaption()}) {
        const QString simple = ChartWords::shown(part).simplified();
        if (!simple.isEmpty())
            parts << simple;
    }
    return parts.join(u' ');
}

} // namespace

ChartDescriptions::ChartDescriptions(const Block_Collection &blocks, const Line_Collection &lines)
    : m_blocks(blocks), m_lines(lines)
{
}

QString ChartDescriptions::kindOf(const cBlock &block)
{
    const QString &code = block.zAction();
    if (code.startsWith(QLatin1String("IF_")))
        return tr("Koşul bloğu");
    static const QList<QPair<QLatin1String, QString>> kinds = {
        {QLatin1String("START"), tr("Başla bloğu")},
        {QLatin1String("STOP"), tr("Dur bloğu")},
        {QLatin1String("INPUT"), tr("Giriş bloğu")},
        {QLatin1String("OUTPUT"), tr("Çıkış bloğu")},
        {QLatin1String("INTERSECTION"), tr("Bağlantı noktası")},
        {QLatin1String("FUNCTION"), tr("Fonksiyon bloğu")},
        {QLatin1String("WINDOW"), tr("Pencere bloğu")},
    };
    for (const auto &kind : kinds) {
        if (code == kind.first)
            return kind.second;
    }
    return tr("İşlem bloğu");
}

QString ChartDescriptions::nameOf(const cBlock &block) const
{
    const QString caption = captionText(block);
    return caption.isEmpty() ? kindOf(block) : kindOf(block) + QStringLiteral(": ") + caption;
}

QString ChartDescriptions::captionOf(const QString &tag) const
{
    const cBlock *block = m_blocks.item(tag);
    return block ? nameOf(*block) : tr("olmayan bir nesne (%1)").arg(tag);
}

QString ChartDescriptions::descriptionOf(const cBlock &block) const
{
    QStringList ways;
    for (const cLine *line : m_lines.outgoing(block.TagID())) {
        const QString caption = ChartWords::shown(line->sCaption()).simplified();
        ways << (caption.isEmpty() ? tr("Sonra") : caption) + QStringLiteral(": ") + captionOf(line->sTo());
    }
    return ways.isEmpty() ? tr("Çıkan çizgisi yok") : ways.join(QStringLiteral(", "));
}

QString ChartDescriptions::nameOf(const cLine &line) const
{
    const QString caption = ChartWords::shown(line.sCaption()).simplified();
    return caption.isEmpty() ? tr("Çizgi") : tr("Çizgi (%1)").arg(caption);
}

QString ChartDescriptions::descriptionOf(const cLine &line) const
{
    return captionOf(line.sFrom()) + QStringLiteral(" → ") + captionOf(line.sTo());
}
