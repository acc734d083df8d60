#pragma once

#include "interp/ChartBuilder.h"

// A chart that counts i from 0 up to limit in a loop, then ends: the speed case of the window.
inline bool writeCountingLoop(const ChartTest::ChartFolder &folder, const QString &fileName, const QString &limit)
{
    return folder.write(fileName, [&limit](ChartTest::ChartBuilder &chart) {
        const QString start = chart.add(QStringLiteral("START"));
        const QString zero = chart.add(QStringLiteral("DEFINITION"), QStringLiteral("i"), QStringLiteral("0"));
        const QString add = chart.add(QStringLiteral("ADD"), QStringLiteral("i"), QStringLiteral("1"), QStringLiteral("i"));
        const QString test = chart.add(QStringLiteral("IF_LESS"), QStringLiteral("i"), limit);
        const QString stop = chart.add(QStringLiteral("STOP"));
        chart.link(start, zero);
        chart.link(zero, add);
        chart.link(add, test);
        chart.link(test, add, QStringLiteral("EVET"));
        chart.link(test, stop, QStringLiteral("HAYIR"));
    });
}
