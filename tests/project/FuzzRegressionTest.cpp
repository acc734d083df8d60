// Inputs that once broke the reader (found by the fuzz target, or written by hand for the
// corners it reaches): each must now end in its message.

#include "ProjectTestSupport.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace ProjectTest;

TEST(ProjectFileRegressions, EveryStoredInputEndsInItsMessage)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QDir stored(dataPath(QStringLiteral("fuzz-regressions")));
    const QStringList names = stored.entryList(QDir::Files | QDir::Hidden, QDir::Name);
    ASSERT_FALSE(names.isEmpty());
    for (const QString &name : names) {
        if (name.startsWith(u'.'))
            continue;
        // Copied first, so that the check may write beside it.
        const QString file = dir.filePath(QStringLiteral("input.vnp"));
        ASSERT_TRUE(writeBytes(file, readBytes(stored.filePath(name))));
        const QString problem = checkProjectFile(file, dir.filePath(QStringLiteral("saved.vnp")), true);
        EXPECT_TRUE(problem.isEmpty()) << name.toStdString() << ": " << problem.toStdString();
    }
}
