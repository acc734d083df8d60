#include "shell/SectionedFile.h"

#include "base/CheckedFileWriter.h"
#include "base/FileErrors.h"
#include "base/LineSplitter.h"
#include "base/Windows1254.h"
#include "shell/SmallFile.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

const QString kNewLineEnd = QStringLiteral("\r\n");

std::optional<QString> decode(SectionedFile::Encoding encoding, const QByteArray &bytes)
{
    if (encoding == SectionedFile::Encoding::Windows1254)
        return Windows1254::decode(bytes);
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(bytes);
    return decoder.hasError() ? std::nullopt : std::optional<QString>(text);
}

std::optional<QByteArray> encode(SectionedFile::Encoding encoding, const QString &text)
{
    if (encoding == SectionedFile::Encoding::Windows1254)
        return Windows1254::encodeExactly(text);
    QStringEncoder encoder(QStringEncoder::Utf8);
    const QByteArray bytes = encoder.encode(text);
    return encoder.hasError() ? std::nullopt : std::optional<QByteArray>(bytes);
}

int statusOfFileError(int number)
{
    switch (number) {
    case FileErrors::DiskFull:
        return RegistryStatus::DiskFull;
    case FileErrors::PermissionDenied:
        return RegistryStatus::AccessDenied;
    case FileErrors::PathNotFound:
        return RegistryStatus::PathNotFound;
    default:
        return RegistryStatus::CannotWrite;
    }
}

} // namespace

SectionedFile::SectionedFile(QString path, Encoding encoding)
    : m_path(std::move(path))
    , m_encoding(encoding)
{
}

SectionedFile::Outcome SectionedFile::load()
{
    m_lines.clear();
    QByteArray bytes;
    const SmallFile::Result result = SmallFile(m_path).read(bytes);
    if (result == SmallFile::Result::Missing)
        return {};
    if (result != SmallFile::Result::Read)
        return {RegistryStatus::CannotRead, SmallFile::reason(result)};
    const std::optional<QString> text = decode(m_encoding, bytes);
    if (!text)
        return {RegistryStatus::CannotRead, QString()};
    LineSplitter splitter(*text);
    while (!splitter.atEnd()) {
        const LineSplitter::Line line = splitter.next();
        m_lines.append({line.text.toString(), line.end.toString()});
    }
    return {};
}

SectionedFile::Outcome SectionedFile::save() const
{
    QString text;
    for (const TextLine &line : m_lines)
        text += line.text + line.end;
    const std::optional<QByteArray> bytes = encode(m_encoding, text);
    if (!bytes)
        return {RegistryStatus::CannotWrite, QString()};
    CheckedFileWriter writer(m_path);
    if (writer.write(*bytes))
        return {};
    return {statusOfFileError(writer.error()), writer.errorText()};
}

std::optional<QString> SectionedFile::headerName(const QString &line)
{
    const QString trimmed = line.trimmed();
    if (!trimmed.startsWith(u'['))
        return std::nullopt;
    qsizetype close = trimmed.endsWith(u']') ? trimmed.size() - 1 : trimmed.indexOf(u']');
    if (close < 0)
        close = trimmed.size();
    return trimmed.mid(1, close - 1).trimmed();
}

bool SectionedFile::sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

SectionedFile::Span SectionedFile::section(const QString &name) const
{
    Span span;
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const std::optional<QString> header = headerName(m_lines.at(i).text);
        if (!header)
            continue;
        if (span.header >= 0)
            return {span.header, i};
        if (sameName(*header, name))
            span.header = i;
    }
    if (span.header >= 0)
        span.end = m_lines.size();
    return span;
}

qsizetype SectionedFile::valueLine(Span span, const QString &name, ValueNameOf valueNameOf) const
{
    for (qsizetype i = span.header + 1; i < span.end; ++i) {
        const std::optional<QString> lineName = valueNameOf(m_lines.at(i).text);
        if (lineName && sameName(*lineName, name))
            return i;
    }
    return -1;
}

void SectionedFile::setValueLine(const QString &sectionName, const QString &name,
                                 const QString &valueLine, ValueNameOf valueNameOf)
{
    const Span span = section(sectionName);
    if (span.header < 0) {
        terminateLineBefore(m_lines.size());
        m_lines.append({QLatin1Char('[') + sectionName + QLatin1Char(']'), kNewLineEnd});
        m_lines.append({valueLine, kNewLineEnd});
        return;
    }
    const qsizetype existing = this->valueLine(span, name, valueNameOf);
    if (existing >= 0) {
        m_lines[existing].text = valueLine;
        return;
    }
    qsizetype at = span.end;
    while (at > span.header + 1 && m_lines.at(at - 1).text.trimmed().isEmpty())
        --at;
    terminateLineBefore(at);
    m_lines.insert(at, {valueLine, kNewLineEnd});
}

void SectionedFile::terminateLineBefore(qsizetype index)
{
    if (index > 0 && m_lines[index - 1].end.isEmpty())
        m_lines[index - 1].end = kNewLineEnd;
}
