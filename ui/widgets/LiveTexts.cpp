#include "ui/widgets/LiveTexts.h"

#include <QAbstractButton>
#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QWidget>

#include <string_view>

LiveTexts::LiveTexts(QWidget* window) : QObject(window) { setObjectName(QStringLiteral("liveTexts")); }

LiveTexts& LiveTexts::of(QWidget* window)
{
    if (auto* texts = window->findChild<LiveTexts*>(QStringLiteral("liveTexts"), Qt::FindDirectChildrenOnly))
        return *texts;
    return *new LiveTexts(window);
}

void LiveTexts::add(Place place, TextInForce text)
{
    const QString shown = text();
    place.show(shown);
    std::erase_if(m_entries, [&place](const Entry& entry) {
        return entry.place.object.isNull() ||
               (entry.place.object == place.object && std::string_view(entry.place.what) == place.what);
    });
    m_entries.push_back({std::move(place), std::move(text), shown});
}

bool LiveTexts::event(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        // A place that no longer shows its text has been given another since: it is no longer ours.
        std::erase_if(m_entries, [](const Entry& entry) {
            return entry.place.object.isNull() || entry.place.shown() != entry.lastShown;
        });
        for (Entry& entry : m_entries) {
            entry.lastShown = entry.text();
            entry.place.show(entry.lastShown);
        }
    }
    return QObject::event(event);
}

void liveTitle(QWidget* window, QMenu* menu, TextInForce text)
{
    LiveTexts::of(window).add({menu, "title", [menu] { return menu->title(); }, [menu](const QString& t) { menu->setTitle(t); }},
                              std::move(text));
}

void liveCaption(QWidget* window, QAction* action, TextInForce text)
{
    LiveTexts::of(window).add(
        {action, "text", [action] { return action->text(); }, [action](const QString& t) { action->setText(t); }},
        std::move(text));
}

void liveText(QWidget* window, QLabel* label, TextInForce text)
{
    LiveTexts::of(window).add({label, "text", [label] { return label->text(); }, [label](const QString& t) { label->setText(t); }},
                              std::move(text));
}

void liveText(QWidget* window, QAbstractButton* button, TextInForce text)
{
    LiveTexts::of(window).add(
        {button, "text", [button] { return button->text(); }, [button](const QString& t) { button->setText(t); }},
        std::move(text));
}

void liveToolTip(QWidget* window, QWidget* widget, TextInForce text)
{
    LiveTexts::of(window).add(
        {widget, "toolTip", [widget] { return widget->toolTip(); }, [widget](const QString& t) { widget->setToolTip(t); }},
        std::move(text));
}
