#include "shell/KeyStore.h"

#include <QDir>

namespace {

bool breaksStoreLine(const QString &text)
{
    return text.contains(u'\r') || text.contains(u'\n');
}

QString quotedForStore(const QString &text)
{
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c == u'\\' || c == u'"')
            out += u'\\' + QString(c);
        else if (c == u'\r')
            out += QLatin1String("\\r");
        else if (c == u'\n')
            out += QLatin1String("\\n");
        else
            out += c;
    }
    return out + u'"';
}

// Reads a quoted text starting at pos; pos ends just past the closing quote.
std::optional<QString> unquoted(const QString &line, qsizetype &pos)
{
    if (pos >= line.size() || line.at(pos) != u'"')
        return std::nullopt;
    QString text;
    for (++pos; pos < line.size(); ++pos) {
        QChar c = line.at(pos);
        if (c == u'"') {
            ++pos;
            return text;
        }
        if (c == u'\\' && ++pos < line.size()) {
            c = line.at(pos);
            c = c == u'r' ? QChar(u'\r') : c == u'n' ? QChar(u'\n') : c;
        }
        text += c;
    }
    return std::nullopt;
}

QString nameText(const QString &valueName)
{
    return valueName.isEmpty() ? QStringLiteral("@") : quotedForStore(valueName);
}

// The value name of a line and where its data begins (just past "=").
std::optional<QString> nameOf(const QString &line, qsizetype &dataStart)
{
    qsizetype pos = line.startsWith(u'@') ? 1 : 0;
    const std::optional<QString> name = pos == 1 ? QString() : unquoted(line, pos);
    if (!name || pos >= line.size() || line.at(pos) != u'=')
        return std::nullopt;
    dataStart = pos + 1;
    return name;
}

std::optional<QString> valueNameOf(const QString &line)
{
    qsizetype dataStart = 0;
    return nameOf(line.trimmed(), dataStart);
}

QString flagData(bool on)
{
    return on ? QStringLiteral("hex:ff,ff") : QStringLiteral("hex:00,00");
}

std::optional<QVariant> flagOf(const QString &data)
{
    if (!data.startsWith(QLatin1String("hex:")))
        return std::nullopt;
    bool on = false;
    for (const QString &byte : data.mid(4).split(u',')) {
        bool ok = false;
        const uint value = byte.trimmed().toUInt(&ok, 16);
        if (!ok || value > 0xff)
            return std::nullopt;
        on = on || value != 0;
    }
    return QVariant(on);
}

// Text data gives the text; flag data gives a bool; anything else (or the other kind than
// asked for) is invalid.
std::optional<QVariant> dataOf(const QString &untrimmed, bool asText)
{
    const QString line = untrimmed.trimmed();
    qsizetype pos = 0;
    if (!nameOf(line, pos))
        return std::nullopt;
    if (!asText)
        return flagOf(line.mid(pos));
    const std::optional<QString> text = unquoted(line, pos);
    return text && pos == line.size() ? std::optional<QVariant>(*text) : std::nullopt;
}

// A key exists when it or a key below it has a section.
bool hasKey(const SectionedFile &file, const QString &keyName)
{
    if (keyName.isEmpty())
        return true;
    const QString below = keyName + u'\\';
    for (qsizetype i = 0; i < file.lineCount(); ++i) {
        const std::optional<QString> header = SectionedFile::headerName(file.line(i));
        if (header && (SectionedFile::sameName(*header, keyName) || header->startsWith(below, Qt::CaseInsensitive)))
            return true;
    }
    return false;
}

} // namespace

KeyStore::KeyStore(QString folder)
    : m_folder(std::move(folder))
{
}

QString KeyStore::filePath(const QString &rootWord) const
{
    return QDir(m_folder).filePath(rootWord + QStringLiteral(".reg"));
}

SectionedFile::Outcome KeyStore::query(const QString &rootWord, const QString &keyName,
                                       const QString &valueName, bool asText, QVariant &value) const
{
    SectionedFile file(filePath(rootWord), SectionedFile::Encoding::Utf8);
    const SectionedFile::Outcome loaded = file.load();
    if (!loaded.ok())
        return loaded;
    const QString key = keyName.trimmed();
    if (!hasKey(file, key))
        return {RegistryStatus::NotFound, QString()};
    const qsizetype line = file.valueLine(file.section(key), valueName, valueNameOf);
    if (line < 0)
        return {RegistryStatus::NotFound, QString()};
    const std::optional<QVariant> data = dataOf(file.line(line), asText);
    if (!data)
        return {RegistryStatus::InvalidData, QString()};
    value = *data;
    return {};
}

SectionedFile::Outcome KeyStore::write(const QString &rootWord, const QString &keyName,
                                       const QString &valueName, bool asText, const QVariant &value) const
{
    const QString key = keyName.trimmed();
    if (breaksStoreLine(key))
        return {RegistryStatus::InvalidName, QString()};
    SectionedFile file(filePath(rootWord), SectionedFile::Encoding::Utf8);
    const SectionedFile::Outcome loaded = file.load();
    if (!loaded.ok())
        return loaded;
    const QString data = asText ? quotedForStore(value.toString()) : flagData(value.toBool());
    file.setValueLine(key, valueName, nameText(valueName) + u'=' + data, valueNameOf);
    if (!QDir().mkpath(m_folder))
        return {RegistryStatus::CannotWrite, QString()};
    return file.save();
}
