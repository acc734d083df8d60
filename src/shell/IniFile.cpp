#include "shell/IniFile.h"

namespace {

constexpr qsizetype kValueLimit = 255;

bool breaksIniLine(const QString &text)
{
    return text.contains(u'\r') || text.contains(u'\n');
}

std::optional<QString> keyOf(const QString &line)
{
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0)
        return std::nullopt;
    return line.left(equals).trimmed();
}

QString lineValue(const QString &line)
{
    QString value = line.mid(line.indexOf(u'=') + 1).trimmed();
    const bool quoted = value.size() >= 2 && value.front() == value.back()
        && (value.front() == u'"' || value.front() == u'\'');
    return quoted ? value.mid(1, value.size() - 2) : value;
}

} // namespace

IniFile::IniFile(QString path)
    : m_path(std::move(path))
{
}

QString IniFile::value(const QString &section, const QString &key, const QString &defaultText) const
{
    QString text = defaultText;
    SectionedFile file(m_path, SectionedFile::Encoding::Windows1254);
    if (file.load().ok()) {
        const qsizetype line = file.valueLine(file.section(section.trimmed()), key.trimmed(), keyOf);
        if (line >= 0)
            text = lineValue(file.line(line));
    }
    return text.left(kValueLimit);
}

SectionedFile::Outcome IniFile::setValue(const QString &section, const QString &key,
                                         const QString &text) const
{
    if (breaksIniLine(section) || breaksIniLine(key) || breaksIniLine(text))
        return {RegistryStatus::InvalidParameter, QString()};
    SectionedFile file(m_path, SectionedFile::Encoding::Windows1254);
    const SectionedFile::Outcome loaded = file.load();
    if (!loaded.ok())
        return loaded;
    file.setValueLine(section.trimmed(), key.trimmed(), key.trimmed() + u'=' + text, keyOf);
    return file.save();
}
