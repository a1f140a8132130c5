#include "game/DiceFaces.h"

#include "game/HandRanking.h"

#include <cmath>

namespace rules {

// The draw is single precision, but the product is taken in double from its exact value: the
// boundary 6/6.001 lies between two floats, so 0.99983f gives 6 and 0.9999f leaves the bowl.
qint16 throwFace(float r)
{
    // Within [1, 7) the whole part is the face; anything else, NaN too, is out of the bowl.
    const double x = double(r) * 6.001 + 1.0;
    if (!(x >= 1.0 && x < 7.0))
        return OutOfBowlFace;
    return qint16(x);
}

qint16 animationFace(float r)
{
    const double x = std::floor(double(r) * 6.0 + 1.0);
    if (!(x >= 1.0))
        return 1;
    if (x > 6.0)
        return 6;
    return qint16(x);
}

}  // namespace rules
