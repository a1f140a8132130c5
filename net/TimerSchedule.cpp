#include "net/TimerSchedule.h"

#include <algorithm>
#include <climits>

namespace net {

namespace {

int roundedUpMs(TimerSchedule::Clock::duration d)
{
    if (d <= TimerSchedule::Clock::duration::zero())
        return 0;
    const auto ms = std::chrono::ceil<std::chrono::milliseconds>(d).count();
    return static_cast<int>(std::min<decltype(ms)>(ms, INT_MAX));
}

}  // namespace

void TimerSchedule::add(int id, qint64 intervalMs, Qt::TimerType type, QObject* object, Clock::time_point now)
{
    remove(id);
    Timer& timer = m_timers[id];
    timer.interval = std::chrono::milliseconds(std::max<qint64>(0, intervalMs));
    timer.type = type;
    timer.object = object;
    schedule(id, timer, now + timer.interval);
}

void TimerSchedule::schedule(int id, Timer& timer, Clock::time_point deadline)
{
    timer.key = {deadline, m_started++};
    m_byDeadline.emplace(timer.key, id);
}

bool TimerSchedule::remove(int id)
{
    const auto it = m_timers.find(id);
    if (it == m_timers.end())
        return false;
    m_byDeadline.erase(it->second.key);
    m_timers.erase(it);
    return true;
}

bool TimerSchedule::removeAllOf(const QObject* object)
{
    bool any = false;
    for (auto it = m_timers.begin(); it != m_timers.end();) {
        if (it->second.object == object) {
            m_byDeadline.erase(it->second.key);
            it = m_timers.erase(it);
            any = true;
        } else {
            ++it;
        }
    }
    return any;
}

QList<QAbstractEventDispatcher::TimerInfo> TimerSchedule::timersOf(const QObject* object) const
{
    QList<QAbstractEventDispatcher::TimerInfo> found;
    for (const auto& [id, timer] : m_timers) {
        if (timer.object == object)
            found.append({id, static_cast<int>(timer.interval.count()), timer.type});
    }
    return found;
}

int TimerSchedule::remainingMs(int id, Clock::time_point now) const
{
    const auto it = m_timers.find(id);
    return it == m_timers.end() ? -1 : roundedUpMs(it->second.key.first - now);
}

int TimerSchedule::waitMs(Clock::time_point now) const
{
    for (const auto& [key, id] : m_byDeadline) {
        if (!m_timers.at(id).delivering)
            return roundedUpMs(key.first - now);
    }
    return -1;
}

std::vector<TimerSchedule::Due> TimerSchedule::takeDue(Clock::time_point now)
{
    std::vector<int> due;
    for (const auto& [key, id] : m_byDeadline) {
        if (key.first > now)
            break;
        if (!m_timers.at(id).delivering)
            due.push_back(id);
    }
    std::vector<Due> firing;
    firing.reserve(due.size());
    for (const int id : due) {
        Timer& timer = m_timers.at(id);
        m_byDeadline.erase(timer.key);
        // A timer that fell behind starts again from now rather than firing to catch up.
        Clock::time_point next = timer.key.first + timer.interval;
        if (next < now)
            next = now + timer.interval;
        schedule(id, timer, next);
        firing.push_back({id, timer.object});
    }
    return firing;
}

void TimerSchedule::setDelivering(int id, bool delivering)
{
    const auto it = m_timers.find(id);
    if (it != m_timers.end())
        it->second.delivering = delivering;
}

bool TimerSchedule::isStillFor(int id, const QObject* object) const
{
    const auto it = m_timers.find(id);
    return it != m_timers.end() && it->second.object == object;
}

}  // namespace net
