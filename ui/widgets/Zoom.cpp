#include "ui/widgets/Zoom.h"

#include <QtGlobal>

namespace {

int inForce = 100;

}  // namespace

namespace zoom {

int percent() { return inForce; }

void setPercent(int percent) { inForce = qBound(50, percent, 400); }

int scaled(int pixels) { return qRound(pixels * inForce / 100.0); }

}  // namespace zoom
