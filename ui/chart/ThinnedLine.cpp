#include "ui/chart/ThinnedLine.h"

#include <algorithm>
#include <array>
#include <iterator>

ThinnedLine::ThinnedLine(int buckets) : m_buckets(std::max(1, buckets)) {}

void ThinnedLine::add(const QPointF& point)
{
    if (m_first.isEmpty()) {
        m_first.append(point);
        return;
    }
    if (m_kept.isEmpty() || m_kept.last().count == m_stride) {
        if (m_kept.size() == 2 * m_buckets)
            mergeNeighbours();
        m_kept.append({point, point, point, 1});
        return;
    }
    Bucket& bucket = m_kept.last();
    // Ties keep the earlier point, so a bucket does not depend on how it was filled.
    if (point.y() < bucket.low.y())
        bucket.low = point;
    if (point.y() > bucket.high.y())
        bucket.high = point;
    bucket.last = point;
    ++bucket.count;
}

// Only ever called with every bucket full and an even number of them.
void ThinnedLine::mergeNeighbours()
{
    QList<Bucket> merged;
    merged.reserve(m_buckets);
    for (qsizetype index = 0; index + 1 < m_kept.size(); index += 2) {
        const Bucket& a = m_kept[index];
        const Bucket& b = m_kept[index + 1];
        merged.append({b.low.y() < a.low.y() ? b.low : a.low, b.high.y() > a.high.y() ? b.high : a.high, b.last,
                       a.count + b.count});
    }
    m_kept = std::move(merged);
    m_stride *= 2;
}

QList<QPointF> ThinnedLine::points() const
{
    QList<QPointF> points = m_first;
    points.reserve(2 + 2 * m_kept.size());
    for (qsizetype index = 0; index < m_kept.size(); ++index) {
        const Bucket& bucket = m_kept[index];
        std::array<QPointF, 3> shown{bucket.low, bucket.high, bucket.last};
        const auto end = shown.begin() + (index + 1 == m_kept.size() ? 3 : 2);
        std::sort(shown.begin(), end, [](const QPointF& a, const QPointF& b) { return a.x() < b.x(); });
        std::unique_copy(shown.begin(), end, std::back_inserter(points));
    }
    return points;
}
