#pragma once

#include <QPushButton>

// A push button laid out by its window's layout whose caption keeps half a line of room from the
// frame on each side, whatever its language and the zoom in force: the style's own size leaves a
// long caption only a few pixels, and its least width does not grow with the font.
class CaptionButton : public QPushButton {
    Q_OBJECT
public:
    explicit CaptionButton(QWidget* parent);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
};
