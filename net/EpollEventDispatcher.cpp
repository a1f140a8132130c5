#include "net/EpollEventDispatcher.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimerEvent>

#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/epoll.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace net {

namespace {

constexpr int ReadyAtOnce = 512;

// What epoll reports, by notifier type (Read, Write, Exception), as Qt's poll loop reads poll's bits.
constexpr std::array<std::uint32_t, 3> ReportedTo = {EPOLLIN | EPOLLHUP | EPOLLERR | EPOLLRDHUP,
                                                     EPOLLOUT | EPOLLHUP | EPOLLERR, EPOLLPRI | EPOLLHUP | EPOLLERR};
constexpr std::array<std::uint32_t, 3> AskedFor = {EPOLLIN | EPOLLRDHUP, EPOLLOUT, EPOLLPRI};

}  // namespace

EpollEventDispatcher::EpollEventDispatcher(QObject* parent) : QAbstractEventDispatcher(parent)
{
    m_epoll = epoll_create1(EPOLL_CLOEXEC);
    m_wake = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (m_epoll < 0 || m_wake < 0)
        qFatal("EpollEventDispatcher: no epoll or eventfd (%s)", strerror(errno));
    epoll_event event{};
    event.events = EPOLLIN;
    event.data.fd = m_wake;
    epoll_ctl(m_epoll, EPOLL_CTL_ADD, m_wake, &event);
}

EpollEventDispatcher::~EpollEventDispatcher()
{
    ::close(m_wake);
    ::close(m_epoll);
}

bool EpollEventDispatcher::processEvents(QEventLoop::ProcessEventsFlags flags)
{
    m_interrupted.storeRelaxed(0);
    emit awake();
    QCoreApplication::sendPostedEvents();

    const bool timers = !flags.testFlag(QEventLoop::X11ExcludeTimers);
    const bool sockets = !flags.testFlag(QEventLoop::ExcludeSocketNotifiers);
    // Events posted meanwhile have written the eventfd, so a wait ends at once for them.
    const bool mayWait = flags.testFlag(QEventLoop::WaitForMoreEvents) && !m_interrupted.loadRelaxed();
    if (mayWait)
        emit aboutToBlock();
    if (m_interrupted.loadRelaxed())
        return false;
    int timeoutMs = 0;
    if (mayWait)
        timeoutMs = timers ? m_timers.waitMs(TimerSchedule::Clock::now()) : -1;

    int handled = wait(timeoutMs, sockets);
    if (sockets)
        handled += deliverSockets();
    if (timers)
        handled += fireTimers();
    return handled > 0;
}

int EpollEventDispatcher::wait(int timeoutMs, bool sockets)
{
    if (!sockets) {
        // Only a wake-up or a timer ends this wait: the sockets stay ready for a later pass.
        pollfd wake{m_wake, POLLIN, 0};
        const int woken = ::poll(&wake, 1, timeoutMs);
        if (woken > 0)
            drainWakeUps();
        return woken > 0 ? 1 : 0;
    }
    tellChanges();
    std::array<epoll_event, ReadyAtOnce> events;
    const int count = epoll_wait(m_epoll, events.data(), ReadyAtOnce, timeoutMs);
    int woken = 0;
    for (int i = 0; i < count; ++i) {
        if (events[i].data.fd == m_wake) {
            drainWakeUps();
            woken = 1;
        } else {
            markReady(events[i].data.fd, events[i].events);
        }
    }
    return woken;
}

void EpollEventDispatcher::drainWakeUps()
{
    eventfd_t value = 0;
    eventfd_read(m_wake, &value);
    m_wakeUps.storeRelease(0);
}

void EpollEventDispatcher::markReady(int fd, std::uint32_t events)
{
    const auto it = m_watched.find(fd);
    if (it == m_watched.end())
        return;
    Watched& watched = it->second;
    for (int type = 0; type < 3; ++type) {
        const std::uint8_t bit = 1U << type;
        if (watched.notifiers[type] && (events & ReportedTo[type]) && !(watched.pending & bit)) {
            watched.pending |= bit;
            m_ready.push_back({fd, type});
        }
    }
}

// Taken one at a time from the member queue, so that a nested event loop in a handler goes on
// with the same ones and none is delivered twice.
int EpollEventDispatcher::deliverSockets()
{
    int delivered = 0;
    while (!m_ready.empty()) {
        const Ready ready = m_ready.front();
        m_ready.pop_front();
        const auto it = m_watched.find(ready.fd);
        if (it == m_watched.end())
            continue;
        const std::uint8_t bit = 1U << ready.type;
        if (!(it->second.pending & bit))
            continue;
        it->second.pending &= static_cast<std::uint8_t>(~bit);
        QEvent activation(QEvent::SockAct);
        QCoreApplication::sendEvent(it->second.notifiers[ready.type], &activation);
        ++delivered;
    }
    return delivered;
}

int EpollEventDispatcher::fireTimers()
{
    const std::vector<TimerSchedule::Due> due = m_timers.takeDue(TimerSchedule::Clock::now());
    int fired = 0;
    for (const TimerSchedule::Due& timer : due) {
        // An earlier handler may have stopped it.
        if (!m_timers.isStillFor(timer.id, timer.object))
            continue;
        m_timers.setDelivering(timer.id, true);
        QTimerEvent event(timer.id);
        QCoreApplication::sendEvent(timer.object, &event);
        m_timers.setDelivering(timer.id, false);
        ++fired;
    }
    return fired;
}

std::uint32_t EpollEventDispatcher::interestOf(const Watched& watched)
{
    std::uint32_t interest = 0;
    for (int type = 0; type < 3; ++type) {
        if (watched.notifiers[type])
            interest |= AskedFor[type];
    }
    return interest;
}

void EpollEventDispatcher::registerSocketNotifier(QSocketNotifier* notifier)
{
    const int fd = static_cast<int>(notifier->socket());
    Watched& watched = m_watched[fd];
    watched.notifiers[notifier->type()] = notifier;
    // Told at the next wait: a notifier enabled and disabled within one pass costs no system call.
    if (!watched.changed) {
        watched.changed = true;
        m_changed.push_back(fd);
    }
}

void EpollEventDispatcher::unregisterSocketNotifier(QSocketNotifier* notifier)
{
    const int fd = static_cast<int>(notifier->socket());
    const auto it = m_watched.find(fd);
    if (it == m_watched.end() || it->second.notifiers[notifier->type()] != notifier)
        return;
    Watched& watched = it->second;
    watched.notifiers[notifier->type()] = nullptr;
    watched.pending &= static_cast<std::uint8_t>(~(1U << notifier->type()));
    if (interestOf(watched) != 0) {
        if (!watched.changed) {
            watched.changed = true;
            m_changed.push_back(fd);
        }
        return;
    }
    // At once: the descriptor may be closed next and its number given to a new socket.
    if (watched.added)
        epoll_ctl(m_epoll, EPOLL_CTL_DEL, fd, nullptr);
    m_watched.erase(it);
}

void EpollEventDispatcher::tellChanges()
{
    for (const int fd : m_changed) {
        const auto it = m_watched.find(fd);
        if (it != m_watched.end() && it->second.changed)
            tellEpoll(fd, it->second);
    }
    m_changed.clear();
}

void EpollEventDispatcher::tellEpoll(int fd, Watched& watched)
{
    watched.changed = false;
    const std::uint32_t interest = interestOf(watched);
    if (watched.added && interest == watched.told)
        return;
    epoll_event event{};
    event.events = interest;
    event.data.fd = fd;
    int done = epoll_ctl(m_epoll, watched.added ? EPOLL_CTL_MOD : EPOLL_CTL_ADD, fd, &event);
    if (done != 0 && errno == ENOENT)
        done = epoll_ctl(m_epoll, EPOLL_CTL_ADD, fd, &event);
    else if (done != 0 && errno == EEXIST)
        done = epoll_ctl(m_epoll, EPOLL_CTL_MOD, fd, &event);
    if (done != 0) {
        qWarning("EpollEventDispatcher: cannot watch socket %d (%s)", fd, strerror(errno));
        return;
    }
    watched.added = true;
    watched.told = interest;
}

void EpollEventDispatcher::registerTimer(int timerId, qint64 interval, Qt::TimerType timerType, QObject* object)
{
    m_timers.add(timerId, interval, timerType, object, TimerSchedule::Clock::now());
}

bool EpollEventDispatcher::unregisterTimer(int timerId)
{
    return m_timers.remove(timerId);
}

bool EpollEventDispatcher::unregisterTimers(QObject* object)
{
    return m_timers.removeAllOf(object);
}

QList<QAbstractEventDispatcher::TimerInfo> EpollEventDispatcher::registeredTimers(QObject* object) const
{
    return m_timers.timersOf(object);
}

int EpollEventDispatcher::remainingTime(int timerId)
{
    return m_timers.remainingMs(timerId, TimerSchedule::Clock::now());
}

void EpollEventDispatcher::wakeUp()
{
    if (m_wakeUps.testAndSetAcquire(0, 1))
        eventfd_write(m_wake, 1);
}

void EpollEventDispatcher::interrupt()
{
    m_interrupted.storeRelaxed(1);
    wakeUp();
}

}  // namespace net
