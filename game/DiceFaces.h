#pragma once

#include <QtGlobal>

namespace rules {

// The face of a thrown die from a uniform draw 0 <= r < 1: 1..6, each with probability 1/6.001,
// or OutOfBowlFace (9) with probability 0.001/6.001. A draw outside [0, 1) or NaN lands out of the bowl.
qint16 throwFace(float r);

// The face of an animation frame from a draw 0 <= r < 1: always 1..6, whatever r holds.
qint16 animationFace(float r);

}  // namespace rules
