#pragma once

#include <QString>
#include <QtGlobal>

namespace rules {

// The name of a hand in the language in force, from its value alone: what the views show. The
// table, the history and the tally keep and compare the hand's own name, which never changes
// with the language; in Japanese both are the same text. Empty for 0 (no hand yet) and for a
// value that is no hand.
QString handName(qint16 value);

}  // namespace rules
