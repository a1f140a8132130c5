#include "net/FairDice.h"
#include "net/TurnProof.h"

#include "game/DiceFaces.h"

#include <gtest/gtest.h>

namespace {

// The seed 00 01 .. 1f of the worked example in net/PROTOCOL.md; the values below were computed
// with Python's hashlib and hmac, not with this code.
QByteArray exampleSeed()
{
    QByteArray seed;
    for (char byte = 0; byte < 32; ++byte)
        seed.append(byte);
    return seed;
}

const QStringList ExampleContributions{QString(), QStringLiteral("00112233445566778899aabbccddeeff"), QString(),
                                       QString()};

TEST(FairDiceTest, TheDrawsOfAKnownSeedAreThoseAnyHmacSha256Gives)
{
    const QByteArray seed = exampleSeed();
    EXPECT_EQ(net::FairDice::commitment(seed), QStringLiteral("630dcd2966c4336691125448bbb25b4ff412a49c732db2c8abc1b8581bd710dd"));
    const struct {
        QString text;
        quint32 draw;
        qint16 face;
    } cases[] = {
        {net::FairDice::betText(1, 0), 2486567851u, 0},
        {net::FairDice::betText(1, 1), 1791435382u, 0},
        {net::FairDice::betText(7, 0), 4022192389u, 0},
        {net::FairDice::throwText(1, 0, ExampleContributions), 3123696632u, 5},
        {net::FairDice::throwText(1, 1, ExampleContributions), 1661880500u, 3},
        {net::FairDice::throwText(1, 2, ExampleContributions), 460844790u, 1},
        {net::FairDice::throwText(1, 0, QStringList(4)), 1275890975u, 2},
    };
    for (const auto& c : cases) {
        const quint32 draw = net::FairDice::drawOf(seed, c.text);
        EXPECT_EQ(draw, c.draw) << c.text.toStdString();
        if (c.face != 0) {
            EXPECT_EQ(rules::throwFace(net::unitOfDraw(draw >> 8)), c.face) << c.text.toStdString();
        }
    }
    EXPECT_EQ(net::FairDice::throwText(1, 2, ExampleContributions),
              QStringLiteral("qubrin-dice-1;turn=1;draw=2;contributions=,00112233445566778899aabbccddeeff,,"));
}

TEST(FairDiceTest, ASeedComesFromEightDrawsBigEndianAndTheStreamsCountFromZero)
{
    quint32 next = 0x00010203u;
    const QByteArray seed = net::FairDice::newSeed([&] {
        const quint32 draw = next;
        next += 0x04040404u;
        return draw;
    });
    EXPECT_EQ(seed, exampleSeed());

    net::FairDice dice(seed, 1);
    EXPECT_EQ(dice.nextBetDraw(), 2486567851u);
    EXPECT_EQ(dice.nextBetDraw(), 1791435382u);
    dice.setContributions(ExampleContributions);
    EXPECT_EQ(dice.nextThrowDraw(), 3123696632u);  // the throw stream starts on its own
}

// The turn of the worked example: one computer bet draw, one throw of three dice.
net::TurnProof honestProof()
{
    net::FairDice dice(exampleSeed(), 1);
    net::TurnProof proof{1, net::FairDice::commitment(exampleSeed()), {dice.nextBetDraw() >> 8}, ExampleContributions,
                         QString::fromLatin1(exampleSeed().toHex()), {{5, 3, 1}}, -1, {}};
    return proof;
}

TEST(FairDiceTest, AProofNamesTheFirstCheckThatFails)
{
    using V = net::TurnProof::Verdict;
    const struct {
        const char* lie;
        void (*change)(net::TurnProof&);
        net::TurnProof::Check expected;
    } cases[] = {
        {"none", [](net::TurnProof&) {}, {V::Verified, -1}},
        {"another seed revealed", [](net::TurnProof& p) { p.seed[0] = QLatin1Char('1'); }, {V::WrongSeed, -1}},
        {"another commitment", [](net::TurnProof& p) { p.commitment[63] = QLatin1Char('e'); }, {V::WrongSeed, -1}},
        {"a changed bet draw", [](net::TurnProof& p) { p.betDraws[0] += 1; }, {V::WrongBetDraw, 0}},
        {"a bet draw too many", [](net::TurnProof& p) { p.betDraws.append(0); }, {V::WrongBetDraw, 1}},
        {"a changed third die", [](net::TurnProof& p) { p.faces[0][2] = 2; }, {V::WrongFace, 2}},
        {"a contribution left out", [](net::TurnProof& p) { p.contributions[1].clear(); }, {V::WrongFace, 0}},
        {"no seed", [](net::TurnProof& p) { p.seed.clear(); }, {V::Incomplete, -1}},
        {"no commitment", [](net::TurnProof& p) { p.commitment.clear(); }, {V::Incomplete, -1}},
    };
    for (const auto& c : cases) {
        net::TurnProof proof = honestProof();
        c.change(proof);
        EXPECT_EQ(proof.check(), c.expected) << c.lie;
    }
}

TEST(FairDiceTest, AProofGathersOneTurnFromItsStepsAndAThrowOfAnotherTurnStandsAlone)
{
    const net::TurnProof honest = honestProof();
    net::TurnProof proof;
    EXPECT_FALSE(proof.take(net::BetsOpenedMessage{1, honest.betDraws, {0, 0, 10, 0}, 30000, honest.commitment}));
    EXPECT_FALSE(proof.take(net::BetsClosedMessage{{0, 0, 10, 0}, false, honest.contributions}));
    EXPECT_TRUE(proof.take(net::ThrownMessage{1, honest.faces, {990, 1000, 1010, 1000}, honest.seed}));
    EXPECT_EQ(proof.check().verdict, net::TurnProof::Verdict::Verified);

    // Joined after the opening: nothing to check the second turn's throws against.
    EXPECT_TRUE(proof.take(net::ThrownMessage{2, honest.faces, {990, 1000, 1010, 1000}, honest.seed}));
    EXPECT_EQ(proof.check().verdict, net::TurnProof::Verdict::Incomplete);
}

}  // namespace

namespace {

TEST(FairDiceTest, AProofKeptInTheHistoryIsCheckedAgainstTheFacesTheHistoryRecorded)
{
    // Seat 2 holds the bank and throws first; seats 3, 0 and 1 follow, each throw as recorded.
    net::FairDice dice(exampleSeed(), 1);
    const net::TurnProof honest{1, net::FairDice::commitment(exampleSeed()), {dice.nextBetDraw() >> 8},
                                ExampleContributions, QString::fromLatin1(exampleSeed().toHex()), {}, -1, {}};
    dice.setContributions(ExampleContributions);
    TurnRecord turn{1, 2, true, QList<SeatTurn>(4)};
    for (const int seat : {2, 3, 0, 1}) {
        std::array<qint16, 3> faces{};
        for (qint16& face : faces)
            face = rules::throwFace(net::unitOfDraw(dice.nextThrowDraw() >> 8));
        turn.seats[seat].throws.append(faces);
    }
    EXPECT_EQ(net::TurnProof::fromHistory(turn, honest.record()).check().verdict, net::TurnProof::Verdict::Verified);
    // The history keeps what this window gave, so checking the game again finds a share left out again.
    net::TurnProof mine = honest;
    mine.ownSeat = 0;
    mine.ownContribution = QStringLiteral("ab").repeated(16);
    EXPECT_EQ(net::TurnProof::fromHistory(turn, mine.record()).check(),
              (net::TurnProof::Check{net::TurnProof::Verdict::ContributionLeftOut, 0}));

    // The same dice recorded in the wrong seats' order, or one of them changed, disagree.
    std::swap(turn.seats[0].throws, turn.seats[1].throws);
    EXPECT_EQ(net::TurnProof::fromHistory(turn, honest.record()).check().verdict, net::TurnProof::Verdict::WrongFace);
    std::swap(turn.seats[0].throws, turn.seats[1].throws);
    turn.seats[3].throws[0][0] = turn.seats[3].throws[0][0] % 6 + 1;
    EXPECT_EQ(net::TurnProof::fromHistory(turn, honest.record()).check(),
              (net::TurnProof::Check{net::TurnProof::Verdict::WrongFace, 3}));
}

}  // namespace
