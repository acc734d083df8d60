#include <QCoreApplication>
#include <QLocale>
#include <benchmark/benchmark.h>

#include "interp/Numbers.h"

// The interpreter's waits and timers need an application object; numbers follow one fixed
// locale so that figures compare between machines.
int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QLocale::setDefault(QLocale::c());
    Numbers::useLocale(QLocale::c());
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
