#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

namespace {

using Graph = QMap<QString, QSet<QString>>;

// The layer a file or include path belongs to: its top folder, or for the desktop program's
// widgets (ui/) the room below it, so that the rooms of ui/ are layered among themselves too.
QString layerOf(const QString &path)
{
    const QStringList parts = path.split(u'/');
    if (parts.size() > 2 && parts.first() == QLatin1String("ui"))
        return parts[0] + u'/' + parts[1];
    return parts.first();
}

// Which other layers the files of each layer include.
Graph includeGraph(const QDir &src)
{
    static const QRegularExpression include(QStringLiteral("^#include \"([a-z]+/[A-Za-z]+/?)"),
                                            QRegularExpression::MultilineOption);
    Graph graph;
    QDirIterator files(src.path(), {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        const QString folder = layerOf(src.relativeFilePath(path));
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        auto matches = include.globalMatch(QString::fromUtf8(file.readAll()));
        while (matches.hasNext()) {
            const QString target = layerOf(matches.next().captured(1));
            if (target != folder)
                graph[folder].insert(target);
        }
    }
    return graph;
}

QSet<QString> reachable(const Graph &graph, const QString &from)
{
    QSet<QString> seen;
    QStringList pending{from};
    while (!pending.isEmpty()) {
        for (const QString &next : graph.value(pending.takeLast())) {
            if (!seen.contains(next)) {
                seen.insert(next);
                pending.append(next);
            }
        }
    }
    return seen;
}

TEST(FolderLayersTest, NoFolderIncludesOneThatIncludesItBack)
{
    const QDir src(QStringLiteral(VARNEL_SOURCE_DATA "/../src"));
    ASSERT_TRUE(src.exists(QStringLiteral("base")));
    const Graph graph = includeGraph(src);
    for (auto it = graph.cbegin(); it != graph.cend(); ++it)
        EXPECT_FALSE(reachable(graph, it.key()).contains(it.key())) << it.key().toStdString();
    EXPECT_TRUE(graph.value(QStringLiteral("base")).isEmpty());
    EXPECT_TRUE(graph.contains(QStringLiteral("ui/main")));
}

} // namespace
