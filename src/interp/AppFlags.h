#pragma once

// Process-wide flags shared by run control, the console, the message box and the run-time
// window. The message box's own flag lives in MessageLog.
struct AppFlags {
    bool startUpFlowMode = false;
    bool runFinished = false;
    bool screenShown = false;
    bool windowLoaded = false;
    bool windowShown = false;
    bool inWindowResize = false;
    bool windowClosedByRun = false;
};
