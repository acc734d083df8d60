#include "shell/StartUp.h"

#include "base/FileErrors.h"
#include "base/Paths.h"
#include "shell/SettingsLocation.h"
#include "shell/SettingsModule.h"

namespace {

// A request in double quotes loses them; a lone opening quote keeps the request's last
// character, which is part of the name.
QString withoutQuotes(const QString &request)
{
    if (!request.startsWith(u'"'))
        return request;
    QString inner = request.mid(1);
    if (inner.endsWith(u'"'))
        inner.chop(1);
    return inner;
}

bool shouldAssociate(const SettingsModule &settings)
{
    return settings.getINISetting(QStringLiteral("SHOULD_ASSOCIATE"))
               .compare(u"ASSOCIATE_IF_REQUIRED=YES", Qt::CaseInsensitive)
        == 0;
}

// An admin turns the association off for every user and every copy of the program with the
// system settings file; its other lines are only defaults.
bool systemForbidsAssociation(const SettingsLocation &location)
{
    for (const QString &file : location.systemFiles()) {
        SettingsModule system;
        const SettingsModule::FileState state = system.readFile(file);
        if (state == SettingsModule::FileState::Read)
            return !shouldAssociate(system);
        if (state != SettingsModule::FileState::Missing)
            return false;
    }
    return false;
}

QString resolveFromCommandLine(const QString &request, const QString &startFolder)
{
    if (startFolder.isEmpty() || Paths::isAbsolute(request))
        return QString();
    return Paths::resolveProjectPath(request, Paths::AddSlash(startFolder));
}

} // namespace

namespace StartUp {

QString requestFromArguments(const QStringList &arguments)
{
    return arguments.join(u' ');
}

StartPlan decide(const QString &rawRequest, const QString &programFolder,
                 const QString &exeBaseName, SettingsModule &settings, const QString &startFolder)
{
    QString request = rawRequest.trimmed();
    Paths::myChDir(programFolder);
    settings.setProgramFolder(programFolder);
    const SettingsLocation location(programFolder, exeBaseName);
    settings.load(location);

    StartPlan plan;
    plan.settingsNotice = settings.notice();
    bool startUpFlow = false;
    if (request.isEmpty()) {
        request = settings.getINISetting(QStringLiteral("START_UP_FLOW")).trimmed();
        startUpFlow = !request.isEmpty();
    }
    if (request.isEmpty()) {
        plan.runAssociation = shouldAssociate(settings) && !systemForbidsAssociation(location);
        return plan;
    }
    request = withoutQuotes(request);
    plan.projectFolder = Paths::AddSlash(programFolder);
    if (!startUpFlow)
        plan.path = resolveFromCommandLine(request, startFolder);
    if (plan.path.isEmpty())
        plan.path = Paths::resolveProjectPath(request, plan.projectFolder);
    if (plan.path.isEmpty()) {
        plan.mode = StartPlan::Mode::FileNotFound;
        plan.notFoundMessage = FileErrors::notFound(request);
    } else {
        plan.mode = startUpFlow ? StartPlan::Mode::StartUpFlow : StartPlan::Mode::EditorWithFile;
    }
    return plan;
}

} // namespace StartUp
