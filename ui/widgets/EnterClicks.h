#pragma once

#include <QObject>

class QAbstractButton;
class QWidget;

// Gives a window without a dialog's default button one: Enter (either key) clicks the button,
// whichever of the window's controls has the focus (a control that takes Enter for itself keeps
// it). A held key repeating does not click. Made a child of the window.
class EnterClicks : public QObject {
    Q_OBJECT
public:
    EnterClicks(QWidget* window, QAbstractButton* button);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
    QAbstractButton* m_button;
};
