#include "net/RateLimit.h"

#include <algorithm>

namespace net {

RateLimit::RateLimit(int burst, int perSecond, qint64 nowMs)
    : m_burst(burst), m_perMs(perSecond / 1000.0), m_tokens(burst), m_lastMs(nowMs)
{
}

bool RateLimit::take(qint64 nowMs)
{
    m_tokens = std::min(m_burst, m_tokens + static_cast<double>(std::max<qint64>(nowMs - m_lastMs, 0)) * m_perMs);
    m_lastMs = std::max(m_lastMs, nowMs);
    if (m_tokens < 1.0)
        return false;
    m_tokens -= 1.0;
    return true;
}

}  // namespace net
