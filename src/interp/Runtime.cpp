#include "interp/Runtime.h"

Runtime::Runtime(Project &project, MessageLog &log, RunHost &host)
    : vars(&log),
      run({project, vars, console, stack, log, host, flags}),
      stack(&log, run),
      interpreter(run.interpreter())
{
}
