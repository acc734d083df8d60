#include "interp/Runtime.h"

Runtime::Runtime(Project &project, MessageLog &log, RunHost &host)
    : vars(&log),
      stack(&log),
      run({project, vars, console, stack, log, host, flags}),
      interpreter(run.interpreter())
{
    stack.setRunHooks([this] { return run.runInProgress(); }, [this] { run.endRun(); });
}
