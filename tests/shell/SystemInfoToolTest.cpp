#include "shell/SystemInfoTool.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(SystemInfoToolTest, TheBestKnownInstalledProgramWithItsArguments)
{
    QTemporaryDir bin;
    const SystemInfoTool tool({bin.path()});
    const auto add = [&bin](const char *name, bool runnable) {
        QFile file(bin.filePath(QLatin1String(name)));
        file.open(QIODevice::WriteOnly);
        file.write("#!/bin/sh\n");
        file.close();
        if (runnable)
            file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    };
    add("hardinfo2", false);
    EXPECT_TRUE(tool.command().program.isEmpty());
    EXPECT_FALSE(tool.start());

    add("gnome-control-center", true);
    EXPECT_EQ(tool.command().arguments, QStringList{QStringLiteral("info-overview")});
    add("hardinfo", true);
    EXPECT_EQ(tool.command().program, bin.filePath(QStringLiteral("hardinfo")));
    EXPECT_TRUE(tool.command().arguments.isEmpty());
}
