#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Widget tests need a full application object. They run without a display, also when the
// build lists them, so the offscreen platform is the default here.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The user's own settings, recent charts and recovery copies stay out of reach.
    QTemporaryDir userFolders;
    qputenv("XDG_CONFIG_HOME", userFolders.filePath(QStringLiteral("config")).toUtf8());
    qputenv("XDG_STATE_HOME", userFolders.filePath(QStringLiteral("state")).toUtf8());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
