#pragma once

#include "game/TableFlow.h"

#include <QByteArray>
#include <QString>

namespace net {

// What every window compares with the room after each step: the first 16 hex digits of SHA-256
// over the canonical form of the turn, banker, its turn, turns left, passes, every seat's score
// (empty when none), remembered bet and last payment (the characters bet by it).
QByteArray digestForm(const TableFlow& flow);
QString stateDigest(const TableFlow& flow);

}  // namespace net
