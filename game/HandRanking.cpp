#include "game/HandRanking.h"

#include <array>

namespace rules {

namespace {

// Values of the hands that do not depend on a face.
constexpr qint16 ShigoroValue = 20;
constexpr qint16 NoHandValue = 50;
constexpr qint16 OutOfBowlValue = 51;
constexpr qint16 HifumiValue = 60;
constexpr qint16 OnesLoseThreeValue = 70;

bool isFace(int d) { return d >= 1 && d <= 6; }

// Names are built once and shared: ranking runs for every throw of a simulation too.
const QString& tripleName(int face)
{
    static const std::array<QString, 7> names = [] {
        std::array<QString, 7> n;
        for (int f = 1; f <= 6; ++f)
            n[f] = QString::number(f) + QStringLiteral("のゾロ目");
        return n;
    }();
    return names[face];
}

const QString& pointName(int face)
{
    static const std::array<QString, 7> names = [] {
        std::array<QString, 7> n;
        for (int f = 1; f <= 6; ++f)
            n[f] = QString::number(f) + QStringLiteral("の目");
        return n;
    }();
    return names[face];
}

Hand point(int face) { return {qint16(40 - face), pointName(face), false, false}; }

qint16 tripleValue(int face, const SettingsRecord& settings)
{
    if (face == 1) {
        if (settings.option(3))
            return 1;
        if (settings.option(4))
            return OnesLoseThreeValue;
    }
    if (face == 5 && settings.option(5))
        return 5;
    return qint16(10 + face);
}

}  // namespace

Hand rankHand(int d1, int d2, int d3, const SettingsRecord& settings)
{
    if (!isFace(d1) || !isFace(d2) || !isFace(d3))
        return {OutOfBowlValue, QStringLiteral("場　外"), settings.option(12), true};

    if (d1 == d2) {
        if (d3 != d2)
            return point(d3);
        return {tripleValue(d1, settings), tripleName(d1), false, false};
    }
    if (d3 == d2)
        return point(d1);
    if (d3 == d1)
        return point(d2);

    // Three different faces: only 4-5-6 sums to 15 and only 1-2-3 to 6.
    const int sum = d1 + d2 + d3;
    if (sum == 15)
        return {ShigoroValue, QStringLiteral("シゴロ"), false, false};
    if (sum == 6)
        return {HifumiValue, QStringLiteral("ヒフミ"), false, false};
    return {NoHandValue, QStringLiteral("役なし"), true, false};
}

HandColour handColour(qint16 value)
{
    if (value < 30)
        return HandColour::Blue;
    if (value >= 50)
        return HandColour::Red;
    return HandColour::Black;
}

bool bankerHandDecides(qint16 value, const SettingsRecord& settings)
{
    const qint16 low = settings.option(1) ? 34 : 35;
    const qint16 high = settings.option(2) ? 39 : 38;
    return value < low || value > high;
}

}  // namespace rules
