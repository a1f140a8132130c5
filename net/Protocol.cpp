#include "net/Protocol.h"

#include <array>

namespace net {
namespace {

// The wire names, in the order of each enumeration.
constexpr std::array errorNames{"bad_json",      "bad_version",     "unknown_type",     "bad_field",
                                "no_such_room",  "room_full",       "rules_mismatch",   "too_many_rooms",
                                "not_joined",    "already_joined",  "not_your_seat",    "not_your_command",
                                "wrong_phase",   "bet_out_of_limits", "not_ready",        "bad_token",
                                "seat_held",     "no_spectators"};
constexpr std::array closeNames{"host_ended", "host_left",       "too_large", "flooding",
                                "handshake_timeout", "server_stopping", "refused", "connection_lost", "server_full", "idle"};
constexpr std::array commandNames{"newGame", "openBets", "throw", "nextTurn", "pass", "interrupt"};
constexpr std::array holderNames{"host", "remote", "computer", "absent"};
constexpr std::array phaseNames{"noGame", "turnOpen", "betsOpen", "betsClosed", "turnSettled", "gameOver"};

template <typename Enum, std::size_t N>
QString nameOf(const std::array<const char*, N>& names, Enum value)
{
    return QString::fromLatin1(names[static_cast<std::size_t>(value)]);
}

template <typename Enum, std::size_t N>
std::optional<Enum> valueOf(const std::array<const char*, N>& names, const QString& name)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (name == QLatin1String(names[i]))
            return static_cast<Enum>(i);
    }
    return std::nullopt;
}

}  // namespace

QString codeName(ErrorCode code) { return nameOf(errorNames, code); }
QString codeName(CloseReason reason) { return nameOf(closeNames, reason); }
QString codeName(Command command) { return nameOf(commandNames, command); }
QString codeName(Holder holder) { return nameOf(holderNames, holder); }
QString codeName(Phase phase) { return nameOf(phaseNames, phase); }
std::optional<ErrorCode> errorCodeFromName(const QString& name) { return valueOf<ErrorCode>(errorNames, name); }
std::optional<CloseReason> closeReasonFromName(const QString& name) { return valueOf<CloseReason>(closeNames, name); }
std::optional<Command> commandFromName(const QString& name) { return valueOf<Command>(commandNames, name); }
std::optional<Holder> holderFromName(const QString& name) { return valueOf<Holder>(holderNames, name); }
std::optional<Phase> phaseFromName(const QString& name) { return valueOf<Phase>(phaseNames, name); }

}  // namespace net
