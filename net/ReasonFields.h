#pragma once

#include "game/ComputerCharacter.h"

#include <QJsonObject>

#include <optional>

namespace net {

// A computer decision's reason as a message carries it: the character's settings-file word, the
// motive's code word and the numbers the line is made of; the window writes the line itself.
QJsonObject reasonToJson(const rules::Reason& reason);
// nullopt when a field is missing or out of range; an unknown character word is おまかせ.
std::optional<rules::Reason> reasonFromJson(const QJsonObject& body);

class JsonFields;
// A message's optional field "reason": written only when there is one; absent, it reads as
// nullopt, and a malformed one fails the message.
void insertReason(QJsonObject& body, const std::optional<rules::Reason>& reason);
std::optional<rules::Reason> optionalReason(JsonFields& fields);

}  // namespace net
