#include "shell/SystemInfoTool.h"

#include <QProcess>
#include <QStandardPaths>

#include <array>

namespace {

struct KnownTool {
    const char *name;
    const char *argument;
};

// Programs that show the machine's hardware and system summary, best first.
constexpr std::array<KnownTool, 6> kKnownTools{{
    {"hardinfo2", nullptr},
    {"hardinfo", nullptr},
    {"kinfocenter", nullptr},
    {"gnome-control-center", "info-overview"},
    {"xfce4-about", nullptr},
    {"cpu-x", nullptr},
}};

} // namespace

SystemInfoTool::SystemInfoTool(QStringList searchPaths)
    : m_searchPaths(std::move(searchPaths))
{
}

SystemInfoTool::Command SystemInfoTool::command() const
{
    for (const KnownTool &tool : kKnownTools) {
        const QString found = QStandardPaths::findExecutable(QLatin1String(tool.name), m_searchPaths);
        if (!found.isEmpty())
            return {found, tool.argument ? QStringList{QLatin1String(tool.argument)} : QStringList{}};
    }
    return {};
}

bool SystemInfoTool::start() const
{
    const Command found = command();
    return !found.program.isEmpty() && QProcess::startDetached(found.program, found.arguments);
}
