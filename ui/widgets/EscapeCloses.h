#pragma once

#include <QObject>

class QWidget;

// Closes its window on Esc without modifiers, whichever of the window's controls has the focus
// (a control that takes Esc for itself keeps it). Made a child of the window it closes.
class EscapeCloses : public QObject {
    Q_OBJECT
public:
    explicit EscapeCloses(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
};
