#pragma once

#include "interp/RunParts.h"

#include <QString>
#include <deque>

class RunControl;
class cBlock;

// The run-time rules of the one open window, apart from its widgets: the load sequence's
// flags, the event functions (on load, on resize, the objects' events) and what closing does.
//
// An event function runs as a call of another chart from the window's WINDOW block, with the
// window's event frame on the stack. Only one runs at a time: an object event that arrives
// while one is running (a second click, a click during on-load) waits and runs once the run is
// back at the WINDOW block, and a resize meanwhile does not call the on-resize function. A
// user's close meanwhile hides the window and takes effect at the WINDOW block too, so the
// running function never loses its window and the stack is never left with a frame whose
// return point has moved on.
class WindowSession {
public:
    enum class Close { Ignore, Resume, AfterFunction };

    WindowSession(RunParts parts, RunControl &run);

    // Before the window's objects are made: the window counts as loaded, the chart that opens
    // it is remembered, and the block's on-load and on-resize function names are read.
    void beginLoad(const cBlock &windowBlock);
    // Once the objects stand: the on-load function runs, and only then is loading complete, so
    // a resize during on-load calls nothing.
    void finishLoad();
    bool loadComplete() const { return m_loadComplete; }
    bool eventRunning() const { return m_eventRunning; }
    int pendingEvents() const { return int(m_pending.size()); }
    const QString &onLoad() const { return m_onLoad; }
    const QString &onResize() const { return m_onResize; }

    void activated();
    void resized(bool minimised);
    // What a close by the user or by the program asks of the window.
    Close closeRequested();
    // The window is gone: flags down, nothing waits any more.
    void unloaded();
    // The run (after a user's close) goes on after the WINDOW block it waits at.
    void resumeAfterWindow(quint64 runSerial);

    // The run reached the loaded window's WINDOW block again. False when a close is pending:
    // the window is to be unloaded and the run resumed.
    bool returnedToWindow();

    // An object's event: its function with the parameter text; none (empty name) does nothing.
    void objectEvent(const QString &function, const QString &parameter);
    void callEventFunction(const QString &name, const QString &parameter);

private:
    struct Event {
        QString function;
        QString parameter;
    };
    bool callBuiltIn(const QString &name, const QString &parameter);
    void pushEventFrame(const cBlock &current, const QString &parameter);
    bool loadFunction(const QString &fileName);
    void runNextPending();

    RunParts m_parts;
    RunControl &m_run;
    QString m_onLoad;
    QString m_onResize;
    QString m_opener;
    bool m_loadComplete = false;
    bool m_eventRunning = false;
    bool m_closePending = false;
    std::deque<Event> m_pending;
};
