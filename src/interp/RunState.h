#pragma once

#include <QtGlobal>

class cBlock;

// The run under way, as run control, the tick and the chart calls share it. Each reads what it
// needs; run control starts and ends the run, the tick says whether it is inside one and moves
// the current block on, and the chart calls keep the depth and say when the main chart ended.
struct RunState {
    cBlock *currentBlock = nullptr;
    // Changes with every run, so code that waited can tell that its run is over.
    quint64 serial = 0;
    // From the start of a run until it ends, even while a call has replaced the drawing and no
    // block is current yet.
    bool running = false;
    // The main chart's END block ended the last run (as opposed to an error or the stop button).
    bool completed = false;
    bool inTick = false;
    // Inside a tick, waiting in a nested event loop (or calling out to the screen, which may).
    bool waiting = false;
    // How many chart calls are under way (0 in the main chart).
    int depth = 0;

    bool stillRunning(quint64 run) const { return running && serial == run; }
    // Inside a tick and not waiting: an ending run may unwind to the tick.
    bool canUnwind() const { return inTick && !waiting; }
};
