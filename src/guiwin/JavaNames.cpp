#include "guiwin/JavaNames.h"

#include <QSet>

#include <algorithm>

namespace {

bool isLetter(QChar c)
{
    if (c.unicode() < 0x80)
        return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
    // Latin-1 letters and Latin Extended-A and -B: letters in every Unicode version Java knows.
    return c.unicode() <= 0x024F && c.isLetter();
}

bool isJavaNameDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isPart(QChar c)
{
    return isLetter(c) || isJavaNameDigit(c) || c == u'_';
}

} // namespace

bool JavaNames::isIdentifier(const QString &name)
{
    if (name.isEmpty() || isJavaNameDigit(name.front()))
        return false;
    return std::all_of(name.begin(), name.end(), isPart);
}

bool JavaNames::isReserved(const QString &name)
{
    // The keywords and literals, the words a statement may start with, and the names the
    // generated program itself uses (a field of such a name would hide them).
    static const QSet<QString> reserved = {
        "_", "abstract", "assert", "boolean", "break", "byte", "case", "catch", "char", "class", "const",
        "continue", "default", "do", "double", "else", "enum", "extends", "false", "final", "finally",
        "float", "for", "goto", "if", "implements", "import", "instanceof", "int", "interface", "long",
        "native", "new", "null", "package", "permits", "private", "protected", "public", "record",
        "return", "sealed", "short", "static", "strictfp", "super", "switch", "synchronized", "this",
        "throw", "throws", "transient", "true", "try", "var", "void", "volatile", "when", "while",
        "yield", "ActionEvent", "ActionListener", "Exception", "GuiTest", "JButton", "JFrame",
        "JPanel", "JTextField", "L", "Object", "String", "System", "UIManager", "WindowAdapter",
        "WindowEvent", "WindowListener", "args", "e", "pMain", "src",
    };
    return reserved.contains(name);
}

QString JavaNames::sanitized(const QString &name)
{
    if (name.isEmpty())
        return QStringLiteral("nesne");
    QString out;
    out.reserve(name.size() + 1);
    if (isJavaNameDigit(name.front()))
        out += u'_';
    for (const QChar c : name)
        out += isPart(c) ? c : QChar(u'_');
    if (isReserved(out))
        out += u'_';
    return out;
}

QStringList JavaNames::identifiers(const QStringList &names)
{
    QStringList result(names.size());
    QSet<QString> taken;
    // Names that are fine keep them first, so that no changed name can take one away.
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString &name = names[i];
        if (isIdentifier(name) && !isReserved(name) && !taken.contains(name)) {
            result[i] = name;
            taken.insert(name);
        }
    }
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (!result[i].isEmpty())
            continue;
        const QString base = sanitized(names[i]);
        QString candidate = base;
        for (int n = 2; taken.contains(candidate); ++n)
            candidate = base + u'_' + QString::number(n);
        result[i] = candidate;
        taken.insert(candidate);
    }
    return result;
}
