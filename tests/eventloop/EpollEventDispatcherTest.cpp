#include "net/EpollEventDispatcher.h"

#include "../net/LoopbackPeer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <functional>

#include <sys/socket.h>
#include <thread>
#include <unistd.h>

// Bounds are generous: the machine may be loaded, and the tests say what happens, not how fast.
namespace {

using nettest::waitUntil;

TEST(EpollEventDispatcherTest, IsTheLoopOfThisProgram)
{
    EXPECT_NE(dynamic_cast<net::EpollEventDispatcher*>(QAbstractEventDispatcher::instance()), nullptr);
}

TEST(EpollEventDispatcherTest, SingleShotTimersFireOnceInTheOrderOfTheirDeadlinesAndNeverEarly)
{
    QElapsedTimer clock;
    clock.start();
    std::vector<int> fired;
    std::vector<qint64> at;
    QObject owner;
    for (const int ms : {60, 20, 40, 0}) {
        QTimer::singleShot(ms, Qt::PreciseTimer, &owner, [&, ms] {
            fired.push_back(ms);
            at.push_back(clock.elapsed());
        });
    }
    ASSERT_TRUE(waitUntil([&] { return fired.size() == 4; }));
    QTest::qWait(100);
    EXPECT_EQ(fired, (std::vector<int>{0, 20, 40, 60}));
    for (std::size_t i = 0; i < fired.size(); ++i)
        EXPECT_GE(at[i], fired[i]) << fired[i];
}

TEST(EpollEventDispatcherTest, ARepeatingTimerFiresUntilStoppedAndAKilledTimerNever)
{
    QTimer repeating;
    repeating.setInterval(10);
    int beats = 0;
    QObject::connect(&repeating, &QTimer::timeout, [&] { ++beats; });
    repeating.start();
    EXPECT_GE(repeating.remainingTime(), 0);
    EXPECT_LE(repeating.remainingTime(), 10);
    EXPECT_EQ(QAbstractEventDispatcher::instance()->registeredTimers(&repeating).size(), 1);

    QTimer stopped;
    bool stoppedFired = false;
    QObject::connect(&stopped, &QTimer::timeout, [&] { stoppedFired = true; });
    stopped.start(5);
    stopped.stop();
    EXPECT_EQ(stopped.remainingTime(), -1);

    ASSERT_TRUE(waitUntil([&] { return beats >= 3; }));
    repeating.stop();
    const int atStop = beats;
    QTest::qWait(60);
    EXPECT_EQ(beats, atStop);
    EXPECT_FALSE(stoppedFired);
    EXPECT_TRUE(QAbstractEventDispatcher::instance()->registeredTimers(&repeating).isEmpty());
}

class Ticking : public QObject {
public:
    std::function<void()> onTick;
    int ticks = 0;

protected:
    void timerEvent(QTimerEvent*) override
    {
        ++ticks;
        if (onTick)
            onTick();
    }
};

// A timer's owner destroyed in another timer's handler of the same pass: its event never comes.
TEST(EpollEventDispatcherTest, ATimerWhoseOwnerWentInTheSamePassDoesNotFire)
{
    Ticking killer;
    auto* doomed = new Ticking;
    int doomedTicks = 0;
    doomed->onTick = [&] { ++doomedTicks; };
    killer.onTick = [&] {
        delete doomed;
        doomed = nullptr;
    };
    const int killerTimer = killer.startTimer(10, Qt::PreciseTimer);
    doomed->startTimer(10, Qt::PreciseTimer);
    ASSERT_TRUE(waitUntil([&] { return killer.ticks > 0; }));
    killer.killTimer(killerTimer);
    EXPECT_EQ(doomed, nullptr);
    EXPECT_EQ(doomedTicks, 0);
}

class SocketPair : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0, ends), 0); }
    void TearDown() override
    {
        for (const int fd : ends) {
            if (fd >= 0)
                ::close(fd);
        }
    }
    int ends[2] = {-1, -1};
};

TEST_F(SocketPair, ReadNotifiersFireWhileDataWaitsAndWriteNotifiersWhileThereIsRoom)
{
    QSocketNotifier reader(ends[0], QSocketNotifier::Read);
    QSocketNotifier writer(ends[1], QSocketNotifier::Write);
    int reads = 0;
    int writes = 0;
    QObject::connect(&reader, &QSocketNotifier::activated, [&] {
        char byte = 0;
        if (::read(ends[0], &byte, 1) == 1)
            ++reads;
    });
    QObject::connect(&writer, &QSocketNotifier::activated, [&] {
        ++writes;
        writer.setEnabled(false);
        [[maybe_unused]] const ssize_t sent = ::write(ends[1], "abc", 3);
    });
    // Level-triggered: three bytes, read one at a time, give three activations.
    ASSERT_TRUE(waitUntil([&] { return reads == 3; }));
    EXPECT_EQ(writes, 1);

    reader.setEnabled(false);
    [[maybe_unused]] const ssize_t sent = ::write(ends[1], "d", 1);
    QTest::qWait(50);
    EXPECT_EQ(reads, 3);
    reader.setEnabled(true);
    ASSERT_TRUE(waitUntil([&] { return reads == 4; }));
}

TEST_F(SocketPair, ThePeerClosingWakesTheReaderAndANotifierForANewSocketOnTheSameNumberWorks)
{
    bool hungUp = false;
    {
        QSocketNotifier reader(ends[0], QSocketNotifier::Read);
        QObject::connect(&reader, &QSocketNotifier::activated, [&] {
            char byte = 0;
            hungUp = ::read(ends[0], &byte, 1) == 0;
        });
        ::close(ends[1]);
        ends[1] = -1;
        ASSERT_TRUE(waitUntil([&] { return hungUp; }));
    }
    // The number comes back for the next socket, as it does for a server's connections.
    const int number = ends[0];
    ::close(ends[0]);
    ASSERT_EQ(::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0, ends), 0);
    ASSERT_EQ(ends[0], number);
    QSocketNotifier reader(ends[0], QSocketNotifier::Read);
    bool read = false;
    QObject::connect(&reader, &QSocketNotifier::activated, [&] {
        char byte = 0;
        read = ::read(ends[0], &byte, 1) == 1;
    });
    [[maybe_unused]] const ssize_t sent = ::write(ends[1], "x", 1);
    EXPECT_TRUE(waitUntil([&] { return read; }));
}

// A handler that runs a nested loop: the nested loop goes on with the same ready sockets, and
// none is delivered twice for one readiness.
TEST_F(SocketPair, ANestedLoopInAHandlerDeliversEachReadySocketOnce)
{
    int other[2];
    ASSERT_EQ(::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0, other), 0);
    QSocketNotifier first(ends[0], QSocketNotifier::Read);
    QSocketNotifier second(other[0], QSocketNotifier::Read);
    int firstCalls = 0;
    int secondCalls = 0;
    QObject::connect(&first, &QSocketNotifier::activated, [&] {
        ++firstCalls;
        char byte = 0;
        [[maybe_unused]] const ssize_t got = ::read(ends[0], &byte, 1);
        QCoreApplication::processEvents();
    });
    QObject::connect(&second, &QSocketNotifier::activated, [&] {
        ++secondCalls;
        char byte = 0;
        [[maybe_unused]] const ssize_t got = ::read(other[0], &byte, 1);
    });
    [[maybe_unused]] const ssize_t a = ::write(ends[1], "a", 1);
    [[maybe_unused]] const ssize_t b = ::write(other[1], "b", 1);
    ASSERT_TRUE(waitUntil([&] { return firstCalls == 1 && secondCalls == 1; }));
    QTest::qWait(50);
    EXPECT_EQ(firstCalls, 1);
    EXPECT_EQ(secondCalls, 1);
    ::close(other[0]);
    ::close(other[1]);
}

// Blocked with nothing to wait for but the post and a far guard: only the eventfd can end the wait.
TEST(EpollEventDispatcherTest, AnEventPostedFromAnotherThreadWakesABlockedLoop)
{
    QEventLoop loop;
    bool ran = false;
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    std::thread poster([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        QMetaObject::invokeMethod(&loop, [&] {
            ran = true;
            loop.quit();
        }, Qt::QueuedConnection);
    });
    QElapsedTimer clock;
    clock.start();
    loop.exec();
    poster.join();
    EXPECT_TRUE(ran);
    EXPECT_LT(clock.elapsed(), 5000);
}

TEST(EpollEventDispatcherTest, AThreadOfItsOwnRunsTimersAndEndsOnQuit)
{
    QThread thread;
    thread.setEventDispatcher(new net::EpollEventDispatcher);
    QObject worker;
    worker.moveToThread(&thread);
    std::atomic<int> beats = 0;
    thread.start();
    QMetaObject::invokeMethod(&worker, [&] {
        auto* timer = new QTimer(&worker);
        QObject::connect(timer, &QTimer::timeout, [&] { ++beats; });
        timer->start(5);
    });
    EXPECT_TRUE(waitUntil([&] { return beats >= 3; }));
    QMetaObject::invokeMethod(&worker, [&] { qDeleteAll(worker.children()); }, Qt::BlockingQueuedConnection);
    thread.quit();
    EXPECT_TRUE(thread.wait(5000));
}

}  // namespace
