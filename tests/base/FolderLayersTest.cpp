#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

namespace {

using Graph = QMap<QString, QSet<QString>>;

// Which other source folders the files of each folder include.
Graph includeGraph(const QDir &src)
{
    static const QRegularExpression include(QStringLiteral("^#include \"([a-z]+)/"),
                                            QRegularExpression::MultilineOption);
    Graph graph;
    QDirIterator files(src.path(), {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        const QString folder = src.relativeFilePath(path).section(u'/', 0, 0);
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        auto matches = include.globalMatch(QString::fromUtf8(file.readAll()));
        while (matches.hasNext()) {
            const QString target = matches.next().captured(1);
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
}

} // namespace
