#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <vector>

class QAction;
class QMenu;
class QWidget;

// The texts of a window that follow the language in force. Each is shown at once, and shown again
// whenever the language changes, for as long as the object that shows it lives.
class LiveTexts : public QObject {
    Q_OBJECT
public:
    // The window's own set, made on first use as a child of the window, so that the window's change
    // of language reaches it.
    static LiveTexts& of(QWidget* window);

    void add(QObject* target, std::function<void()> show);

protected:
    bool event(QEvent* event) override;

private:
    explicit LiveTexts(QWidget* window);

    struct Entry {
        QPointer<QObject> target;
        std::function<void()> show;
    };
    std::vector<Entry> m_entries;
};

// A text in the language in force, as a function the window writes with its own tr():
// [] { return tr("設定(&S)"); }
using TextInForce = QString (*)();

// The common cases: a menu's title, an action's caption, a widget's tool tip.
void liveTitle(QWidget* window, QMenu* menu, TextInForce text);
void liveCaption(QWidget* window, QAction* action, TextInForce text);
void liveToolTip(QWidget* window, QWidget* widget, TextInForce text);
