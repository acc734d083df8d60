#include <QApplication>
#include <gtest/gtest.h>

// Widget tests need a full application object. They run without a display, also when the
// build lists them, so the offscreen platform is the default here.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
