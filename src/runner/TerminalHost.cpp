#include "runner/TerminalHost.h"

#include "model/cBlock.h"
#include "base/MessageLog.h"

bool TerminalHost::openWindow(cBlock *block)
{
    m_log.mBox(MessageText::of(QT_TRANSLATE_NOOP("Message", "Nesne: %1 - pencereler yalnızca masaüstü programında açılabilir."),
                               {block->TagID()}));
    return false;
}
