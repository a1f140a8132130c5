#pragma once

#include <QtGlobal>

namespace net {

// A bucket of `burst` messages refilled at `perSecond`: a connection may send a burst at once,
// then at that rate. Times are the milliseconds of a monotonic clock.
class RateLimit {
public:
    RateLimit(int burst, int perSecond, qint64 nowMs);
    // Takes one message from the bucket; false when it is empty.
    bool take(qint64 nowMs);

private:
    double m_burst;
    double m_perMs;
    double m_tokens;
    qint64 m_lastMs;
};

}  // namespace net
