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

// The core is tested without a display, the drawing library is shared by the desktop program and
// the terminal runner, and the terminal runner makes no window: none of them may reach upwards.
TEST(FolderLayersTest, NoLayerReachesAboveItself)
{
    const QStringList core{QStringLiteral("base"),  QStringLiteral("model"),   QStringLiteral("project"),
                           QStringLiteral("interp"), QStringLiteral("guiwin"), QStringLiteral("shell"),
                           QStringLiteral("codegen"), QStringLiteral("exercise")};
    const QStringList above{QStringLiteral("render"), QStringLiteral("runner"), QStringLiteral("ui"),
                            QStringLiteral("app")};
    const struct {
        QStringList layers;
        QStringList forbidden; // top folders; ui stands for each of its rooms
    } rules[] = {
        {core, above},
        {{QStringLiteral("render")}, {QStringLiteral("runner"), QStringLiteral("ui"), QStringLiteral("app")}},
        {{QStringLiteral("runner")}, {QStringLiteral("ui"), QStringLiteral("app")}},
    };
    const QDir src(QStringLiteral(VARNEL_SOURCE_DATA "/../src"));
    const Graph graph = includeGraph(src);
    for (const auto &rule : rules) {
        for (const QString &layer : rule.layers) {
            EXPECT_TRUE(src.exists(layer)) << layer.toStdString();
            for (const QString &reached : reachable(graph, layer))
                EXPECT_FALSE(rule.forbidden.contains(reached.section(u'/', 0, 0)))
                    << layer.toStdString() << " reaches " << reached.toStdString();
        }
    }
}

} // namespace
