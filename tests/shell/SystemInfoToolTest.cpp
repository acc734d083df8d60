#include "shell/SystemInfoTool.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void addProgram(const QTemporaryDir &dir, const QString &name)
{
    QFile file(dir.filePath(name));
    file.open(QIODevice::WriteOnly);
    file.write("#!/bin/sh\n");
    file.close();
    file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
}

} // namespace

TEST(SystemInfoToolTest, NoneInstalled)
{
    QTemporaryDir bin;
    const SystemInfoTool tool({bin.path()});
    EXPECT_TRUE(tool.command().program.isEmpty());
    EXPECT_FALSE(tool.start());
    EXPECT_EQ(SystemInfoTool::unavailableMessage(), QStringLiteral("Sistem Bilgisi Şu An Kullanılamıyor"));
}

TEST(SystemInfoToolTest, TheBestKnownProgramWinsAndGetsItsArguments)
{
    QTemporaryDir bin;
    addProgram(bin, QStringLiteral("gnome-control-center"));
    const SystemInfoTool tool({bin.path()});
    EXPECT_EQ(tool.command().program, bin.filePath(QStringLiteral("gnome-control-center")));
    EXPECT_EQ(tool.command().arguments, QStringList{QStringLiteral("info-overview")});

    addProgram(bin, QStringLiteral("hardinfo"));
    EXPECT_EQ(tool.command().program, bin.filePath(QStringLiteral("hardinfo")));
    EXPECT_TRUE(tool.command().arguments.isEmpty());
    EXPECT_TRUE(tool.start());
}

TEST(SystemInfoToolTest, AFileWithoutRunPermissionIsNotAProgram)
{
    QTemporaryDir bin;
    QFile(bin.filePath(QStringLiteral("hardinfo"))).open(QIODevice::WriteOnly);
    EXPECT_TRUE(SystemInfoTool({bin.path()}).command().program.isEmpty());
}
