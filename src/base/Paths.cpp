#include "base/Paths.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

bool isSeparator(QChar c)
{
    return c == u'/' || c == u'\\';
}

qsizetype lastSeparator(const QString &path)
{
    return std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
}

} // namespace

namespace Paths {

bool fileExists(const QString &path)
{
    return !path.isEmpty() && QFileInfo::exists(path);
}

QString AddSlash(const QString &text)
{
    if (!text.isEmpty() && isSeparator(text.back()))
        return text;
    return text + u'/';
}

bool myChDir(const QString &path)
{
    return !path.isEmpty() && QDir::setCurrent(path);
}

QString fileNameOf(const QString &path)
{
    return path.mid(lastSeparator(path) + 1);
}

QString folderOf(const QString &path)
{
    return path.left(lastSeparator(path) + 1);
}

bool isAbsolute(const QString &text)
{
    return text.startsWith(u'/') || text.startsWith(QLatin1String("\\\\"))
        || (text.size() >= 2 && text.at(1) == u':');
}

QString resolveProjectPath(const QString &text, const QString &projectFolder)
{
    if (text.isEmpty())
        return QString();
    // An absolute path is never tried behind the project folder: "/a" + "/b" would name a
    // real file on this system, where the drive-letter form could not.
    if (isAbsolute(text))
        return fileExists(text) ? text : QString();
    const QString candidate = projectFolder + text;
    return fileExists(candidate) ? candidate : QString();
}

} // namespace Paths
