#include "codegen/NameTable.h"

QString NameTable::transliterate(const QString &text)
{
    static const QString from = QStringLiteral("çÇğĞıİöÖşŞüÜ");
    static const QString to = QStringLiteral("cCgGiIoOsSuU");
    QString out = text;
    for (QChar &c : out) {
        const qsizetype at = from.indexOf(c);
        if (at >= 0)
            c = to[at];
    }
    return out;
}

QString NameTable::valid(const QString &spelling) const
{
    const QString text = m_letters == AsciiLetters ? transliterate(spelling) : spelling;
    QString out;
    for (const QChar c : text) {
        const bool ascii = c.unicode() < 128;
        const bool letter = c.isLetter() && (ascii || m_letters == AnyLetters) && !c.isSurrogate();
        const bool digit = ascii && c.isDigit();
        out += letter || digit || c == u'_' ? c : QChar(u'_');
    }
    if (out.isEmpty())
        return QStringLiteral("adsiz");
    if (out.front().isDigit())
        out.prepend(u'v');
    return out;
}

QString NameTable::fresh(const QString &base)
{
    QString name = valid(base);
    for (int n = 2; m_taken.contains(name); ++n)
        name = valid(base) + u'_' + QString::number(n);
    m_taken.insert(name);
    return name;
}

QString NameTable::add(const QString &key, const QString &spelling)
{
    const auto found = m_names.constFind(key);
    if (found != m_names.cend())
        return *found;
    const QString name = fresh(spelling);
    m_names.insert(key, name);
    return name;
}
