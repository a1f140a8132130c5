#pragma once

#include "game/TurnRecord.h"
#include "net/RoomMessages.h"

#include <QString>
#include <QStringList>
#include <QVector>

#include <array>

namespace net {

// What one turn's steps say about its dice, gathered as they arrive, and the check of it once
// the seed is out: the seed hashes to the commitment of betsOpened, its bet stream gives the
// draws of betsOpened and then those of the dropped seats' bets, and its throw stream, over the contributions of betsClosed, gives every
// face of thrown.
struct TurnProof {
    enum class Verdict { Verified, Incomplete, WrongSeed, WrongBetDraw, WrongFace, ContributionLeftOut };
    struct Check {
        Verdict verdict = Verdict::Incomplete;
        int index = -1;  // the first bet draw or die (in throwing order) that disagrees, or the own seat
        bool operator==(const Check&) const = default;
    };

    int turn = 0;
    QString commitment;
    QVector<qint64> betDraws;
    QStringList contributions;
    QString seed;
    QVector<std::array<qint16, 3>> faces;
    // What this participant knows it gave: its seat and the contribution of a bet or ready the room
    // took from it this turn (empty for none), which betsClosed must list.
    int ownSeat = -1;
    QString ownContribution;

    // Takes a step of the room; true when it was the turn's throws, which complete the proof.
    // A turn whose opening this participant did not see (it joined later) stays incomplete.
    bool take(const RoomStep& step);
    Check check() const;

    // As a history keeps it, and back from the history's turn: its faces in throwing order, the
    // banker's first, then each seat clockwise.
    TurnProofRecord record() const;
    static TurnProof fromHistory(const TurnRecord& turn, const TurnProofRecord& record);
};

}  // namespace net
