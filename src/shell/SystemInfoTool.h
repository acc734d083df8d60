#pragma once

#include <QString>
#include <QStringList>

// The system-information program of the about box: the first known one installed.
class SystemInfoTool {
public:
    struct Command {
        QString program; // full path; empty when none is installed
        QStringList arguments;
    };

    // searchPaths: where to look; the PATH when empty.
    explicit SystemInfoTool(QStringList searchPaths = {});

    Command command() const;
    // Starts it detached; false when none is installed or it could not be started.
    bool start() const;

    static QString unavailableMessage() { return QStringLiteral("Sistem Bilgisi Şu An Kullanılamıyor"); }

private:
    QStringList m_searchPaths;
};
