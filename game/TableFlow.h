#pragma once

#include "game/Betting.h"
#include "game/ComputerCharacter.h"
#include "game/DiceFaces.h"
#include "game/TableListener.h"
#include "game/TableState.h"
#include "game/Tally.h"
#include "settings/GameSettings.h"

#include <array>
#include <optional>
#include <vector>

// The flow of a game at the table: owns TableState and makes every transition of it, from a new
// game through bets, throws, settlement and the turn end to the game's end, the pass of the bank
// and an interruption. It takes the settings (read afresh at each step, as the dialog may change
// names meanwhile), the random draws and the clock's seconds as inputs, and reports what happened
// as the events of TableListener.h. No waits, no sounds, no widgets: the table window paces and
// shows the steps, simulations run them back to back (playTurn).
//
// The throws of a turn, step by step as the table animates them:
//   startThrows();
//   do { startSeat();
//        do { startThrow(); rollDice(faces); judgeHand(); landDice(); recordHand(); } while (throwsAgain());
//   } while (endSeat() == SeatEnd::NextSeat);
//   settleTurn();
class TableFlow {
public:
    enum class SeatEnd {
        NextSeat,       // the next seat clockwise throws
        AllThrown,      // every seat in play has thrown
        BankerDecided,  // the banker's hand settles every player at once; nobody else throws
    };

    TableFlow(const SettingsRecord& settings, rules::TallyTable& tally, rules::TallySums& tallySums);

    // The window shows the state; tests arrange situations through it.
    TableState& state() { return m_state; }
    const TableState& state() const { return m_state; }
    // The present turn of the game, from 1.
    int turn() const { return m_turn; }

    // The characters of the computer seats; not owned, read at every bet. Without them every
    // computer seat is おまかせ.
    void useCharacters(const rules::SeatCharacters& characters) { m_characters = &characters; }
    rules::Character character(int seat) const;
    // The bet `character` makes for `seat` from the seat's score and last turn, the odds in force
    // and one draw 0 <= r < 1, as a computer seat of that character bets at the opening.
    rules::BetDecision characterBet(int seat, rules::Character character, float draw);

    // Listeners are not owned; one must be removed before it is destroyed.
    void addListener(TableListener* listener);
    void removeListener(TableListener* listener);

    // The seats in play and the seat clockwise after `seat`; the bank and the throws move by it.
    int seats() const { return m_settings.seatsInPlay(); }
    qint16 nextSeat(int seat) const { return static_cast<qint16>((seat + 1) % seats()); }

    // A new game: the first banker from the seconds of the time of day (0..59), every seat in play
    // at SCORE with no remembered bet, the tally cleared, the first turn open.
    flow::GameStarted newGame(int secondsOfTime);
    // Seats 0..seats-1 (at most six) back to the starting score SCORE.
    void giveStartingScores(int seats);
    // Whether the banker may pass the bank before the bets (ｽﾙｰ): option 6, or option 7 from the
    // second turn of a bank on.
    bool mayPass() const;

    // A computer banker's choice whether to take ｽﾙｰ before the bets, when it is offered and would
    // move the bank; nullopt when there is nothing to decide (a person or おまかせ holds the bank).
    // The caller passes the bank when it says so. It draws nothing.
    std::optional<rules::PassDecision> computerBankerPass();
    // The same choice for a banker of `character`, whoever holds the seat (a network room asks it
    // for a seat whose player has gone).
    std::optional<rules::PassDecision> bankerPass(rules::Character character);

    // Opens the bets; `draw` gives a uniform 0 <= r < 1 and is called once per computer player,
    // in seat order.
    template <typename Draw>
    flow::BetsOpened openBets(Draw&& draw);
    // A person's bet as the scroll bar sets it.
    void setBet(int seat, int bet);

    // The throws (order above). startThrows remembers every bet made and lets the banker throw first.
    void startThrows();
    void startSeat();
    void startThrow();
    // The three faces of the throw: 1..6, or 9 for a die out of the bowl.
    void rollDice(const std::array<qint16, 3>& faces);
    // Ranks the faces into the hand of the throw and decides whether the seat may throw again.
    void judgeHand();
    // The faces to show when the dice stop: after a die has left the bowl, all three are out.
    const std::array<qint16, 3>& landDice();
    // The hand of the throw becomes the seat's hand of the turn.
    flow::DiceThrown recordHand();
    // The seat throws again: no hand yet and fewer than NAGEKAI throws (a NAGEKAI of 0 or less
    // still gives one throw).
    bool throwsAgain() const;
    SeatEnd endSeat();
    // Pays every player against the banker, counts every seat's hand in the tally and decides
    // whether the banker's hand passes the bank.
    flow::TurnSettled settleTurn();

    // Clears the table, counts the turn and passes the bank after OYA turns or when the banker's
    // hand demands it; the next turn opens unless it was the last (then gameOver is reported).
    flow::TurnEnded endTurn();
    // ｽﾙｰ: the bank moves to the next seat (twice when OYA is below 1) without a turn being played.
    flow::BankPassed pass();
    // Gives the game up: the scores are emptied and reported as they stood.
    flow::GameInterrupted interrupt();

    // A computer banker's ｽﾙｰ, the bets, throws and settlement of one turn back to back, through the
    // same steps as the table; `draw` gives every random number, bets first, then three per throw.
    template <typename Draw>
    flow::TurnSettled playTurn(Draw&& draw);
    // The throws and settlement of a turn whose bets are placed; `faces` gives each throw's three
    // faces in the order the seats throw (a network room draws them, its windows replay them).
    template <typename Faces>
    flow::TurnSettled playThrows(Faces&& faces);

    // Takes over the turn and state of a table played elsewhere (a room's full state, between turns).
    void resume(int turn, const TableState& state)
    {
        m_turn = turn;
        m_state = state;
    }

private:
    void openTurn();
    void clearTable();
    void beginBets();
    flow::SeatBet placeBet(int seat, float draw, const rules::BetLimits& limits, rules::Reason& reason);
    rules::BetDecision characterBet(int seat, rules::Character character, float draw, const rules::BetLimits& limits);
    // The exact odds of the rules in force, worked out again only when the rules have changed.
    struct Odds {
        std::optional<std::array<qint32, 13>> forRules;  // NAGEKAI and the twelve options, once worked out
        long double playerExpectation = 0;
        long double playerSecondMoment = 1;
    };
    const Odds& odds();
    // One throw's steps from startThrow to recordHand, back to back; true when the seat throws again.
    bool throwOnce(const std::array<qint16, 3>& faces);
    bool drawsBet(int seat) const { return seat != m_state.OyaSeat && m_settings.isComputer(seat); }

    template <typename Event>
    void notify(void (TableListener::*method)(const Event&), const Event& event) const
    {
        for (TableListener* listener : m_listeners)
            (listener->*method)(event);
    }

    const SettingsRecord& m_settings;
    rules::TallyTable& m_tally;
    rules::TallySums& m_tallySums;
    TableState m_state;
    std::vector<TableListener*> m_listeners;
    int m_turn = 0;
    int m_seatsThrown = 0;
    std::array<qint16, 3> m_drawnFaces{};
    const rules::SeatCharacters* m_characters = nullptr;
    Odds m_odds;
};

template <typename Draw>
flow::BetsOpened TableFlow::openBets(Draw&& draw)
{
    beginBets();
    const rules::BetLimits limits = rules::betLimits(m_settings.BETMIN, m_settings.BETMAX);
    flow::BetsOpened opened{m_turn, m_state.OyaSeat, {}, {}};
    const int seatCount = seats();
    for (int seat = 0; seat < seatCount; ++seat)
        opened.seat[seat] = placeBet(seat, drawsBet(seat) ? draw() : 0.0f, limits, opened.reason[seat]);
    notify(&TableListener::betsOpened, opened);
    return opened;
}

template <typename Draw>
flow::TurnSettled TableFlow::playTurn(Draw&& draw)
{
    for (auto choice = computerBankerPass(); choice && choice->pass; choice = computerBankerPass())
        pass();
    openBets(draw);
    return playThrows([&] {
        return std::array<qint16, 3>{rules::throwFace(draw()), rules::throwFace(draw()), rules::throwFace(draw())};
    });
}

template <typename Faces>
flow::TurnSettled TableFlow::playThrows(Faces&& faces)
{
    startThrows();
    SeatEnd end = SeatEnd::NextSeat;
    while (end == SeatEnd::NextSeat) {
        startSeat();
        while (throwOnce(faces())) {
        }
        end = endSeat();
    }
    return settleTurn();
}
