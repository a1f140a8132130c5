#include "net/TurnProof.h"

#include "game/DiceFaces.h"
#include "net/FairDice.h"
#include "net/Overloaded.h"

namespace net {

bool TurnProof::take(const RoomStep& step)
{
    return std::visit(Overloaded{
                          [&](const BetsOpenedMessage& m) {
                              *this = {m.turn, m.commitment, m.draws, {}, {}, {}, -1, {}};
                              return false;
                          },
                          [&](const BetMessage& m) {
                              // A dropped seat's bet: the bet stream's next draw after the opening's.
                              if (m.draw)
                                  betDraws.append(*m.draw);
                              return false;
                          },
                          [&](const BetsClosedMessage& m) {
                              contributions = m.contributions;
                              return false;
                          },
                          [&](const ThrownMessage& m) {
                              if (m.turn != turn)
                                  *this = {m.turn, {}, {}, {}, {}, {}, -1, {}};
                              seed = m.seed;
                              faces = m.faces;
                              return true;
                          },
                          [&](const auto&) { return false; },
                      },
                      step);
}

TurnProof::Check TurnProof::check() const
{
    const QByteArray key = QByteArray::fromHex(seed.toLatin1());
    if (commitment.isEmpty() || seed.size() != 2 * FairDice::SeedBytes || faces.isEmpty())
        return {Verdict::Incomplete, -1};
    if (FairDice::commitment(key) != commitment)
        return {Verdict::WrongSeed, -1};
    FairDice dice(key, turn);
    for (int i = 0; i < betDraws.size(); ++i) {
        if (qint64(dice.nextBetDraw() >> 8) != betDraws[i])
            return {Verdict::WrongBetDraw, i};
    }
    if (!ownContribution.isEmpty() && contributions.value(ownSeat) != ownContribution)
        return {Verdict::ContributionLeftOut, ownSeat};
    dice.setContributions(contributions);
    for (int die = 0; die < 3 * faces.size(); ++die) {
        const qint16 face = rules::throwFace(unitOfDraw(dice.nextThrowDraw() >> 8));
        if (face != faces[die / 3][die % 3])
            return {Verdict::WrongFace, die};
    }
    return {Verdict::Verified, -1};
}

TurnProofRecord TurnProof::record() const
{
    QStringList draws;
    for (const qint64 draw : betDraws)
        draws.append(QString::number(draw));
    return {commitment, seed, contributions, draws.join(QLatin1Char(',')), ownSeat, ownContribution};
}

TurnProof TurnProof::fromHistory(const TurnRecord& turn, const TurnProofRecord& record)
{
    TurnProof proof{turn.number, record.commitment, {}, record.contributions, record.seed, {}, record.ownSeat,
                    record.ownContribution};
    for (const QString& draw : record.betDraws.split(QLatin1Char(','), Qt::SkipEmptyParts))
        proof.betDraws.append(draw.toLongLong());
    const int seats = int(turn.seats.size());
    for (int i = 0; i < seats; ++i) {
        for (const std::array<qint16, 3>& faces : turn.seats[(turn.banker + i) % seats].throws)
            proof.faces.append(faces);
    }
    return proof;
}

}  // namespace net
