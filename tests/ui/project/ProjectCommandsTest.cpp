// The project commands: the save question before every replacement, New, Open, the examples,
// Save and Save As, failed saves, and the refusal while a program runs.

#include "ProjectCommandsFixture.h"

#include "model/cBlock.h"

using Answer = SaveQuestion::Answer;

namespace {

class ProjectCommandsTest : public ProjectCommandsFixture {};

} // namespace

TEST_F(ProjectCommandsTest, NothingUnsavedAsksNothing)
{
    commands->openExample(6);
    commands->newProject();
    dialogs->openAnswer = example(QStringLiteral("test05_if.vnp"));
    commands->openProject();
    EXPECT_EQ(dialogs->shown, QStringList{QStringLiteral("open")});
    EXPECT_EQ(project.projectPath(), example(QStringLiteral("test05_if.vnp")));
}

// Each answer to the question asked by Open over a changed, named chart.
TEST_F(ProjectCommandsTest, TheThreeAnswersOfTheSaveQuestion)
{
    const struct {
        Answer answer;
        bool opened;
        bool saved;
    } cases[] = {
        {Answer::Yes, true, true},
        {Answer::No, true, false},
        {Answer::Cancel, false, false},
    };
    for (const auto &c : cases) {
        const QString mine = openChanged();
        const QByteArray before = bytesOf(mine);
        dialogs->shown.clear();
        dialogs->saveAnswers = {c.answer};
        dialogs->openAnswer = example(QStringLiteral("test05_if.vnp"));
        commands->openProject();

        const int question = int(c.answer);
        EXPECT_EQ(dialogs->shown.first(), QStringLiteral("Kaydet?")) << question;
        EXPECT_EQ(dialogs->lastQuestion, QStringLiteral("mine.vnp projesi kaydedilmemiş!\r\n\r\nDeğişiklikler kaydedilsin mi?"));
        EXPECT_EQ(project.projectPath(), c.opened ? dialogs->openAnswer : mine) << question;
        EXPECT_EQ(project.projectModified(), !c.opened) << question;
        EXPECT_EQ(bytesOf(mine) != before, c.saved) << question;
    }
}

TEST_F(ProjectCommandsTest, YesOnAnUntitledChartAsksForANameAndCancellingThatCancelsEverything)
{
    commands->newProject();
    change();
    dialogs->saveAnswers = {Answer::Yes};
    dialogs->saveAnswer.clear(); // the Save As dialog is cancelled
    commands->openExample(6);

    EXPECT_EQ(dialogs->shown, (QStringList{QStringLiteral("Kaydet?"), QStringLiteral("saveAs")}));
    EXPECT_TRUE(dialogs->lastQuestion.startsWith(QStringLiteral("Adsız projesi")));
    EXPECT_EQ(dialogs->lastProposedPath, programFolder() + QStringLiteral("MyProject.vnp"));
    EXPECT_TRUE(project.projectPath().isEmpty());
    EXPECT_TRUE(project.projectModified());
    EXPECT_EQ(project.windowTitle(), QStringLiteral("Varnel 3.01"));

    dialogs->saveAnswers = {Answer::Yes};
    dialogs->saveAnswer = temp(QStringLiteral("named.vnp"));
    commands->openExample(6);
    EXPECT_TRUE(QFile::exists(temp(QStringLiteral("named.vnp"))));
    EXPECT_EQ(project.projectPath(), example(QStringLiteral("test00_hello.vnp")));
}

// Removing lines or a block and labelling a line are changes the user would lose on close.
TEST_F(ProjectCommandsTest, DeletingAndLabellingAreUnsavedChangesTheQuestionGuards)
{
    const QString mine = temp(QStringLiteral("mine.vnp"));
    ASSERT_TRUE(QFile::copy(example(QStringLiteral("test00_hello.vnp")), mine));
    ModelContext &context = project.context();
    for (const QString &edit : {QStringLiteral("label"), QStringLiteral("delete line"), QStringLiteral("delete block")}) {
        ASSERT_TRUE(commands->openFile(mine));
        QList<qint16> element; // START, OUTPUT, STOP joined by two lines
        for (const auto &block : project.theBlockCollection())
            element << block->theObjectShape();
        context.setSelection(element[1], element[0]);
        if (edit == QLatin1String("label")) {
            edits.labelSelectedLines(QStringLiteral("EVET"));
        } else if (edit == QLatin1String("delete line")) {
            edits.deleteSelectedLines();
        } else {
            edits.deleteSelectedLines();
            context.setSelection(element[2], element[1]);
            edits.deleteSelectedLines();
            project.setProjectModified(false); // saved right after the lines went
            context.setSelection(element[1], -1);
            edits.deleteSelectedBlock();
            ASSERT_EQ(project.theBlockCollection().Count(), 2);
        }
        dialogs->shown.clear();
        dialogs->saveAnswers = {Answer::Cancel};
        EXPECT_FALSE(commands->confirmDiscardChanges()) << edit.toStdString();
        EXPECT_EQ(dialogs->shown, QStringList{QStringLiteral("Kaydet?")}) << edit.toStdString();
        project.setProjectModified(false);
    }
}

TEST_F(ProjectCommandsTest, NewStartsUntitledFromTheTemplateWithItsStartSelected)
{
    commands->openExample(6);
    commands->newProject();
    EXPECT_TRUE(project.projectPath().isEmpty());
    EXPECT_EQ(project.projectFolder(), programFolder());
    EXPECT_EQ(project.windowTitle(), QStringLiteral("Varnel 3.01"));
    EXPECT_FALSE(project.projectModified());
    const cBlock *selected = edits.blockAt(project.context().selectedIndex());
    ASSERT_NE(selected, nullptr);
    EXPECT_EQ(selected->zAction(), QStringLiteral("START"));
    EXPECT_EQ(project.context().previousSelectedIndex(), -1);
    EXPECT_EQ(undoStack.count(), 0);
}

TEST_F(ProjectCommandsTest, NewWithoutItsTemplateSaysSoAndKeepsTheProject)
{
    const QString mine = openChanged();
    QFile::remove(programFolder() + QStringLiteral("NEW_TEMPLATE.vnp"));
    dialogs->saveAnswers = {Answer::No};
    commands->newProject();
    EXPECT_EQ(project.projectPath(), mine);
    EXPECT_TRUE(log.text().startsWith(QStringLiteral("Yeni proje şablonu bulunamadı: ")));
}

TEST_F(ProjectCommandsTest, OpenStartsInTheProgramsDataFolderAndClearsTheHistory)
{
    openChanged();
    dialogs->saveAnswers = {Answer::No};
    dialogs->openAnswer = example(QStringLiteral("test05_if.vnp"));
    commands->openProject();
    EXPECT_EQ(dialogs->lastOpenFolder, programFolder());
    EXPECT_EQ(project.windowTitle(), QStringLiteral("Varnel 3.01 - test05_if.vnp"));
    EXPECT_EQ(project.context().selectedIndex(), -1);
    EXPECT_EQ(undoStack.count(), 0);

    // A cancelled dialog changes nothing.
    change();
    dialogs->saveAnswers = {Answer::No};
    dialogs->openAnswer.clear();
    commands->openProject();
    EXPECT_TRUE(project.projectModified());
    EXPECT_EQ(undoStack.count(), 1);
}

TEST_F(ProjectCommandsTest, TheExamplesMenuListsFourteenAndOpensThem)
{
    QMenu *examples = actions.file.examples;
    const QList<QAction *> entries = examples->actions();
    ASSERT_EQ(entries.size(), 15);
    int visible = 0;
    for (const QAction *action : entries)
        visible += action->isVisible() ? 1 : 0;
    EXPECT_EQ(visible, 14);
    EXPECT_EQ(entries[6]->text(), QStringLiteral("Merhaba Dünya"));
    EXPECT_EQ(entries[4]->text(), QStringLiteral("Web için Basit bir \"Image-Map\" Uygulaması"));
    EXPECT_EQ(entries[14]->text(), QStringLiteral("Temel SQL testi"));
    EXPECT_FALSE(entries[14]->isVisible());

    entries[6]->trigger();
    EXPECT_EQ(project.projectPath(), example(QStringLiteral("test00_hello.vnp")));
    EXPECT_EQ(project.context().selectedIndex(), -1);
}

TEST_F(ProjectCommandsTest, AMissingExampleGivesOnlyItsOwnMessageAndKeepsTheDrawing)
{
    const QString mine = openChanged();
    dialogs->saveAnswers = {Answer::No};
    commands->openExample(0);
    EXPECT_EQ(log.text(), QStringLiteral("Örnek açılırken hata oluştu: ") + example(QStringLiteral("factorial.vnp"))
                              + QStringLiteral("\r\n"));
    EXPECT_EQ(project.projectPath(), mine);
    EXPECT_EQ(undoStack.count(), 1);
}

TEST_F(ProjectCommandsTest, SaveAndOpenRoundTripUnderTheNewName)
{
    const QString mine = openChanged();
    dialogs->saveAnswer = temp(QStringLiteral("copy.vnp"));
    EXPECT_TRUE(commands->saveAs());
    EXPECT_EQ(dialogs->lastProposedPath, mine);
    EXPECT_EQ(project.projectPath(), temp(QStringLiteral("copy.vnp")));
    EXPECT_EQ(project.projectFolder(), dir.path() + u'/');
    EXPECT_EQ(project.windowTitle(), QStringLiteral("Varnel 3.01 - copy.vnp"));
    EXPECT_FALSE(project.projectModified());
    EXPECT_TRUE(undoStack.isClean());

    const QByteArray saved = bytesOf(temp(QStringLiteral("copy.vnp")));
    EXPECT_TRUE(commands->openFile(temp(QStringLiteral("copy.vnp"))));
    EXPECT_FLOAT_EQ((*project.theBlockCollection().begin())->shapeLeft(), 300);
    change();
    EXPECT_TRUE(commands->save());
    EXPECT_EQ(dialogs->shown, QStringList{QStringLiteral("saveAs")}); // Save asks nothing
    EXPECT_EQ(bytesOf(temp(QStringLiteral("copy.vnp"))), saved);
}

// An untitled chart is proposed where the user may write: the program's folder when it can be
// written, else the documents folder, else the home folder.
TEST_F(ProjectCommandsTest, SaveAsProposesAFolderTheUserCanWriteIn)
{
    const QString home = temp(QStringLiteral("home"));
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", home.toUtf8());
    const struct {
        bool programFolderWritable;
        bool documentsExist;
        QString folder;
    } cases[] = {
        {true, true, programFolder()},
        {false, true, home + QStringLiteral("/Documents/")},
        {false, false, home + u'/'},
    };
    for (const auto &c : cases) {
        QDir(home).removeRecursively();
        ASSERT_TRUE(QDir().mkpath(c.documentsExist ? home + QStringLiteral("/Documents") : home));
        ProjectCommands::Places where = places();
        if (!c.programFolderWritable)
            where.programFolder = temp(QStringLiteral("installed/bin/")); // not there, so not writable
        auto scripted = std::make_unique<ScriptedDialogs>();
        ScriptedDialogs *asked = scripted.get();
        QWidget owner;
        const MainActions entries(&owner);
        ProjectCommands untitled(project, runtime.run, &owner, entries.file, std::move(scripted), where);
        EXPECT_FALSE(untitled.saveAs()); // the dialog is cancelled
        EXPECT_EQ(asked->lastProposedPath, c.folder + QStringLiteral("MyProject.vnp"));
    }
    qputenv("HOME", oldHome);
}

TEST_F(ProjectCommandsTest, AFailedSaveSaysSoAndKeepsTheNameTheFileAndTheMark)
{
    const QString mine = openChanged();
    const QByteArray before = bytesOf(mine);
    dialogs->saveAnswer = temp(QStringLiteral("gone/folder/copy.vnp"));
    int boxes = 0;
    QObject::connect(&log, &MessageLog::modalShown, [&boxes] { ++boxes; });
    EXPECT_FALSE(commands->saveAs());
    EXPECT_EQ(boxes, 0);
    EXPECT_EQ(log.text(), QStringLiteral("Proje kaydedilemedi: ") + dialogs->saveAnswer
                              + QStringLiteral("\r\nSAVE_FILE işleminde hata: Yol bulunamadı\r\nDosyanın önceki "
                                               "hâli olduğu gibi duruyor; değişiklikler henüz kaydedilmedi.\r\n"));
    EXPECT_EQ(project.projectPath(), mine);
    EXPECT_EQ(project.windowTitle(), QStringLiteral("Varnel 3.01 - mine.vnp"));
    EXPECT_TRUE(project.projectModified());
    EXPECT_FALSE(undoStack.isClean());

    EXPECT_EQ(bytesOf(mine), before);

    // Something that is no file takes the chart's place: Save fails, and a Yes to the question
    // then keeps the drawing instead of opening the example over it.
    ASSERT_TRUE(QFile::remove(mine));
    ASSERT_TRUE(QDir().mkpath(mine));
    EXPECT_FALSE(commands->save());
    EXPECT_TRUE(project.projectModified());
    dialogs->saveAnswers = {Answer::Yes};
    commands->openExample(6);
    EXPECT_EQ(project.projectPath(), mine);
    EXPECT_TRUE(project.projectModified());
}

TEST_F(ProjectCommandsTest, EveryCommandIsRefusedWhileAProgramRuns)
{
    commands->openExample(6);
    runtime.run.setDelay(RunControl::DelayMaximum); // step mode: the run waits at its first block
    runtime.run.cmdRun_ClickP();
    ASSERT_TRUE(runtime.run.runInProgress());
    dialogs->openAnswer = example(QStringLiteral("test05_if.vnp"));
    dialogs->saveAnswer = temp(QStringLiteral("x.vnp"));

    commands->newProject();
    commands->openProject();
    commands->openExample(8);
    commands->save();
    commands->saveAs();
    commands->openRecent(example(QStringLiteral("test05_if.vnp")));
    EXPECT_EQ(dialogs->shown, QStringList(6, QStringLiteral("Önce şu anki işlemi durdurun!")));
    EXPECT_EQ(project.projectPath(), example(QStringLiteral("test00_hello.vnp")));
    EXPECT_FALSE(QFile::exists(temp(QStringLiteral("x.vnp"))));
}

TEST_F(ProjectCommandsTest, TheMenuEntriesAreLiveWithTheirShortcuts)
{
    for (const char *name : {"mnuNew", "mnuLoad", "mnuSave", "mnuSaveAs"})
        EXPECT_TRUE(entry(name)->isEnabled()) << name;
    EXPECT_EQ(entry("mnuSave")->shortcut(), QKeySequence(QKeySequence::Save));
    dialogs->saveAnswer = temp(QStringLiteral("via-menu.vnp"));
    entry("mnuSave")->trigger(); // untitled: Save is Save As
    EXPECT_EQ(project.projectPath(), temp(QStringLiteral("via-menu.vnp")));
}
