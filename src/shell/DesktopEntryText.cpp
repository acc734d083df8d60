#include "shell/DesktopEntryText.h"

#include "base/LineSplitter.h"

namespace {

// Characters that make the desktop's launcher read an Exec argument differently unless the
// argument is quoted.
bool needsQuotes(const QString &argument)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    for (const QChar c : argument) {
        if (reserved.contains(c))
            return true;
    }
    return argument.isEmpty();
}

// An Exec argument: quoted when needed with ", `, $ and \ escaped inside the quotes, "%"
// doubled, and then the backslashes doubled once more, as every string value of the file.
QString execArgument(const QString &argument)
{
    QString text;
    const bool quote = needsQuotes(argument);
    for (const QChar c : argument) {
        if (quote && (c == u'"' || c == u'`' || c == u'$' || c == u'\\'))
            text += u'\\';
        text += c == u'%' ? QStringLiteral("%%") : QString(c);
    }
    if (quote)
        text = u'"' + text + u'"';
    return text.replace(u'\\', QStringLiteral("\\\\"));
}

// TryExec is a plain string value: only its backslashes and line breaks are escaped.
QString stringValue(const QString &text)
{
    QString escaped = text;
    return escaped.replace(u'\\', QStringLiteral("\\\\")).replace(u'\n', QStringLiteral("\\n"));
}

// A string value as the file holds it, with \s, \n, \t, \r and \\ read back.
QString unescaped(const QString &value)
{
    QString text;
    for (qsizetype i = 0; i < value.size(); ++i) {
        QChar c = value.at(i);
        if (c == u'\\' && i + 1 < value.size()) {
            c = value.at(++i);
            c = c == u's' ? QChar(u' ') : c == u'n' ? QChar(u'\n') : c == u't' ? QChar(u'\t') : c == u'r' ? QChar(u'\r') : c;
        }
        text += c;
    }
    return text;
}

// The first argument of an Exec value (string escapes already read back).
QString firstArgument(const QString &exec)
{
    const QString line = exec.trimmed();
    if (!line.startsWith(u'"'))
        return line.section(u' ', 0, 0);
    QString argument;
    for (qsizetype i = 1; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (c == u'"')
            return argument;
        if (c == u'\\' && i + 1 < line.size())
            argument += line.at(++i);
        else
            argument += c;
    }
    return QString();
}

// The value of a key in the [Desktop Entry] group; nothing when absent.
QString entryValue(const QString &entry, const QString &key)
{
    bool inMainGroup = false;
    for (const QString &line : LineSplitter::split(entry)) {
        if (line.startsWith(u'['))
            inMainGroup = line.trimmed() == u"[Desktop Entry]";
        else if (inMainGroup && line.section(u'=', 0, 0).trimmed() == key && line.contains(u'='))
            return unescaped(line.section(u'=', 1).trimmed());
    }
    return QString();
}

} // namespace

namespace DesktopEntryText {

QString forProgram(const QString &exec, const QString &mimeType)
{
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Varnel\n"
                          "GenericName=Flowchart Programming\n"
                          "GenericName[tr]=Akış Şeması Programlama\n"
                          "Comment=Write programs as flowcharts and run them\n"
                          "Comment[tr]=Akış şemalarıyla program yazın ve çalıştırın\n"
                          "Exec=%1 %f\n"
                          "TryExec=%2\n"
                          "Icon=varnel\n"
                          "Terminal=false\n"
                          "StartupNotify=true\n"
                          "MimeType=%3;\n"
                          "Categories=Education;ComputerScience;\n"
                          "Keywords=flowchart;programming;algorithm;\n"
                          "Keywords[tr]=akış şeması;programlama;algoritma;\n")
        .arg(execArgument(exec), stringValue(exec), mimeType);
}

QString programOf(const QString &entry)
{
    const QString tryExec = entryValue(entry, QStringLiteral("TryExec"));
    return tryExec.isEmpty() ? firstArgument(entryValue(entry, QStringLiteral("Exec"))) : tryExec;
}

bool opensType(const QString &entry, const QString &mimeType)
{
    return entryValue(entry, QStringLiteral("MimeType")).split(u';').contains(mimeType);
}

} // namespace DesktopEntryText
