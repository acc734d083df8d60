#pragma once

#include "interp/RunHost.h"

class MessageLog;

// The screen of a test run: nothing is shown, no dialog answers, no window opens (a chart that
// opens one cannot be tested and fails with this host's message).
class GradingHost : public RunHost {
public:
    explicit GradingHost(MessageLog &log) : m_log(log) {}

    bool openWindow(cBlock *block) override;

private:
    MessageLog &m_log;
};
