#include <QApplication>

#include <gtest/gtest.h>

// Every test program runs with one application object on the offscreen platform, so that the
// window tests build real windows without a display.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
