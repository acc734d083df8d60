#include "project/SaveQuestion.h"

#include "base/Paths.h"

#include <QCoreApplication>

QString SaveQuestion::title()
{
    return QCoreApplication::translate("SaveQuestion", "Kaydet?");
}

QString SaveQuestion::text(const QString &projectPath)
{
    QString name = Paths::fileNameOf(projectPath);
    if (name.isEmpty())
        name = QCoreApplication::translate("SaveQuestion", "Adsız");
    return QCoreApplication::translate("SaveQuestion",
                                       "%1 projesi kaydedilmemiş!\r\n\r\nDeğişiklikler kaydedilsin mi?")
        .arg(name);
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
