#include "net/RoomSeats.h"

#include <QRandomGenerator>

namespace net {
namespace {

QString newToken()
{
    QString token;
    for (int i = 0; i < SeatTokenLength / 8; ++i)
        token += QStringLiteral("%1").arg(QRandomGenerator::system()->generate(), 8, 16, QLatin1Char('0'));
    return token;
}

}  // namespace

RoomSeats::RoomSeats(const RoomRules& rules, int hostSeat) : m_hostSeat(hostSeat)
{
    for (int seat = 0; seat < rules.seats(); ++seat)
        m_seats.append({rules.settings.isComputer(seat), rules.settings.name(seat), -1, QString(), rules::Character::Omakase,
                           false, QDeadlineTimer(0)});
}

bool RoomSeats::isFree(int seat) const
{
    const Seat& s = m_seats.at(seat);
    return !s.computer && s.participant < 0 && seat != m_hostSeat && (s.token.isEmpty() || s.reserved.hasExpired());
}

std::variant<int, ErrorCode> RoomSeats::seatFor(const JoinMessage& join) const
{
    if (!join.token.isEmpty()) {
        for (int seat = 0; seat < m_seats.size(); ++seat) {
            const Seat& s = m_seats.at(seat);
            if (s.token != join.token || (join.seat >= 0 && join.seat != seat))
                continue;
            if (s.participant >= 0)
                return ErrorCode::SeatHeld;
            return s.reserved.hasExpired() ? std::variant<int, ErrorCode>(ErrorCode::BadToken) : seat;
        }
        return ErrorCode::BadToken;
    }
    if (join.seat >= 0)
        return join.seat < m_seats.size() && isFree(join.seat) ? std::variant<int, ErrorCode>(join.seat)
                                                               : ErrorCode::RoomFull;
    for (int seat = 0; seat < m_seats.size(); ++seat) {
        if (isFree(seat))
            return seat;
    }
    return ErrorCode::RoomFull;
}

int RoomSeats::holderOf(const QString& token) const
{
    for (const Seat& s : m_seats) {
        if (!token.isEmpty() && s.token == token)
            return s.participant;
    }
    return -1;
}

bool RoomSeats::isDropped(int seat) const
{
    const Seat& s = m_seats.at(seat);
    return !s.computer && s.participant < 0 && !s.token.isEmpty();
}

QString RoomSeats::take(int seat, int participant, const QString& name, rules::Character fallback, bool web)
{
    Seat& s = m_seats[seat];
    if (s.token.isEmpty() || s.reserved.hasExpired())
        s.token = newToken();
    s.participant = participant;
    s.name = name;
    s.fallback = fallback;
    s.web = web;
    s.reserved = QDeadlineTimer(QDeadlineTimer::Forever);
    return s.token;
}

int RoomSeats::release(int participant, int rejoinMs)
{
    const int seat = seatOf(participant);
    if (seat >= 0) {
        m_seats[seat].participant = -1;
        m_seats[seat].reserved = QDeadlineTimer(rejoinMs);
    }
    return seat;
}

int RoomSeats::seatOf(int participant) const
{
    for (int seat = 0; seat < m_seats.size(); ++seat) {
        if (participant >= 0 && m_seats.at(seat).participant == participant)
            return seat;
    }
    return -1;
}

QVector<int> RoomSeats::participants() const
{
    QVector<int> connected;
    for (const Seat& seat : m_seats) {
        if (seat.participant >= 0)
            connected.append(seat.participant);
    }
    return connected;
}

QVector<SeatInfo> RoomSeats::infos() const
{
    QVector<SeatInfo> infos;
    for (int seat = 0; seat < m_seats.size(); ++seat) {
        const Seat& s = m_seats.at(seat);
        const Holder holder = s.computer            ? Holder::Computer
                              : s.participant < 0   ? Holder::Absent
                              : seat == m_hostSeat  ? Holder::Host
                                                    : Holder::Remote;
        const bool kept = holder == Holder::Absent && !s.token.isEmpty() && !s.reserved.hasExpired();
        infos.append({holder, s.name, s.web && holder != Holder::Computer, kept ? static_cast<int>(std::max<qint64>(1, s.reserved.remainingTime())) : 0});
    }
    return infos;
}

}  // namespace net
