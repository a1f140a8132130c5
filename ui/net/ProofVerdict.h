#pragma once

#include "net/TurnProof.h"

#include <QString>

// What a window says of a turn's proof: a short word for the room's strip and the list, and the
// whole sentence for a tool tip.
namespace ProofVerdict {
QString word(const net::TurnProof::Check& check);
QString sentence(const net::TurnProof::Check& check);
}  // namespace ProofVerdict
