// One QApplication for every view test. The windows run on the offscreen platform
// unless another one is asked for.

#include <QApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

// Running since the test program started, for the start-up timing test.
QElapsedTimer gSinceMain;

int main(int argc, char* argv[])
{
    gSinceMain.start();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
