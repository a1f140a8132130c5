#include "net/EpollEventDispatcher.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

// Every test of this program runs on the epoll event loop, the one qubrin-server runs.
int main(int argc, char** argv)
{
    QCoreApplication::setEventDispatcher(new net::EpollEventDispatcher);
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
