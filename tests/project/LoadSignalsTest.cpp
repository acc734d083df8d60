// A load (also the one a function call makes) reaches views as one replacement: no block, line,
// selection or flag is announced on its own while the drawing is rebuilt.

#include "ProjectTestSupport.h"
#include "model/ChangeRecorder.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace ProjectTest;

namespace {

class LoadSignals : public ::testing::Test {
protected:
    QString write(const QByteArray &bytes)
    {
        const QString path = dir.filePath(QStringLiteral("test.vnp"));
        EXPECT_TRUE(writeBytes(path, bytes));
        return path;
    }

    QTemporaryDir dir;
    MessageLog log;
    Project project{&log};
    ChangeRecorder recorder{project.context(), project.theBlockCollection(), project.theLineCollection()};
};

TEST_F(LoadSignals, ALoadIsOneBracketAndThenTheProjectSaysItWasReplaced)
{
    QObject::connect(&project, &Project::projectReplaced, [this] { recorder.log << "projectReplaced"; });
    project.setProjectModified(true);
    project.context().setSelection(2, 1);
    recorder.take();
    const QStringList bracket{"aboutToReplace", "blocksAboutToClear", "blocksCleared", "linesCleared",
                              "replaced", "projectReplaced"};
    const QString path = write(helloBytes());
    ASSERT_TRUE(project.load_FILE(path));
    EXPECT_EQ(recorder.take(), bracket);
    // Loading again (as every return from a function call does) is the same single bracket.
    ASSERT_TRUE(project.load_FILE(path));
    EXPECT_EQ(recorder.take(), bracket);
}

TEST_F(LoadSignals, AFailedLoadIsStillOneBracket)
{
    const QByteArray damaged = helloBytes().left(200);
    ASSERT_FALSE(project.load_FILE(write(damaged)));
    EXPECT_EQ(recorder.take(), QStringList({"aboutToReplace", "blocksAboutToClear", "blocksCleared",
                                            "linesCleared", "replaced"}));
}

TEST_F(LoadSignals, AfterTheLoadEditsAreAnnouncedAgain)
{
    ASSERT_TRUE(project.load_FILE(write(helloBytes())));
    recorder.take();
    project.theBlockCollection().item(1)->setBGColor(255);
    EXPECT_EQ(recorder.take(), QStringList({"block " + project.theBlockCollection().item(1)->TagID() + " Colours"}));
}

} // namespace
