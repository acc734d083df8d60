#pragma once

#include <QCoreApplication>
#include <QString>
#include <QtGlobal>

class Block_Collection;
class Line_Collection;
class cBlock;
class cLine;

// What a screen reader says about a block or a line: a name ("Koşul bloğu: i <= n") and a
// description of where the flow goes from there ("EVET: toplam = toplam + i, HAYIR: Çıkış
// bloğu: toplam").
class ChartDescriptions {
    Q_DECLARE_TR_FUNCTIONS(ChartDescriptions)

public:
    ChartDescriptions(const Block_Collection &blocks, const Line_Collection &lines);

    // "Giriş bloğu", "Koşul bloğu", ...: the kind of block its action code makes.
    static QString kindOf(const cBlock &block);
    QString nameOf(const cBlock &block) const;
    QString descriptionOf(const cBlock &block) const;
    QString nameOf(const cLine &line) const;
    QString descriptionOf(const cLine &line) const;

private:
    QString captionOf(const QString &tag) const;

    const Block_Collection &m_blocks;
    const Line_Collection &m_lines;
};
