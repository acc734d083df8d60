#pragma once

class CallStack;
class ConsoleScreen;
class MessageLog;
class Project;
class RunHost;
class VariableStore;
struct AppFlags;

// The pieces a run works on, handed to run control, the tick and the function calls alike.
struct RunParts {
    Project &project;
    VariableStore &vars;
    ConsoleScreen &console;
    CallStack &stack;
    MessageLog &log;
    RunHost &host;
    AppFlags &flags;
};
