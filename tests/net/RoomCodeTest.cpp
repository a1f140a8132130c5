#include "net/RoomCode.h"
#include "net/StateDigest.h"

#include <QSet>

#include <gtest/gtest.h>

namespace {

TEST(RoomCodeTest, CodesUseOnlyTheAlphabetAndInvitationsReadBack)
{
    QRandomGenerator random(7);
    for (int i = 0; i < 200; ++i)
        EXPECT_TRUE(net::isRoomCode(net::newRoomCode(random)));
    for (const char* bad : {"", "ABCDE", "ABCDEFG", "3467O9", "34679a", "34 679"})
        EXPECT_FALSE(net::isRoomCode(QString::fromLatin1(bad))) << bad;

    const net::Invitation invitation{QStringLiteral("127.0.0.1"), 4711, QStringLiteral("ACDEFG")};
    EXPECT_EQ(invitation.toString(), QStringLiteral("qubrin://127.0.0.1:4711/ACDEFG"));
    const std::optional<net::Invitation> back = net::Invitation::fromString(QStringLiteral(" qubrin://127.0.0.1:4711/acdefg "));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->code, QStringLiteral("ACDEFG"));
    EXPECT_EQ(back->socketUrl().toString(), QStringLiteral("ws://127.0.0.1:4711/ACDEFG"));
    EXPECT_FALSE(back->secure);
    for (const char* bad : {"http://h:1/ACDEFG", "qubrin://h/ACDEFG", "qubrin://h:1/ACDEF0", "qubrin://:1/ACDEFG",
                            "qubrinss://h:1/ACDEFG", "wss://h:1/ACDEFG", "qubrins://h/ACDEFG"})
        EXPECT_FALSE(net::Invitation::fromString(QString::fromLatin1(bad)).has_value()) << bad;
}

TEST(RoomCodeTest, ASecureInvitationReadsBackAndTaggedCodesStartWithTheirTag)
{
    const std::optional<net::Invitation> secure = net::Invitation::fromString(QStringLiteral("QUBRINS://Example.org:443/q4ac7d"));
    ASSERT_TRUE(secure.has_value());
    EXPECT_TRUE(secure->secure);
    EXPECT_EQ(secure->code, QStringLiteral("Q4AC7D"));
    EXPECT_EQ(secure->socketUrl().toString(), QStringLiteral("wss://example.org:443/Q4AC7D"));
    EXPECT_EQ(secure->toString(), QStringLiteral("qubrins://example.org:443/Q4AC7D"));
    EXPECT_EQ(net::Invitation::fromString(secure->toString())->secure, true);

    QRandomGenerator random(11);
    const QLatin1String alphabet(net::RoomCodeAlphabet);
    for (const QChar tag : alphabet) {
        ASSERT_TRUE(net::isRoomCodeTag(tag));
        for (int i = 0; i < 20; ++i) {
            const QString code = net::newRoomCode(random, tag);
            EXPECT_TRUE(net::isRoomCode(code) && code.front() == tag) << qPrintable(code);
        }
    }
    for (const QChar notATag : {QChar(), QChar(u'O'), QChar(u'a'), QChar(u'0'), QChar(u'/')})
        EXPECT_FALSE(net::isRoomCodeTag(notATag)) << static_cast<int>(notATag.unicode());
    // No tag, or one that is not of the alphabet: the whole code is drawn.
    QSet<QChar> firsts;
    for (int i = 0; i < 400; ++i)
        firsts.insert(net::newRoomCode(random, QChar(u'O')).front());
    EXPECT_EQ(firsts.size(), alphabet.size());
}

TEST(StateDigestTest, TheDigestFollowsScoresBankerAndTurn)
{
    SettingsRecord s;
    s.NINZU = 3;
    s.SCORE = 500;
    s.BETMAX = 100;
    s.OYA = 1;
    s.LAST = 5;
    s.NAGEKAI = 3;
    rules::TallyTable tally{};
    rules::TallySums sums{};
    TableFlow flow(s, tally, sums);
    flow.newGame(0);
    const QString started = net::stateDigest(flow);
    EXPECT_EQ(started.size(), 16);
    flow.state().P_score[2] = 499;
    EXPECT_NE(net::stateDigest(flow), started);
    flow.state().P_score[2] = 500;
    EXPECT_EQ(net::stateDigest(flow), started);
    flow.endTurn();
    EXPECT_NE(net::stateDigest(flow), started);
}

}  // namespace
