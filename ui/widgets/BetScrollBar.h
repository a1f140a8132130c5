#pragma once

#include <QScrollBar>

// A seat's bet setter. From the keyboard: Right/Up and Left/Down move the bet by 1, PageUp and
// PageDown by 10 (by 100 when the upper limit is above 999), Home and End to the limits. A click
// beside the thumb still moves it by 1. While it has the keyboard focus it wears a frame like the table's commands.
class BetScrollBar : public QScrollBar {
    Q_OBJECT
public:
    explicit BetScrollBar(QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
