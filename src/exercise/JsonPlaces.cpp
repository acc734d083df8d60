#include "exercise/JsonPlaces.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>

namespace {

QString childPath(const QString &parent, const QString &name)
{
    return parent.isEmpty() ? name : parent + u'/' + name;
}

bool isJsonWhitespace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

} // namespace

JsonPlaces::JsonPlaces(QByteArray json) : m_json(std::move(json))
{
    skipBlanks();
    walkValue(QString(), m_pos);
}

void JsonPlaces::skipBlanks()
{
    while (m_pos < m_json.size() && isJsonWhitespace(m_json[m_pos]))
        ++m_pos;
}

void JsonPlaces::skipString()
{
    ++m_pos; // the opening quote
    while (m_pos < m_json.size() && m_json[m_pos] != '"')
        m_pos += m_json[m_pos] == '\\' ? 2 : 1;
    ++m_pos; // the closing quote
}

// A member name, its escapes decoded the way the parser decoded them.
QString JsonPlaces::readName()
{
    const qsizetype start = m_pos;
    skipString();
    const QByteArray raw = m_json.sliced(start, qMin(m_pos, m_json.size()) - start);
    if (!raw.contains('\\'))
        return QString::fromUtf8(raw.sliced(1, raw.size() - 2));
    return QJsonDocument::fromJson('[' + raw + ']').array().at(0).toString();
}

void JsonPlaces::walkValue(const QString &path, qsizetype nameAt)
{
    Span span;
    span.name = nameAt;
    span.start = m_pos;
    if (m_pos >= m_json.size()) {
        m_spans.insert(path, span);
        return;
    }
    const char c = m_json[m_pos];
    if (c == '{') {
        walkObject(path);
    } else if (c == '[') {
        walkArray(path);
    } else if (c == '"') {
        skipString();
    } else {
        while (m_pos < m_json.size() && !isJsonWhitespace(m_json[m_pos]) && m_json[m_pos] != ','
               && m_json[m_pos] != '}' && m_json[m_pos] != ']')
            ++m_pos;
    }
    span.end = qMin(m_pos, m_json.size());
    m_spans.insert(path, span);
}

void JsonPlaces::walkObject(const QString &path)
{
    ++m_pos; // {
    skipBlanks();
    QSet<QString> seen;
    while (m_pos < m_json.size() && m_json[m_pos] == '"') {
        const qsizetype nameAt = m_pos;
        const QString name = readName();
        if (seen.contains(name))
            m_repeated.append({name, placeAt(m_json, nameAt)});
        seen.insert(name);
        skipBlanks();
        ++m_pos; // :
        skipBlanks();
        walkValue(childPath(path, name), nameAt);
        skipBlanks();
        if (m_pos < m_json.size() && m_json[m_pos] == ',')
            ++m_pos;
        skipBlanks();
    }
    ++m_pos; // }
}

void JsonPlaces::walkArray(const QString &path)
{
    ++m_pos; // [
    skipBlanks();
    int index = 0;
    while (m_pos < m_json.size() && m_json[m_pos] != ']') {
        walkValue(childPath(path, QString::number(index++)), m_pos);
        skipBlanks();
        if (m_pos < m_json.size() && m_json[m_pos] == ',')
            ++m_pos;
        skipBlanks();
    }
    ++m_pos; // ]
}

JsonPlaces::Place JsonPlaces::of(const QString &path) const
{
    const auto found = m_spans.constFind(path);
    return placeAt(m_json, found == m_spans.constEnd() ? 0 : found->name);
}

QByteArray JsonPlaces::rawValue(const QString &path) const
{
    const auto found = m_spans.constFind(path);
    if (found == m_spans.constEnd())
        return QByteArray();
    return m_json.sliced(found->start, found->end - found->start);
}

JsonPlaces::Place JsonPlaces::placeAt(QByteArrayView text, qsizetype offset)
{
    Place place;
    const qsizetype end = qBound<qsizetype>(0, offset, text.size());
    for (qsizetype i = 0; i < end; ++i) {
        const char c = text[i];
        if (c == '\n') {
            ++place.line;
            place.column = 1;
        } else if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
            ++place.column; // continuation bytes belong to the character before them
        }
    }
    return place;
}
