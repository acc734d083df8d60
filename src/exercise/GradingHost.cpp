#include "exercise/GradingHost.h"

#include "base/MessageLog.h"
#include "model/cBlock.h"

bool GradingHost::openWindow(cBlock *block)
{
    m_log.mBox(QStringLiteral("Nesne: ") + block->TagID()
               + QStringLiteral(" - pencere açan şemalar alıştırma testlerinde çalıştırılamaz."));
    return false;
}
