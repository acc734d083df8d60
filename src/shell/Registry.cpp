#include "shell/Registry.h"

#include "base/CheckedFileWriter.h"
#include "base/FileErrors.h"
#include "base/LineSplitter.h"
#include "base/MessageLog.h"
#include "base/Windows1254.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QStringDecoder>
#include <QStringEncoder>

#include <array>
#include <optional>

namespace {

// .ini files are in the Turkish code page; the key store holds any text, in UTF-8.
enum class FileText { Ini, Store };
const QString kCrLf = QStringLiteral("\r\n");
constexpr qsizetype kIniValueLimit = 255;

QString resolveWarning()
{
    return QStringLiteral("Kayıt defteri anahtarı çözümlenemiyor ya da .ini dosyası bulunamıyor.");
}

QString writeWarning()
{
    return QStringLiteral("Kayıt defteri ya da .ini dosya değeri yazılamıyor.");
}

struct RootWord {
    const char *word;
    Registry::TopKey top;
};

constexpr std::array<RootWord, 6> kRootWords{{
    {"HKCU", Registry::TopKey::CurrentUser},
    {"HKLM", Registry::TopKey::LocalMachine},
    {"HKU", Registry::TopKey::Users},
    {"HKDD", Registry::TopKey::DynamicData},
    {"HKCC", Registry::TopKey::CurrentConfig},
    {"HKCR", Registry::TopKey::ClassesRoot},
}};

bool isTextType(const QString &valueType)
{
    return valueType.compare(u"S", Qt::CaseInsensitive) == 0;
}

bool hasLineBreak(const QString &text)
{
    return text.contains(u'\r') || text.contains(u'\n');
}

// ---- Files as lines, each keeping its own line end so untouched lines are written back as read.

struct TextLine {
    QString text;
    QString end;
};
using TextLines = QList<TextLine>;

TextLines splitKeepingEnds(const QString &text)
{
    TextLines lines;
    LineSplitter splitter(text);
    while (!splitter.atEnd()) {
        const LineSplitter::Line line = splitter.next();
        lines.append({line.text.toString(), line.end.toString()});
    }
    return lines;
}

QString joinLines(const TextLines &lines)
{
    QString text;
    for (const TextLine &line : lines)
        text += line.text + line.end;
    return text;
}

std::optional<QString> decodeText(FileText kind, const QByteArray &bytes)
{
    if (kind == FileText::Ini)
        return Windows1254::decode(bytes);
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(bytes);
    return decoder.hasError() ? std::nullopt : std::optional<QString>(text);
}

std::optional<QByteArray> encodeText(FileText kind, const QString &text)
{
    if (kind == FileText::Ini)
        return Windows1254::encodeExactly(text);
    QStringEncoder encoder(QStringEncoder::Utf8);
    const QByteArray bytes = encoder.encode(text);
    return encoder.hasError() ? std::nullopt : std::optional<QByteArray>(bytes);
}

// A missing file reads as no lines; a file that exists but cannot be read (or decoded without
// loss) fails, so that a later write never replaces what it could not read.
bool readLines(const QString &path, FileText kind, TextLines &lines)
{
    lines.clear();
    if (!QFileInfo::exists(path))
        return true;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    const std::optional<QString> text = decodeText(kind, bytes);
    if (!text)
        return false;
    lines = splitKeepingEnds(*text);
    return true;
}

// The status of a write and, when the file could not be written, the reason in words.
struct Written {
    int status;
    QString reason;
};

int statusOfFileError(int number)
{
    switch (number) {
    case FileErrors::DiskFull:
        return Registry::DiskFull;
    case FileErrors::PermissionDenied:
        return Registry::AccessDenied;
    case FileErrors::PathNotFound:
        return Registry::PathNotFound;
    default:
        return Registry::CannotWrite;
    }
}

// The old file stays whole unless the new one was written completely.
Written writeLines(const QString &path, FileText kind, const TextLines &lines)
{
    const std::optional<QByteArray> bytes = encodeText(kind, joinLines(lines));
    if (!bytes)
        return {Registry::CannotWrite, QString()};
    CheckedFileWriter writer(path);
    if (writer.write(*bytes))
        return {Registry::Success, QString()};
    return {statusOfFileError(writer.error()), writer.errorText()};
}

// ---- Sections: "[name]" lines, names compared without regard to case.

std::optional<QString> headerName(const QString &line)
{
    const QString trimmed = line.trimmed();
    if (!trimmed.startsWith(u'['))
        return std::nullopt;
    qsizetype close = trimmed.endsWith(u']') ? trimmed.size() - 1 : trimmed.indexOf(u']');
    if (close < 0)
        close = trimmed.size();
    return trimmed.mid(1, close - 1).trimmed();
}

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The header line of the first section with that name and the index just past its last line;
// both -1 when there is no such section.
struct SectionSpan {
    qsizetype header = -1;
    qsizetype end = -1;
};

SectionSpan findSection(const TextLines &lines, const QString &name)
{
    SectionSpan span;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const std::optional<QString> header = headerName(lines.at(i).text);
        if (!header)
            continue;
        if (span.header >= 0)
            return {span.header, i};
        if (sameName(*header, name))
            span.header = i;
    }
    if (span.header >= 0)
        span.end = lines.size();
    return span;
}

// How a format names the value on one line of a section; nullopt for other lines.
using ValueNameOf = std::optional<QString> (*)(const QString &line);

qsizetype findValueLine(const TextLines &lines, SectionSpan span, const QString &name,
                        ValueNameOf valueNameOf)
{
    for (qsizetype i = span.header + 1; i < span.end; ++i) {
        const std::optional<QString> lineName = valueNameOf(lines.at(i).text);
        if (lineName && sameName(*lineName, name))
            return i;
    }
    return -1;
}

void terminateLineBefore(TextLines &lines, qsizetype index)
{
    if (index > 0 && lines[index - 1].end.isEmpty())
        lines[index - 1].end = kCrLf;
}

// Replaces the value's line, or adds it after the section's last non-blank line, or adds the
// section at the end of the file; every other line stays as it was.
void setValueLine(TextLines &lines, const QString &section, const QString &name,
                  const QString &valueLine, ValueNameOf valueNameOf)
{
    const SectionSpan span = findSection(lines, section);
    if (span.header < 0) {
        terminateLineBefore(lines, lines.size());
        lines.append({QLatin1Char('[') + section + QLatin1Char(']'), kCrLf});
        lines.append({valueLine, kCrLf});
        return;
    }
    const qsizetype existing = findValueLine(lines, span, name, valueNameOf);
    if (existing >= 0) {
        lines[existing].text = valueLine;
        return;
    }
    qsizetype at = span.end;
    while (at > span.header + 1 && lines.at(at - 1).text.trimmed().isEmpty())
        --at;
    terminateLineBefore(lines, at);
    lines.insert(at, {valueLine, kCrLf});
}

// ---- .ini files: "key=value" lines, as the Windows private-profile routines read them.

std::optional<QString> iniKeyOf(const QString &line)
{
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0)
        return std::nullopt;
    return line.left(equals).trimmed();
}

QString iniValueOf(const QString &line)
{
    QString value = line.mid(line.indexOf(u'=') + 1).trimmed();
    const bool quoted = value.size() >= 2 && value.front() == value.back()
        && (value.front() == u'"' || value.front() == u'\'');
    return quoted ? value.mid(1, value.size() - 2) : value;
}

// ---- The key store: @="text" for a key's default value, "name"="text", "name"=hex:ff,ff.

QString quoted(const QString &text)
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

QString storeNameText(const QString &valueName)
{
    return valueName.isEmpty() ? QStringLiteral("@") : quoted(valueName);
}

// The value name of a store line and where its data begins (just past "=").
std::optional<QString> storeNameOf(const QString &line, qsizetype &dataStart)
{
    qsizetype pos = line.startsWith(u'@') ? 1 : 0;
    const std::optional<QString> name = pos == 1 ? QString() : unquoted(line, pos);
    if (!name || pos >= line.size() || line.at(pos) != u'=')
        return std::nullopt;
    dataStart = pos + 1;
    return name;
}

std::optional<QString> storeValueNameOf(const QString &line)
{
    qsizetype dataStart = 0;
    return storeNameOf(line.trimmed(), dataStart);
}

QString flagData(bool on)
{
    return on ? QStringLiteral("hex:ff,ff") : QStringLiteral("hex:00,00");
}

// Text data gives the text; flag data gives a bool; anything else (or the other kind than
// asked for) is invalid.
std::optional<QVariant> storeData(const QString &untrimmed, bool asText)
{
    const QString line = untrimmed.trimmed();
    qsizetype pos = 0;
    if (!storeNameOf(line, pos))
        return std::nullopt;
    if (asText) {
        std::optional<QString> text = unquoted(line, pos);
        return text && pos == line.size() ? std::optional<QVariant>(*text) : std::nullopt;
    }
    if (!line.mid(pos).startsWith(QLatin1String("hex:")))
        return std::nullopt;
    bool on = false;
    for (const QString &byte : line.mid(pos + 4).split(u',')) {
        bool ok = false;
        const uint value = byte.trimmed().toUInt(&ok, 16);
        if (!ok || value > 0xff)
            return std::nullopt;
        on = on || value != 0;
    }
    return QVariant(on);
}

bool storeHasKey(const TextLines &lines, const QString &keyName)
{
    if (keyName.isEmpty())
        return true;
    const QString below = keyName + u'\\';
    for (const TextLine &line : lines) {
        const std::optional<QString> header = headerName(line.text);
        if (header
            && (sameName(*header, keyName) || header->startsWith(below, Qt::CaseInsensitive)))
            return true;
    }
    return false;
}

} // namespace

Registry::Registry(MessageLog *log, QString storeFolder)
    : m_log(log)
    , m_storeFolder(std::move(storeFolder))
{
}

QString Registry::defaultStoreFolder()
{
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/varnel");
}

Registry::TopKey Registry::fTopKey(const QString &KeyRoot) const
{
    const QString word = KeyRoot.toUpper();
    for (const RootWord &root : kRootWords) {
        if (word == QLatin1String(root.word))
            return root.top;
    }
    // A NUL cannot be part of a file name: the root can be neither a hive nor a file.
    if (KeyRoot.contains(QChar(u'\0'))) {
        warn(resolveWarning(), QStringLiteral("fTopKey"));
        return TopKey::Unresolved;
    }
    return QFileInfo(KeyRoot).isFile() ? TopKey::IniFile : TopKey::Unresolved;
}

int Registry::fQueryValue(const QString &KeyRoot, const QString &KeyName,
                          const QString &SubKeyRef, const QString &valueType,
                          const QString &defaultText, QVariant &KeyVal) const
{
    const TopKey top = fTopKey(KeyRoot);
    if (top == TopKey::Unresolved)
        return RootUnresolved;
    if (top != TopKey::IniFile)
        return queryStore(top, KeyName, SubKeyRef, isTextType(valueType), KeyVal);
    // Only text is read from .ini files.
    if (!isTextType(valueType))
        return InvalidData;
    return queryIni(KeyRoot, KeyName, SubKeyRef, defaultText, KeyVal);
}

int Registry::fWriteValue(const QString &KeyRoot, const QString &KeyName,
                          const QString &SubKeyRef, const QString &valueType,
                          const QVariant &KeyVal) const
{
    const TopKey top = fTopKey(KeyRoot);
    if (top == TopKey::Unresolved || (top == TopKey::IniFile && !isTextType(valueType)))
        return failWrite(RootUnresolved);
    if (top == TopKey::IniFile)
        return writeIni(KeyRoot, KeyName, SubKeyRef, KeyVal.toString());
    return writeStore(top, KeyName, SubKeyRef, isTextType(valueType), KeyVal);
}

int Registry::queryIni(const QString &iniPath, const QString &section, const QString &key,
                       const QString &defaultText, QVariant &KeyVal) const
{
    // Like the private-profile routine: anything unreadable or missing gives the default.
    QString text = defaultText;
    TextLines lines;
    if (readLines(iniPath, FileText::Ini, lines)) {
        const SectionSpan span = findSection(lines, section.trimmed());
        const qsizetype line = findValueLine(lines, span, key.trimmed(), iniKeyOf);
        if (line >= 0)
            text = iniValueOf(lines.at(line).text);
    }
    KeyVal = text.left(kIniValueLimit);
    return Success;
}

int Registry::queryStore(TopKey top, const QString &KeyName, const QString &SubKeyRef,
                         bool asText, QVariant &KeyVal) const
{
    TextLines lines;
    if (!readLines(storePath(top), FileText::Store, lines))
        return CannotRead;
    const QString keyName = KeyName.trimmed();
    if (!storeHasKey(lines, keyName))
        return NotFound;
    const SectionSpan span = findSection(lines, keyName);
    const qsizetype line = findValueLine(lines, span, SubKeyRef, storeValueNameOf);
    if (line < 0)
        return NotFound;
    const std::optional<QVariant> data = storeData(lines.at(line).text, asText);
    if (!data)
        return InvalidData;
    KeyVal = *data;
    return Success;
}

int Registry::writeIni(const QString &iniPath, const QString &section, const QString &key,
                       const QString &text) const
{
    // A line break would split the entry into lines the file could not read back.
    if (hasLineBreak(section) || hasLineBreak(key) || hasLineBreak(text))
        return failWrite(InvalidParameter);
    TextLines lines;
    if (!readLines(iniPath, FileText::Ini, lines))
        return failWrite(CannotRead);
    setValueLine(lines, section.trimmed(), key.trimmed(), key.trimmed() + u'=' + text, iniKeyOf);
    const Written written = writeLines(iniPath, FileText::Ini, lines);
    return written.status == Success ? int(Success) : failWrite(written.status, written.reason);
}

int Registry::writeStore(TopKey top, const QString &KeyName, const QString &SubKeyRef,
                         bool asText, const QVariant &KeyVal) const
{
    const QString keyName = KeyName.trimmed();
    if (hasLineBreak(keyName))
        return failWrite(InvalidName);
    const QString path = storePath(top);
    TextLines lines;
    if (!readLines(path, FileText::Store, lines))
        return failWrite(CannotRead);
    const QString data = asText ? quoted(KeyVal.toString()) : flagData(KeyVal.toBool());
    const QString valueLine = storeNameText(SubKeyRef) + u'=' + data;
    setValueLine(lines, keyName, SubKeyRef, valueLine, storeValueNameOf);
    if (!QDir().mkpath(m_storeFolder))
        return failWrite(CannotWrite);
    const Written written = writeLines(path, FileText::Store, lines);
    return written.status == Success ? int(Success) : failWrite(written.status, written.reason);
}

QString Registry::storePath(TopKey top) const
{
    for (const RootWord &root : kRootWords) {
        if (root.top == top)
            return QDir(m_storeFolder).filePath(QLatin1String(root.word) + QStringLiteral(".reg"));
    }
    return QString();
}

int Registry::failWrite(int status, const QString &reason) const
{
    warn(reason.isEmpty() ? writeWarning() : writeWarning() + kCrLf + reason,
         QStringLiteral("fWriteValue"));
    return status;
}

void Registry::warn(const QString &text, const QString &title) const
{
    if (m_log)
        m_log->showModal(text, title);
}
