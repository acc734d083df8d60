#include "guiwin/DefinitionFields.h"

#include "model/Rounding.h"

#include <cmath>
#include <limits>

QString DefinitionFields::nextField(QString &text, QChar sep)
{
    const qsizetype at = text.indexOf(sep);
    if (at < 0)
        return QString();
    QString field = text.left(at);
    text.remove(0, at + 1);
    return field;
}

namespace {

// Collects the characters of the leading number, blanks left out, in the C locale's spelling.
class NumberScanner {
public:
    explicit NumberScanner(const QString &text) : m_text(text) {}

    QByteArray scan()
    {
        QByteArray out;
        if (peekIs(u'+') || peekIs(u'-'))
            out += char(take().unicode());
        const qsizetype digitsBefore = digits(out);
        qsizetype digitsAfter = 0;
        if (peekIs(u'.')) {
            out += char(take().unicode());
            digitsAfter = digits(out);
        }
        if (digitsBefore + digitsAfter == 0)
            return QByteArray();
        exponent(out);
        return out;
    }

private:
    void skipBlanks()
    {
        while (m_pos < m_text.size() && (m_text[m_pos] == u' ' || m_text[m_pos] == u'\t'))
            ++m_pos;
    }
    bool peekIs(QChar c)
    {
        skipBlanks();
        return m_pos < m_text.size() && m_text[m_pos] == c;
    }
    bool peekDigit()
    {
        skipBlanks();
        return m_pos < m_text.size() && m_text[m_pos] >= u'0' && m_text[m_pos] <= u'9';
    }
    QChar take() { return m_text[m_pos++]; }
    qsizetype digits(QByteArray &out)
    {
        qsizetype count = 0;
        while (peekDigit()) {
            out += char(take().unicode());
            ++count;
        }
        return count;
    }
    // An exponent counts only when digits follow it; otherwise reading stops before the "E".
    void exponent(QByteArray &out)
    {
        if (!(peekIs(u'e') || peekIs(u'E')))
            return;
        const qsizetype mark = m_pos;
        QByteArray tail("e");
        take();
        if (peekIs(u'+') || peekIs(u'-'))
            tail += char(take().unicode());
        if (digits(tail) == 0) {
            m_pos = mark;
            return;
        }
        out += tail;
    }

    const QString &m_text;
    qsizetype m_pos = 0;
};

} // namespace

double DefinitionFields::number(const QString &text)
{
    const QByteArray spelled = NumberScanner(text).scan();
    if (spelled.isEmpty())
        return 0;
    bool ok = false;
    const double value = spelled.toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0;
}

qint16 DefinitionFields::toInt16(double value)
{
    const double rounded = Rounding::halfEven(value);
    if (!(rounded >= std::numeric_limits<qint16>::min()))
        return std::numeric_limits<qint16>::min();
    if (rounded > std::numeric_limits<qint16>::max())
        return std::numeric_limits<qint16>::max();
    return qint16(rounded);
}
