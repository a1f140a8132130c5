#include "ui/chart/ThinnedLine.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// A wandering line with a lone spike, x = 0, 1, 2, ...
QList<QPointF> wandering(int length)
{
    QList<QPointF> points;
    for (int x = 0; x < length; ++x)
        points.append(QPointF(x, x == length / 3 ? 90000 : (x * 7919 % 1000) - 500 + x / 10));
    return points;
}

}  // namespace

TEST(ThinnedLine, KeepsShortLinesWholeAndLongOnesBoundedWithTheirEndsAndExtremes)
{
    const struct {
        int buckets;
        int length;
    } cases[] = {{4, 1}, {4, 2}, {4, 9}, {4, 10}, {4, 17}, {4, 18}, {4, 1000}, {1, 50}, {128, 257}, {128, 258}, {128, 4001}};
    for (const auto& c : cases) {
        const QList<QPointF> line = wandering(c.length);
        ThinnedLine thinned(c.buckets);
        for (const QPointF& point : line)
            thinned.add(point);
        const QList<QPointF> shown = thinned.points();
        const auto where = [&] { return testing::Message() << c.buckets << " buckets, " << c.length << " points"; };

        if (c.length <= 2 * c.buckets + 1) {
            EXPECT_EQ(shown, line) << where();
            continue;
        }
        EXPECT_LE(shown.size(), 4 * c.buckets + 2) << where();
        EXPECT_GE(shown.size(), c.buckets + 2) << where();
        EXPECT_EQ(shown.first(), line.first()) << where();
        EXPECT_EQ(shown.last(), line.last()) << where();
        for (qsizetype index = 0; index < shown.size(); ++index) {
            EXPECT_EQ(shown[index], line[qsizetype(shown[index].x())]) << where() << " only points of the line";
            if (index > 0) {
                EXPECT_LT(shown[index - 1].x(), shown[index].x()) << where() << " in order, once each";
            }
        }
        const auto byScore = [](const QPointF& a, const QPointF& b) { return a.y() < b.y(); };
        EXPECT_EQ(std::min_element(shown.begin(), shown.end(), byScore)->y(),
                  std::min_element(line.begin(), line.end(), byScore)->y())
            << where();
        EXPECT_EQ(std::max_element(shown.begin(), shown.end(), byScore)->y(), 90000) << where() << " the spike";
    }
}
