#include "game/TableFlow.h"

#include "game/HandOdds.h"
#include "game/HandRanking.h"
#include "game/Settlement.h"

#include <algorithm>
#include <limits>

TableFlow::TableFlow(const SettingsRecord& settings, rules::TallyTable& tally, rules::TallySums& tallySums)
    : m_settings(settings), m_tally(tally), m_tallySums(tallySums)
{
}

void TableFlow::addListener(TableListener* listener) { m_listeners.push_back(listener); }

void TableFlow::removeListener(TableListener* listener) { std::erase(m_listeners, listener); }

flow::GameStarted TableFlow::newGame(int secondsOfTime)
{
    m_state.OyaTurn = 1;
    m_state.TurnsLeft = m_settings.LAST;
    m_state.OyaSeat = static_cast<qint16>((secondsOfTime + 1) % seats());
    giveStartingScores(seats());
    for (int seat = 0; seat < seats(); ++seat) {
        m_state.P_lastBet[seat] = 0;
        m_state.P_lastPayment[seat] = 0;
    }
    rules::clearTally(m_tally, m_tallySums);
    m_turn = 1;
    openTurn();

    flow::GameStarted started{seats(), m_state.OyaSeat, m_state.TurnsLeft, {}};
    for (int seat = 0; seat < seats(); ++seat)
        started.score[seat] = m_settings.SCORE;
    notify(&TableListener::gameStarted, started);
    return started;
}

void TableFlow::giveStartingScores(int seats)
{
    for (int seat = 0; seat < std::min(seats, 6); ++seat)
        m_state.P_score[seat] = m_settings.SCORE;
}

bool TableFlow::mayPass() const
{
    return m_settings.option(6) || (m_settings.option(7) && m_state.OyaTurn > 1);
}

void TableFlow::openTurn()
{
    m_state.OyaThrown = 0;
    m_state.ThrowNo = 0;
}

void TableFlow::beginBets()
{
    m_state.PassCount = 0;
    m_state.OyaMustPass = 0;
}

rules::Character TableFlow::character(int seat) const
{
    return m_characters && seat >= 0 && seat < 6 ? (*m_characters)[size_t(seat)] : rules::Character::Omakase;
}

const TableFlow::Odds& TableFlow::odds()
{
    std::array<qint32, 13> inForce{m_settings.NAGEKAI};
    for (int n = 1; n <= 12; ++n)
        inForce[size_t(n)] = m_settings.option(n) ? 1 : 0;
    if (inForce != m_odds.forRules) {
        const rules::TurnOdds exact = rules::turnOdds(m_settings);
        m_odds = {inForce, exact.playerExpectation, exact.playerSecondMoment};
    }
    return m_odds;
}

std::optional<rules::PassDecision> TableFlow::computerBankerPass()
{
    const int banker = m_state.OyaSeat;
    if (!m_settings.isComputer(banker))
        return std::nullopt;
    return bankerPass(character(banker));
}

std::optional<rules::PassDecision> TableFlow::bankerPass(rules::Character character)
{
    // Once the bank has gone round the table a pass would leave it where it is.
    if (character == rules::Character::Omakase || !mayPass() || m_state.PassCount >= seats())
        return std::nullopt;
    return rules::decidePass(character, -odds().playerExpectation);
}

flow::SeatBet TableFlow::placeBet(int seat, float draw, const rules::BetLimits& limits, rules::Reason& reason)
{
    flow::SeatBet placed;
    if (seat == m_state.OyaSeat) {
        placed = {flow::BetKind::Banker, 0};
        if (const std::optional<rules::PassDecision> kept = computerBankerPass(); kept && !kept->pass)
            reason = kept->reason;
    } else if (m_settings.isComputer(seat)) {
        const rules::BetDecision decision = characterBet(seat, character(seat), draw, limits);
        placed = {flow::BetKind::Computer, decision.bet};
        reason = decision.reason;
    }
    else if (m_state.P_lastBet[seat] != 0)
        placed = {flow::BetKind::PersonAgain, m_state.P_lastBet[seat]};
    else
        placed = {flow::BetKind::PersonOffered, rules::firstOffer(limits)};
    m_state.P_bet[seat] = placed.bet;
    return placed;
}

rules::BetDecision TableFlow::characterBet(int seat, rules::Character character, float draw)
{
    return characterBet(seat, character, draw, rules::betLimits(m_settings.BETMIN, m_settings.BETMAX));
}

rules::BetDecision TableFlow::characterBet(int seat, rules::Character character, float draw,
                                           const rules::BetLimits& limits)
{
    // No odds are needed, nor worked out, for the table's plain random bet.
    if (character == rules::Character::Omakase || seat < 0 || seat >= 6)
        return rules::randomBet(draw, limits);
    return rules::decideBet(character, {odds().playerExpectation, odds().playerSecondMoment,
                                        m_state.P_score[seat].value_or(0), m_state.P_lastBet[seat],
                                        m_state.P_lastPayment[seat], limits, draw});
}

void TableFlow::setBet(int seat, int bet)
{
    if (seat >= 0 && seat < 6)
        m_state.P_bet[seat] = static_cast<qint16>(bet);
}

void TableFlow::startThrows()
{
    const int seatCount = seats();
    for (int seat = 0; seat < seatCount; ++seat) {
        if (m_state.P_bet[seat] != 0)
            m_state.P_lastBet[seat] = m_state.P_bet[seat];
    }
    m_state.ThrowSeat = m_state.OyaSeat;
    m_seatsThrown = 0;
}

void TableFlow::startSeat()
{
    m_state.StillThrowing = 1;
    m_state.YakuWord[0].clear();
    m_state.CurYakuValue = 0;
    m_state.ThrowNo = 0;
}

void TableFlow::startThrow() { ++m_state.ThrowNo; }

void TableFlow::rollDice(const std::array<qint16, 3>& faces)
{
    m_state.Dice = faces;
    m_drawnFaces = faces;
}

void TableFlow::judgeHand()
{
    rules::Hand hand = rules::rankHand(m_state.Dice[0], m_state.Dice[1], m_state.Dice[2], m_settings);
    m_state.CurYakuValue = hand.value;
    m_state.YakuWord[0] = std::move(hand.name);
    m_state.StillThrowing = hand.stillThrowing ? 1 : 0;
    if (hand.outOfBowl)
        m_state.OutOfBowl = 1;
}

const std::array<qint16, 3>& TableFlow::landDice()
{
    if (m_state.OutOfBowl == 1) {
        m_state.Dice.fill(rules::OutOfBowlFace);
        m_state.OutOfBowl = 0;
    }
    return m_state.Dice;
}

flow::DiceThrown TableFlow::recordHand()
{
    const int seat = m_state.ThrowSeat;
    m_state.P_yakuName[seat] = m_state.YakuWord[0];
    m_state.P_yakuValue[seat] = m_state.CurYakuValue;
    const flow::DiceThrown thrown{m_turn,          m_state.ThrowSeat,      m_state.ThrowNo,
                                  m_drawnFaces,    m_state.CurYakuValue,   throwsAgain()};
    notify(&TableListener::diceThrown, thrown);
    return thrown;
}

bool TableFlow::throwsAgain() const
{
    return m_state.ThrowNo < m_settings.NAGEKAI && m_state.StillThrowing == 1;
}

bool TableFlow::throwOnce(const std::array<qint16, 3>& faces)
{
    startThrow();
    rollDice(faces);
    judgeHand();
    landDice();
    return recordHand().throwsAgain;
}

TableFlow::SeatEnd TableFlow::endSeat()
{
    if (m_state.ThrowSeat == m_state.OyaSeat && rules::bankerHandDecides(m_state.CurYakuValue, m_settings)) {
        m_state.OyaThrown = 1;
        return SeatEnd::BankerDecided;
    }
    m_state.ThrowSeat = nextSeat(m_state.ThrowSeat);
    return ++m_seatsThrown < seats() ? SeatEnd::NextSeat : SeatEnd::AllThrown;
}

flow::TurnSettled TableFlow::settleTurn()
{
    const int seatCount = seats();
    rules::TurnHands hands;
    hands.oyaSeat = m_state.OyaSeat;
    hands.ninzu = seatCount;
    hands.oyaThrown = m_state.OyaThrown == 1;
    hands.yakuValue = m_state.P_yakuValue;
    hands.bet = m_state.P_bet;
    std::array<qint64, 6> before{};
    for (int seat = 0; seat < 6; ++seat)
        before[seat] = m_state.P_score[seat].value_or(0);
    const rules::Settlement settled = rules::settleTurn(hands, before, m_settings);

    flow::TurnSettled result{m_turn, seatCount, m_state.OyaSeat, m_state.OyaTurn, hands.oyaThrown, false, {}};
    for (int seat = 0; seat < seatCount; ++seat) {
        m_state.P_score[seat] = settled.score[seat];
        if (seat != m_state.OyaSeat)
            m_state.P_lastPayment[seat] = settled.score[seat] - before[seat];
        rules::countHand(m_tally, seat, m_state.P_yakuValue[seat]);
        result.seat[seat] = {m_state.P_yakuValue[seat], m_state.P_bet[seat], settled.score[seat] - before[seat],
                             settled.score[seat]};
    }
    if (settled.oyaMustPass)
        m_state.OyaMustPass = 1;
    result.oyaMustPass = m_state.OyaMustPass == 1;
    notify(&TableListener::turnSettled, result);
    return result;
}

void TableFlow::clearTable()
{
    m_state.YakuWord[0].clear();
    m_state.CurYakuValue = 0;
    const int seatCount = seats();
    for (int seat = 0; seat < seatCount; ++seat) {
        m_state.P_bet[seat] = 0;
        m_state.P_yakuName[seat].clear();
        m_state.P_yakuValue[seat] = 0;
    }
}

flow::TurnEnded TableFlow::endTurn()
{
    clearTable();
    // Hand-edited extremes (LAST of -2147483648, tens of thousands of turns in one bank) stop
    // at the ends of their ranges instead of wrapping round.
    if (m_state.TurnsLeft > std::numeric_limits<qint32>::min())
        --m_state.TurnsLeft;
    if (m_state.OyaTurn < std::numeric_limits<qint16>::max())
        ++m_state.OyaTurn;
    const bool bankPasses = m_state.OyaTurn > m_settings.OYA || m_state.OyaMustPass == 1;
    if (bankPasses) {
        m_state.OyaSeat = nextSeat(m_state.OyaSeat);
        m_state.OyaTurn = 1;
    }
    const flow::TurnEnded ended{m_turn,           bankPasses,          m_state.OyaSeat,
                                m_state.OyaTurn,  m_state.TurnsLeft,   m_state.TurnsLeft <= 0};
    if (!ended.gameOver) {
        ++m_turn;
        openTurn();
    }
    notify(&TableListener::turnEnded, ended);
    if (ended.gameOver) {
        flow::GameOver over{ended.turn, seats(), {}};
        for (int seat = 0; seat < seats(); ++seat)
            over.score[seat] = m_state.P_score[seat].value_or(0);
        notify(&TableListener::gameOver, over);
    }
    return ended;
}

flow::BankPassed TableFlow::pass()
{
    if (m_state.PassCount < std::numeric_limits<qint16>::max())
        ++m_state.PassCount;
    // The bank goes round the table at most once between two openings of the bets.
    const bool moves = m_state.PassCount <= seats();
    if (moves) {
        m_state.OyaSeat = nextSeat(m_state.OyaSeat);
        clearTable();
        m_state.OyaTurn = 1;
        if (m_state.OyaTurn > m_settings.OYA) {
            m_state.OyaSeat = nextSeat(m_state.OyaSeat);
            m_state.OyaTurn = 1;
        }
    }
    openTurn();
    const flow::BankPassed passed{moves, m_state.OyaSeat, m_state.PassCount};
    notify(&TableListener::bankPassed, passed);
    return passed;
}

flow::GameInterrupted TableFlow::interrupt()
{
    const flow::GameInterrupted interrupted{m_state.P_score};
    m_state.YakuWord[0].clear();
    m_state.CurYakuValue = 0;
    for (int seat = 0; seat < 6; ++seat) {
        m_state.P_bet[seat] = 0;
        m_state.P_yakuName[seat].clear();
        m_state.P_yakuValue[seat] = 0;
        m_state.P_score[seat].reset();
    }
    notify(&TableListener::gameInterrupted, interrupted);
    return interrupted;
}
