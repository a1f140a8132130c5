#pragma once

#include <QList>
#include <QPointF>

// The points of a long line kept to a bounded number that still shows its shape. After the first
// point, the points fall in buckets of `stride` consecutive points, each shown by its lowest and
// highest point (the last bucket also by its latest point). When the buckets reach twice
// `buckets`, each two neighbours become one and the stride doubles, so a point costs constant
// time on average and the same points in the same order always give the same line.
class ThinnedLine {
public:
    explicit ThinnedLine(int buckets);

    void add(const QPointF& point);
    // The points shown along the line (its x grows point by point): the first, then each bucket's.
    QList<QPointF> points() const;

private:
    struct Bucket {
        QPointF low;
        QPointF high;
        QPointF last;
        qsizetype count;
    };
    void mergeNeighbours();

    int m_buckets;
    qsizetype m_stride = 1;
    QList<QPointF> m_first;  // empty until the first point
    QList<Bucket> m_kept;
};
