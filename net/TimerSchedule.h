#pragma once

#include <QAbstractEventDispatcher>

#include <chrono>
#include <map>
#include <unordered_map>
#include <utility>
#include <vector>

class QObject;

namespace net {

// The timers of one event loop by deadline. Every kind of timer (precise, coarse, very coarse) is
// kept to the millisecond: firing on time is within what each kind allows. Timers due at the same
// moment fire in the order they were started.
class TimerSchedule {
public:
    using Clock = std::chrono::steady_clock;
    struct Due {
        int id;
        QObject* object;
    };

    void add(int id, qint64 intervalMs, Qt::TimerType type, QObject* object, Clock::time_point now);
    bool remove(int id);
    bool removeAllOf(const QObject* object);
    QList<QAbstractEventDispatcher::TimerInfo> timersOf(const QObject* object) const;
    // Milliseconds to the timer's next firing (0 when due), -1 for a timer not in the schedule.
    int remainingMs(int id, Clock::time_point now) const;
    // Milliseconds to the first deadline rounded up (0 when one is due), -1 with no timer.
    int waitMs(Clock::time_point now) const;

    // The timers due at `now`, in order, each already set to its next deadline: a timer started
    // again, or one due again at once, fires in a later pass and never in this one. A timer whose
    // event is still being delivered (see `delivering`) is left for later.
    std::vector<Due> takeDue(Clock::time_point now);
    // Whether the timer's event is being delivered (its handler may run a nested event loop).
    void setDelivering(int id, bool delivering);
    bool isStillFor(int id, const QObject* object) const;

private:
    using Key = std::pair<Clock::time_point, quint64>;
    struct Timer {
        std::chrono::milliseconds interval;
        Qt::TimerType type;
        QObject* object;
        Key key;
        bool delivering = false;
    };
    void schedule(int id, Timer& timer, Clock::time_point deadline);

    std::unordered_map<int, Timer> m_timers;
    std::map<Key, int> m_byDeadline;
    quint64 m_started = 0;
};

}  // namespace net
