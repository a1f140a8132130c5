#pragma once

#include "ui/widgets/Zoom.h"

// Positions and sizes of the windows are laid out in twips: 15 twips make one pixel at 96 dpi and
// 100 %; the result follows the zoom in force. Qt scales the pixels for high-dpi screens.
inline int twips(int t) { return (t * zoom::percent() + 750) / 1500; }
