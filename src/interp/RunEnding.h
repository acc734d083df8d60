#pragma once

// What a run part needs to end the run it takes part in (run control provides it).
class RunEnding {
public:
    virtual bool runInProgress() const = 0;
    // Ends the run. Inside a tick it does not return: the tick unwinds and ends the run there.
    virtual void endRun() = 0;

protected:
    ~RunEnding() = default;
};
