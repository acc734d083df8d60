#pragma once

#include "base/MessageLog.h"
#include "interp/RunHost.h"
#include "interp/Runtime.h"
#include "model/EditOperations.h"
#include "project/Project.h"
#include "ui/main/ProjectCommands.h"
#include "ui/main/RecoveryCommands.h"

#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QWidget>
#include <gtest/gtest.h>

#include <deque>
#include <memory>

// Dialog answers given in advance; every dialog shown is recorded, in order.
class ScriptedDialogs final : public ProjectDialogs {
public:
    QStringList shown;
    std::deque<SaveQuestion::Answer> saveAnswers;
    QString openAnswer;
    QString saveAnswer;
    bool restoreAnswer = false;
    QString lastOpenFolder;
    QString lastProposedPath;
    QString lastQuestion;

    QString openFile(const QString &folder) override
    {
        shown << QStringLiteral("open");
        lastOpenFolder = folder;
        return openAnswer;
    }
    QString saveFile(const QString &proposedPath) override
    {
        shown << QStringLiteral("saveAs");
        lastProposedPath = proposedPath;
        return saveAnswer;
    }
    SaveQuestion::Answer askSave(const QString &title, const QString &text) override
    {
        shown << title;
        lastQuestion = text;
        if (saveAnswers.empty())
            return SaveQuestion::Answer::Cancel;
        const SaveQuestion::Answer answer = saveAnswers.front();
        saveAnswers.pop_front();
        return answer;
    }
    bool askRestore(const QString &title, const QString &text) override
    {
        shown << title;
        lastQuestion = text;
        return restoreAnswer;
    }
    void notify(const QString &text) override { shown << text; }
};

// The project commands over a project of their own, with every file they touch (program folder
// with template and examples, settings, recovery copies) in a temporary folder.
class ProjectCommandsFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir().mkpath(programFolder() + QStringLiteral("Examples")));
        copyData(QStringLiteral("NEW_TEMPLATE.vnp"));
        copyData(QStringLiteral("Examples/test00_hello.vnp"));
        copyData(QStringLiteral("Examples/test05_if.vnp"));
        auto scripted = std::make_unique<ScriptedDialogs>();
        dialogs = scripted.get();
        commands = std::make_unique<ProjectCommands>(project, runtime.run, &window, actions.file, std::move(scripted),
                                                     places());
        commands->setUndoStack(&undoStack);
    }

    void TearDown() override
    {
        if (runtime.run.runInProgress())
            runtime.run.TerminateExecution();
    }

    QString programFolder() const { return dir.filePath(QStringLiteral("program")) + u'/'; }
    QString temp(const QString &name) const { return dir.filePath(name); }
    QString example(const QString &file) const { return programFolder() + QStringLiteral("Examples/") + file; }

    ProjectCommands::Places places() const
    {
        return ProjectCommands::Places{programFolder(), DataLocator(programFolder()),
                                       dir.filePath(QStringLiteral("config/varnel.conf")),
                                       dir.filePath(QStringLiteral("state/recovery"))};
    }

    void copyData(const QString &name) const
    {
        ASSERT_TRUE(QFile::copy(QStringLiteral(VARNEL_SOURCE_DATA "/") + name, programFolder() + name)) << name.toStdString();
    }

    // A chart of the temporary folder (a copy of the hello example), open and then changed.
    QString openChanged(const QString &name = QStringLiteral("mine.vnp"))
    {
        const QString path = temp(name);
        QFile::remove(path);
        EXPECT_TRUE(QFile::copy(example(QStringLiteral("test00_hello.vnp")), path));
        EXPECT_TRUE(commands->openFile(path));
        change();
        return path;
    }

    // An edit of the kind the editor makes: the first block moves.
    void change()
    {
        const qint16 element = (*project.theBlockCollection().begin())->theObjectShape();
        edits.moveBlock(element, 300, 200);
        undoStack.push(new QUndoCommand(QStringLiteral("move")));
        ASSERT_TRUE(project.projectModified());
    }

    QByteArray bytesOf(const QString &path) const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QAction *entry(const char *name) const { return window.findChild<QAction *>(QString::fromLatin1(name)); }

    QTemporaryDir dir;
    MessageLog log;
    Project project{&log};
    RunHost host;
    Runtime runtime{project, log, host};
    EditOperations edits{project.context(), project.theBlockCollection(), project.theLineCollection(), &log};
    QWidget window;
    MainActions actions{&window};
    QUndoStack undoStack;
    ScriptedDialogs *dialogs = nullptr;
    std::unique_ptr<ProjectCommands> commands;
};
