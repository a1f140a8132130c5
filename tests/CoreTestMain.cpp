#include <QCoreApplication>

#include <gtest/gtest.h>

// The rules and the settings file are tested without any window.
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
