#pragma once

class QLabel;
class QString;

// Shows a one-line text in a label, its font narrowed (never below half its width) when the text
// would run past the label's width; a text that fits is shown at the font's own width.
void showNarrowedToFit(QLabel* label, const QString& text);
