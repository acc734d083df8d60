#include "runner/TerminalHost.h"

#include "model/cBlock.h"
#include "base/MessageLog.h"

bool TerminalHost::openWindow(cBlock *block)
{
    m_log.mBox(QStringLiteral("Nesne: ") + block->TagID()
               + QStringLiteral(" - pencereler yalnızca masaüstü programında açılabilir."));
    return false;
}
