#pragma once

#include <QSize>

class QScreen;
class QWidget;

// Room a window's title bar and borders take beside its contents on a screen.
inline constexpr QSize windowFrameAllowance(16, 48);

// Where windows open. The window's size must be final; without a screen it stays where it is.

// In the middle of the screen's available area.
void centreOnScreen(QWidget* window, const QScreen* screen);
// Centred over the window of `owner`, kept within that screen's available area.
void centreOver(QWidget* window, const QWidget* owner);
// Beside the window of `owner`: on its right when the screen has room there, else on its left,
// else centred over it; kept within the screen's available area.
void placeBeside(QWidget* window, const QWidget* owner);
