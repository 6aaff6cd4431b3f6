// The editor tests run on Qt's offscreen platform unless told otherwise.
#include <QApplication>
#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    QApplication::setApplicationName("Vireo");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
