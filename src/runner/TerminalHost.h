#pragma once

#include "interp/RunHost.h"

class MessageLog;

// The screen of the terminal runner: nothing to select or show, no dialogs, no windows.
class TerminalHost : public RunHost {
public:
    explicit TerminalHost(MessageLog &log) : m_log(log) {}

    bool openWindow(cBlock *block) override;

private:
    MessageLog &m_log;
};
