#pragma once

#include "interp/RunHost.h"
#include "ui/guiwin/RunWindowHost.h"

#include <memory>

// A screen that has nothing but the run-time window, as the desktop program's host has it. The
// window host is made after the runtime that needs this host, so it is set afterwards.
class WindowOnlyHost : public RunHost {
public:
    bool openWindow(cBlock *block) override { return windows->openWindow(block); }
    bool windowLoaded() const override { return windows->windowLoaded(); }
    bool processObjectDefinition(const QString &target, const QString &source) override
    {
        return windows->processObjectDefinition(target, source);
    }
    void closeWindowForTermination() override { windows->closeWindowForTermination(); }

    std::unique_ptr<RunWindowHost> windows;
};
