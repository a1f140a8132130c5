#pragma once

#include "net/Protocol.h"

#include <QString>

// What a window says when the room refuses a message or ends: the protocol carries codes only,
// each window says them in its own language.
namespace RoomTexts {
QString refusal(net::ErrorCode code);
QString closing(net::CloseReason reason);
}  // namespace RoomTexts
