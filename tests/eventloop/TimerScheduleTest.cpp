#include "net/TimerSchedule.h"

#include <QObject>

#include <gtest/gtest.h>

namespace {

using net::TimerSchedule;
using std::chrono::milliseconds;

std::vector<int> ids(const std::vector<TimerSchedule::Due>& due)
{
    std::vector<int> found;
    for (const TimerSchedule::Due& d : due)
        found.push_back(d.id);
    return found;
}

// What fires at each moment, from timers started together at t = 0.
TEST(TimerScheduleTest, TimersFireByDeadlineThenInTheOrderStartedAndRepeatFromTheirLastDeadline)
{
    struct Case {
        const char* what;
        std::vector<std::pair<int, int>> timers;  // id, interval in ms
        std::vector<std::pair<int, std::vector<int>>> firings;  // at ms, ids due
    };
    const std::vector<Case> cases = {
        {"by deadline", {{1, 30}, {2, 10}, {3, 20}}, {{5, {}}, {10, {2}}, {25, {3, 2}}, {30, {1, 2}}}},
        {"same deadline: order started", {{7, 10}, {3, 10}, {5, 10}}, {{10, {7, 3, 5}}, {20, {7, 3, 5}}}},
        {"late: fires once, then from now", {{1, 10}}, {{35, {1}}, {40, {}}, {45, {1}}}},
        {"zero interval: once a pass", {{1, 0}, {2, 5}}, {{0, {1}}, {0, {1}}, {5, {1, 2}}}},
    };
    QObject owner;
    for (const Case& c : cases) {
        TimerSchedule schedule;
        const TimerSchedule::Clock::time_point start{};
        for (const auto& [id, interval] : c.timers)
            schedule.add(id, interval, Qt::PreciseTimer, &owner, start);
        for (const auto& [at, expected] : c.firings)
            EXPECT_EQ(ids(schedule.takeDue(start + milliseconds(at))), expected) << c.what << " at " << at;
    }
}

TEST(TimerScheduleTest, RemovedTimersNeverFireAndTheWaitFollowsTheFirstLeft)
{
    QObject a;
    QObject b;
    TimerSchedule schedule;
    const TimerSchedule::Clock::time_point start{};
    EXPECT_EQ(schedule.waitMs(start), -1);
    schedule.add(1, 10, Qt::PreciseTimer, &a, start);
    schedule.add(2, 20, Qt::CoarseTimer, &b, start);
    schedule.add(3, 30, Qt::VeryCoarseTimer, &a, start);
    EXPECT_EQ(schedule.waitMs(start + std::chrono::microseconds(500)), 10);  // rounded up, never early
    EXPECT_EQ(schedule.timersOf(&a).size(), 2);
    EXPECT_EQ(schedule.remainingMs(2, start + milliseconds(5)), 15);
    EXPECT_EQ(schedule.remainingMs(9, start), -1);

    EXPECT_TRUE(schedule.remove(1));
    EXPECT_FALSE(schedule.remove(1));
    EXPECT_EQ(schedule.waitMs(start), 20);
    EXPECT_TRUE(schedule.removeAllOf(&b));
    EXPECT_FALSE(schedule.removeAllOf(&b));
    EXPECT_EQ(ids(schedule.takeDue(start + milliseconds(100))), std::vector<int>{3});
    EXPECT_EQ(schedule.remainingMs(3, start + milliseconds(100)), 30);
    EXPECT_TRUE(schedule.isStillFor(3, &a));
    EXPECT_FALSE(schedule.isStillFor(3, &b));
}

// A handler that runs a nested loop must not see its own timer fire inside it.
TEST(TimerScheduleTest, ATimerBeingDeliveredIsNotDueAgainUntilItsDeliveryEnds)
{
    QObject owner;
    TimerSchedule schedule;
    const TimerSchedule::Clock::time_point start{};
    schedule.add(1, 0, Qt::PreciseTimer, &owner, start);
    schedule.add(2, 50, Qt::PreciseTimer, &owner, start);
    ASSERT_EQ(ids(schedule.takeDue(start)), std::vector<int>{1});
    schedule.setDelivering(1, true);
    EXPECT_TRUE(schedule.takeDue(start + milliseconds(1)).empty());
    EXPECT_EQ(schedule.waitMs(start + milliseconds(1)), 49);
    schedule.setDelivering(1, false);
    EXPECT_EQ(ids(schedule.takeDue(start + milliseconds(1))), std::vector<int>{1});
}

}  // namespace
