#pragma once

#include "interp/AppFlags.h"
#include "interp/CallStack.h"
#include "interp/ConsoleScreen.h"
#include "interp/RunControl.h"
#include "interp/VariableStore.h"

class MessageLog;
class Project;
class RunHost;

// The interpreter's parts wired together for one project, as the desktop program and the
// terminal runner both use them.
class Runtime {
public:
    Runtime(Project &project, MessageLog &log, RunHost &host);

    VariableStore vars;
    ConsoleScreen console;
    AppFlags flags;
    // Run control comes before the stack, which ends runs through it; run control only keeps
    // a reference to the stack until a run starts.
    RunControl run;
    CallStack stack;
    Interpreter &interpreter; // run control's own, which it ticks
};
