#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <vector>

class QAbstractButton;
class QAction;
class QLabel;
class QMenu;
class QWidget;

// A text in the language in force, as a function the window writes with its own tr():
// [] { return tr("設定(&S)"); }, [n] { return tr("%1投目").arg(n); }
using TextInForce = std::function<QString()>;

// The texts of a window that follow the language in force. Each is shown at once and shown again in
// the new language whenever the language changes, as long as its place still shows it: a label that
// was cleared or given another text since keeps what it shows.
class LiveTexts : public QObject {
    Q_OBJECT
public:
    // The window's own set, made on first use as a child of the window, so that the window's change
    // of language reaches it.
    static LiveTexts& of(QWidget* window);

    // A place of an object that shows a text: which one ("text", "toolTip"), how to read what it
    // shows and how to show another. A text given again for a place takes the old one's place.
    struct Place {
        QPointer<QObject> object;
        const char* what;
        std::function<QString()> shown;
        std::function<void(const QString&)> show;
    };
    void add(Place place, TextInForce text);

protected:
    bool event(QEvent* event) override;

private:
    explicit LiveTexts(QWidget* window);

    struct Entry {
        Place place;
        TextInForce text;
        QString lastShown;
    };
    std::vector<Entry> m_entries;
};

// The common places: a menu's title, an action's caption, a label's or a button's text, a tool tip.
void liveTitle(QWidget* window, QMenu* menu, TextInForce text);
void liveCaption(QWidget* window, QAction* action, TextInForce text);
void liveText(QWidget* window, QLabel* label, TextInForce text);
void liveText(QWidget* window, QAbstractButton* button, TextInForce text);
void liveToolTip(QWidget* window, QWidget* widget, TextInForce text);
void liveWindowTitle(QWidget* window, TextInForce text);
