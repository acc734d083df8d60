// Writes the chain chart of the given number of blocks, for measuring the terminal runner:
//   bench_make_chart FILE.vnp BLOCKS
// The chart prints one line, the number of additions (BLOCKS - 4).

#include "BenchCharts.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    bool ok = false;
    const int blocks = args.size() == 3 ? args.at(2).toInt(&ok) : 0;
    if (!ok || blocks < 4) {
        std::fputs("usage: bench_make_chart FILE.vnp BLOCKS (at least 4)\n", stderr);
        return 2;
    }
    return BenchCharts::writeChain(args.at(1), blocks) ? 0 : 1;
}
