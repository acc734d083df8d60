#include "ChartRun.h"

ChartRun::ChartRun()
{
    project.setTrackCurrentBlock(false);
    runtime.run.setDelay(0);
}

bool ChartRun::load(const QString &path)
{
    return project.load_FILE(path);
}

bool ChartRun::run()
{
    runtime.run.cmdRun_ClickP();
    return runtime.run.completedNormally() && log.text().isEmpty();
}

QString ChartRun::failure() const
{
    return log.text().isEmpty() ? QStringLiteral("the run did not reach its END") : log.text();
}

bool ChartRun::runEach(benchmark::State &state)
{
    for (auto _ : state) {
        if (!run()) {
            state.SkipWithError(failure().toUtf8().constData());
            return false;
        }
    }
    return true;
}
