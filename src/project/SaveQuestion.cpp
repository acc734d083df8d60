#include "project/SaveQuestion.h"

#include "base/Paths.h"

QString SaveQuestion::text(const QString &projectPath)
{
    QString name = Paths::fileNameOf(projectPath);
    if (name.isEmpty())
        name = QStringLiteral("Adsız");
    return name + QStringLiteral(" projesi kaydedilmemiş!\r\n\r\nDeğişiklikler kaydedilsin mi?");
}

SaveQuestion::Step SaveQuestion::stepFor(Answer answer)
{
    switch (answer) {
    case Answer::Yes:
        return Step::SaveFirst;
    case Answer::No:
        return Step::Proceed;
    case Answer::Cancel:
        break;
    }
    return Step::Stop;
}
