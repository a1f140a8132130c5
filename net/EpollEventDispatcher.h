#pragma once

#include "net/TimerSchedule.h"

#include <QAbstractEventDispatcher>
#include <QAtomicInt>

#include <array>
#include <cstdint>
#include <deque>
#include <unordered_map>
#include <vector>

class QSocketNotifier;

namespace net {

// An event loop on Linux's epoll for a thread with thousands of sockets: a wake-up costs what the
// ready sockets cost, where Qt's Unix loop polls every socket open at each one. Socket notifiers are
// level-triggered as with poll; timers stand in a TimerSchedule; another thread wakes the loop
// through an eventfd. Install it before the QCoreApplication (or QThread::setEventDispatcher).
class EpollEventDispatcher final : public QAbstractEventDispatcher {
public:
    explicit EpollEventDispatcher(QObject* parent = nullptr);
    ~EpollEventDispatcher() override;

    bool processEvents(QEventLoop::ProcessEventsFlags flags) override;

    void registerSocketNotifier(QSocketNotifier* notifier) override;
    void unregisterSocketNotifier(QSocketNotifier* notifier) override;

    void registerTimer(int timerId, qint64 interval, Qt::TimerType timerType, QObject* object) override;
    bool unregisterTimer(int timerId) override;
    bool unregisterTimers(QObject* object) override;
    QList<TimerInfo> registeredTimers(QObject* object) const override;
    int remainingTime(int timerId) override;

    void wakeUp() override;
    void interrupt() override;

private:
    // The notifiers of one descriptor, by QSocketNotifier::Type, and what epoll has been told.
    struct Watched {
        std::array<QSocketNotifier*, 3> notifiers{};
        std::uint32_t told = 0;
        bool added = false;
        bool changed = false;
        std::uint8_t pending = 0;  // types ready and not yet delivered
    };
    struct Ready {
        int fd;
        int type;
    };

    static std::uint32_t interestOf(const Watched& watched);
    void tellEpoll(int fd, Watched& watched);
    void tellChanges();
    int wait(int timeoutMs, bool sockets);
    void markReady(int fd, std::uint32_t events);
    int deliverSockets();
    int fireTimers();
    void drainWakeUps();

    int m_epoll = -1;
    int m_wake = -1;
    QAtomicInt m_wakeUps;
    QAtomicInt m_interrupted;
    std::unordered_map<int, Watched> m_watched;
    std::vector<int> m_changed;
    std::deque<Ready> m_ready;
    TimerSchedule m_timers;
};

}  // namespace net
