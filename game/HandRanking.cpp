#include "game/HandRanking.h"

#include <array>

namespace rules {

namespace {

bool isFace(int d) { return d >= 1 && d <= 6; }

const QString& word(HandWord w) { return handWords()[w]; }

// The names of triples and points, built once from the hand words and handed out as views of
// that lasting text: copying a view counts no references, and ranking runs for every throw of a
// simulation too.
struct FaceNames {
    std::array<QString, 7> triple;  // [1..6]
    std::array<QString, 7> point;   // [1..6]
};

FaceNames buildFaceNames()
{
    static std::array<QString, 14> text;  // what the views show, kept to the end
    FaceNames names;
    for (int f = 1; f <= 6; ++f) {
        text[f] = QString::number(f) + word(TripleWord);
        text[7 + f] = QString::number(f) + word(PointWord);
        names.triple[f] = QString::fromRawData(text[f].constData(), text[f].size());
        names.point[f] = QString::fromRawData(text[7 + f].constData(), text[7 + f].size());
    }
    return names;
}

const FaceNames& faceNames()
{
    static const FaceNames names = buildFaceNames();
    return names;
}

qint16 tripleValue(int face, const SettingsRecord& settings)
{
    if (face == 1) {
        if (settings.option(3))
            return HandValue::OnesPaidFive;
        if (settings.option(4))
            return HandValue::OnesLoseThree;
    }
    if (face == 5 && settings.option(5))
        return HandValue::FivesPaidFive;
    return rules::tripleValue(face);
}

}  // namespace

const std::array<QString, 7>& handWords()
{
    static const std::array<QString, 7> words{QString(),
                                              QStringLiteral("のゾロ目"),
                                              QStringLiteral("の目"),
                                              QStringLiteral("役なし"),
                                              QStringLiteral("シゴロ"),
                                              QStringLiteral("ヒフミ"),
                                              QStringLiteral("場　外")};
    return words;
}

Hand rankHand(int d1, int d2, int d3, const SettingsRecord& settings)
{
    if (!isFace(d1) || !isFace(d2) || !isFace(d3))
        return {HandValue::OutOfBowl, word(OutOfBowlWord), settings.option(12), true};

    // A pair and an odd die: the odd die is the point.
    int pointFace = 0;
    if (d1 == d2) {
        if (d3 == d2)
            return {tripleValue(d1, settings), faceNames().triple[d1], false, false};
        pointFace = d3;
    } else if (d3 == d2) {
        pointFace = d1;
    } else if (d3 == d1) {
        pointFace = d2;
    }
    if (pointFace != 0)
        return {pointValue(pointFace), faceNames().point[pointFace], false, false};

    // Three different faces: only 4-5-6 sums to 15 and only 1-2-3 to 6.
    const int sum = d1 + d2 + d3;
    if (sum == 15)
        return {HandValue::Shigoro, word(ShigoroWord), false, false};
    if (sum == 6)
        return {HandValue::Hifumi, word(HifumiWord), false, false};
    return {HandValue::NoHand, word(NoHandWord), true, false};
}

HandColour handColour(qint16 value)
{
    // Triples and シゴロ lie below the points with room to spare; the bound sits in between.
    constexpr qint16 belowPoints = 30;
    if (value < belowPoints)
        return HandColour::Blue;
    if (value >= HandValue::NoHand)
        return HandColour::Red;
    return HandColour::Black;
}

bool bankerHandDecides(qint16 value, const SettingsRecord& settings)
{
    const qint16 low = pointValue(settings.option(1) ? 6 : 5);
    const qint16 high = pointValue(settings.option(2) ? 1 : 2);
    return value < low || value > high;
}

}  // namespace rules
