#include "exercise/TestResult.h"

QString TestResult::word(Ending ending)
{
    switch (ending) {
    case Ending::TimeLimit:
        return QStringLiteral("süre aşıldı");
    case Ending::BlockLimit:
        return QStringLiteral("blok sınırı");
    case Ending::InputEnded:
        return QStringLiteral("girdi bitti");
    case Ending::OutputLimit:
        return QStringLiteral("çıktı sınırı");
    case Ending::Cancelled:
        return QStringLiteral("durduruldu");
    case Ending::Crashed:
        return QStringLiteral("çöktü");
    case Ending::Passed:
    case Ending::Different:
    case Ending::Error:
    case Ending::NotLoaded:
        break;
    }
    return QString();
}
