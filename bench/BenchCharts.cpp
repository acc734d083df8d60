#include "BenchCharts.h"

#include "model/cBlock.h"

#include <QTemporaryDir>
#include <QThread>

namespace {

struct KindLook {
    qint16 shape;
    int width;
    int height;
};

KindLook lookOf(ChartBuilder::Kind kind)
{
    switch (kind) {
    case ChartBuilder::Kind::Start:
    case ChartBuilder::Kind::End:
        return {2, 70, 30};
    case ChartBuilder::Kind::Action:
        return {0, 70, 30};
    case ChartBuilder::Kind::Output:
        return {91, 90, 40};
    case ChartBuilder::Kind::Condition:
        return {92, 112, 50};
    case ChartBuilder::Kind::Intersection:
        return {3, 10, 10};
    case ChartBuilder::Kind::Function:
        return {93, 90, 40};
    }
    return {0, 70, 30};
}

const QString Yes = QStringLiteral("EVET");
const QString No = QStringLiteral("HAYIR");

} // namespace

ChartBuilder::ChartBuilder()
{
    m_project.setTrackCurrentBlock(true);
}

QString ChartBuilder::block(Kind kind, const QString &zAction, const QString &p1, const QString &p2,
                            const QString &p3)
{
    // Columns of a hundred blocks keep the positions within what a drawing holds.
    const float left = float(40 + (m_placed / 100) * 160);
    const float top = float(30 + (m_placed % 100) * 80);
    ++m_placed;
    const QString tag = QStringLiteral("id") + QString::number(m_placed);
    const KindLook look = lookOf(kind);
    cBlock *b = m_project.theBlockCollection().AddShape(look.shape, tag, left, top);
    b->setShapeWidth(look.width);
    b->setShapeHeight(look.height);
    b->setZAction(zAction);
    b->setZParam1(p1);
    b->setZParam2(p2);
    b->setZParam3(p3);
    return tag;
}

void ChartBuilder::line(const QString &from, const QString &to, const QString &caption)
{
    m_project.theLineCollection().AddLine(from, to, caption);
}

bool ChartBuilder::save(const QString &path)
{
    return m_project.saveProjectFile(path);
}

namespace BenchCharts {

using Kind = ChartBuilder::Kind;

// The loop shared by the counting and the output charts; the output chart prints a line after
// each addition.
static bool writeLoop(const QString &path, int count, bool withOutput)
{
    ChartBuilder c;
    const QString start = c.block(Kind::Start, QStringLiteral("START"));
    const QString init = c.block(Kind::Action, QStringLiteral("DEFINITION"), QStringLiteral("i"), QStringLiteral("0"));
    const QString join = c.block(Kind::Intersection, QStringLiteral("INTERSECTION"));
    const QString add = c.block(Kind::Action, QStringLiteral("ADD"), QStringLiteral("i"), QStringLiteral("1"),
                                QStringLiteral("i"));
    const QString test = c.block(Kind::Condition, QStringLiteral("IF_LESS"), QStringLiteral("i"),
                                 QString::number(count));
    const QString done = c.block(Kind::Output, QStringLiteral("OUTPUT"), QStringLiteral("i ="), QStringLiteral("i"));
    const QString stop = c.block(Kind::End, QStringLiteral("STOP"));
    c.line(start, init);
    c.line(init, join);
    c.line(join, add);
    if (withOutput) {
        const QString print = c.block(Kind::Output, QStringLiteral("OUTPUT"), QStringLiteral("satır"),
                                      QStringLiteral("i"));
        c.line(add, print);
        c.line(print, test);
    } else {
        c.line(add, test);
    }
    c.line(test, join, Yes);
    c.line(test, done, No);
    c.line(done, stop);
    return c.save(path);
}

bool writeCountingLoop(const QString &path, int count)
{
    return writeLoop(path, count, false);
}

bool writeOutputLoop(const QString &path, int count)
{
    return writeLoop(path, count, true);
}

bool writeChain(const QString &path, int blocks)
{
    ChartBuilder c;
    QString previous = c.block(Kind::Start, QStringLiteral("START"));
    auto chain = [&](const QString &tag) {
        c.line(previous, tag);
        previous = tag;
    };
    chain(c.block(Kind::Action, QStringLiteral("DEFINITION"), QStringLiteral("i"), QStringLiteral("0")));
    for (int n = 4; n < blocks; ++n)
        chain(c.block(Kind::Action, QStringLiteral("ADD"), QStringLiteral("i"), QStringLiteral("1"), QStringLiteral("i")));
    chain(c.block(Kind::Output, QStringLiteral("OUTPUT"), QString(), QStringLiteral("i")));
    chain(c.block(Kind::End, QStringLiteral("STOP")));
    return c.save(path);
}

const QString &sharedChain()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString p = dir.filePath(QStringLiteral("buyuk.vnp"));
        if (!writeChain(p, SharedChainBlocks))
            return QString();
        QThread::msleep(60);
        return p;
    }();
    return path;
}

bool writeRecursiveFunction(const QString &folder, const QString &name)
{
    ChartBuilder c;
    const QString start = c.block(Kind::Start, QStringLiteral("START"), QStringLiteral("k"));
    const QString take = c.block(Kind::Action, QStringLiteral("DEFINITION"), QStringLiteral("k"), QStringLiteral("PARAM"));
    const QString test = c.block(Kind::Condition, QStringLiteral("IF_GREATER"), QStringLiteral("k"), QStringLiteral("0"));
    const QString less = c.block(Kind::Action, QStringLiteral("SUBTRACT"), QStringLiteral("k"), QStringLiteral("1"),
                                 QStringLiteral("k"));
    const QString call = c.block(Kind::Function, QStringLiteral("FUNCTION"), name, QStringLiteral("k"));
    const QString join = c.block(Kind::Intersection, QStringLiteral("INTERSECTION"));
    const QString stop = c.block(Kind::End, QStringLiteral("STOP"));
    c.line(start, take);
    c.line(take, test);
    c.line(test, less, Yes);
    c.line(test, join, No);
    c.line(less, call);
    c.line(call, join);
    c.line(join, stop);
    return c.save(folder + QLatin1Char('/') + name + QStringLiteral(".vnp"));
}

bool writePaddedFunction(const QString &folder, const QString &name, int blocks)
{
    ChartBuilder c;
    QString previous;
    for (int n = 2; n < blocks; ++n) {
        const QString tag = c.block(Kind::Action, QStringLiteral("ADD"), QStringLiteral("i"), QStringLiteral("1"),
                                    QStringLiteral("i"));
        if (!previous.isEmpty())
            c.line(previous, tag);
        previous = tag;
    }
    const QString start = c.block(Kind::Start, QStringLiteral("START"));
    const QString stop = c.block(Kind::End, QStringLiteral("STOP"));
    c.line(start, stop);
    return c.save(folder + QLatin1Char('/') + name + QStringLiteral(".vnp"));
}

bool writeBouncingFunction(const QString &folder, const QString &name, const QString &other, int blocks)
{
    ChartBuilder c;
    QString previous;
    for (int n = 6; n < blocks; ++n) {
        const QString tag = c.block(Kind::Action, QStringLiteral("ADD"), QStringLiteral("i"), QStringLiteral("1"),
                                    QStringLiteral("i"));
        if (!previous.isEmpty())
            c.line(previous, tag);
        previous = tag;
    }
    const QString test = c.block(Kind::Condition, QStringLiteral("IF_GREATER"), QStringLiteral("PARAM"),
                                 QStringLiteral("0"));
    const QString less = c.block(Kind::Action, QStringLiteral("SUBTRACT"), QStringLiteral("PARAM"),
                                 QStringLiteral("1"), QStringLiteral("n"));
    const QString call = c.block(Kind::Function, QStringLiteral("FUNCTION"), other, QStringLiteral("n"));
    const QString join = c.block(Kind::Intersection, QStringLiteral("INTERSECTION"));
    const QString start = c.block(Kind::Start, QStringLiteral("START"));
    const QString stop = c.block(Kind::End, QStringLiteral("STOP"));
    c.line(start, test);
    c.line(test, less, Yes);
    c.line(test, join, No);
    c.line(less, call);
    c.line(call, join);
    c.line(join, stop);
    return c.save(folder + QLatin1Char('/') + name + QStringLiteral(".vnp"));
}

bool writeRecursiveCaller(const QString &path, const QString &name, int depth, int rounds)
{
    ChartBuilder c;
    const QString start = c.block(Kind::Start, QStringLiteral("START"));
    const QString init = c.block(Kind::Action, QStringLiteral("DEFINITION"), QStringLiteral("c"), QStringLiteral("0"));
    const QString join = c.block(Kind::Intersection, QStringLiteral("INTERSECTION"));
    const QString call = c.block(Kind::Function, QStringLiteral("FUNCTION"), name, QString::number(depth));
    const QString add = c.block(Kind::Action, QStringLiteral("ADD"), QStringLiteral("c"), QStringLiteral("1"),
                                QStringLiteral("c"));
    const QString test = c.block(Kind::Condition, QStringLiteral("IF_LESS"), QStringLiteral("c"),
                                 QString::number(rounds));
    const QString stop = c.block(Kind::End, QStringLiteral("STOP"));
    c.line(start, init);
    c.line(init, join);
    c.line(join, call);
    c.line(call, add);
    c.line(add, test);
    c.line(test, join, Yes);
    c.line(test, stop, No);
    return c.save(path);
}

}
