#pragma once

#include "game/ComputerCharacter.h"

#include <QtGlobal>

#include <array>
#include <optional>

// What the game engine (TableFlow) reports, as plain values. Each transition returns its event and
// hands the same value to every listener, so that a turn history, the standings at the end of a
// game or a network seat can be built beside the table without touching it. Hand values are those
// of rules::rankHand (lower is stronger, 0 = no hand); seats are 0..5; `turn` counts the turns of
// the present game from 1 (a pass of the bank is not a turn).
namespace flow {

// A new game: every seat in play starts at SCORE, the first banker holds the bank for its turn 1.
struct GameStarted {
    int seats = 0;
    qint16 oyaSeat = 0;
    qint32 turnsLeft = 0;
    std::array<qint64, 6> score{};
};

// How a seat came by its bet when the bets opened.
enum class BetKind {
    Banker,         // no bet
    Computer,       // drawn at random
    PersonOffered,  // a person without a bet in this game: the shaped middle of the limits
    PersonAgain,    // a person's last bet, offered unchanged
};

struct SeatBet {
    BetKind kind = BetKind::Banker;
    qint16 bet = 0;
};

struct BetsOpened {
    int turn = 0;
    qint16 oyaSeat = 0;
    std::array<SeatBet, 6> seat{};  // seats in play; the rest stay Banker with 0
    // Why each computer seat bet as it did; the banker's entry holds a computer banker's reason
    // for keeping the bank when it could have passed it. Motive::None elsewhere.
    std::array<rules::Reason, 6> reason{};
};

// One throw, once its hand is the seat's hand of the turn.
struct DiceThrown {
    int turn = 0;
    qint16 seat = 0;
    qint32 throwNo = 0;              // 1-based within the seat's throws of this turn
    std::array<qint16, 3> faces{};   // as drawn: 1..6, or 9 for a die out of the bowl
    qint16 value = 0;
    bool throwsAgain = false;        // the seat throws once more after this throw
};

// A seat at the end of a settled turn.
struct SeatOutcome {
    qint16 value = 0;   // final hand; 0 when the seat did not throw
    qint16 bet = 0;     // 0 for the banker
    qint64 payment = 0; // what the turn added to the score (negative: paid)
    qint64 score = 0;   // score after the turn
};

struct TurnSettled {
    int turn = 0;
    int seats = 0;
    qint16 oyaSeat = 0;
    qint16 oyaTurn = 0;        // the banker's turn number within its bank
    bool oyaThrown = false;    // the banker's hand decided the turn; no player threw
    bool oyaMustPass = false;  // the banker's hand passes the bank at the turn end
    std::array<SeatOutcome, 6> seat{};
};

struct TurnEnded {
    int turn = 0;            // the turn that ended
    bool bankPassed = false;
    qint16 oyaSeat = 0;      // the banker of the next turn
    qint16 oyaTurn = 0;
    qint32 turnsLeft = 0;
    bool gameOver = false;
};

// ｽﾙｰ: the banker gives the bank away before the bets. `moved` is false once the bank has gone
// round the table since the bets were last opened; it then stays where it is.
struct BankPassed {
    bool moved = false;
    qint16 oyaSeat = 0;
    qint16 passCount = 0;
};

// The last turn has ended; the scores stay on the table.
struct GameOver {
    int turns = 0;
    int seats = 0;
    std::array<qint64, 6> score{};
};

// The game was given up; the final scores as they stood (empty for a seat without a score).
struct GameInterrupted {
    std::array<std::optional<qint64>, 6> finalScore{};
};

}  // namespace flow

// Receives the engine's events in the order they happen. Every method does nothing by default, so
// a listener overrides only what it records. Listeners are called synchronously and must not call
// back into the engine.
class TableListener {
public:
    virtual ~TableListener() = default;
    virtual void gameStarted(const flow::GameStarted&) {}
    virtual void betsOpened(const flow::BetsOpened&) {}
    virtual void diceThrown(const flow::DiceThrown&) {}
    virtual void turnSettled(const flow::TurnSettled&) {}
    virtual void turnEnded(const flow::TurnEnded&) {}
    virtual void bankPassed(const flow::BankPassed&) {}
    virtual void gameOver(const flow::GameOver&) {}
    virtual void gameInterrupted(const flow::GameInterrupted&) {}
};
