#pragma once

#include <QtGlobal>

// Positions and sizes of the windows are laid out in twips: 15 twips make one pixel at 96 dpi.
// Qt scales the pixels for high-dpi screens.
constexpr int twips(int t) { return (t + 7) / 15; }
