#pragma once

class QScreen;
class QWidget;

// Moves the window so that it sits in the middle of the screen's available area; without a
// screen it stays where it is. The window's size must be final.
void centreOnScreen(QWidget* window, const QScreen* screen);
