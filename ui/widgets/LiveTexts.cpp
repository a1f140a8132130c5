#include "ui/widgets/LiveTexts.h"

#include <QAction>
#include <QEvent>
#include <QMenu>
#include <QWidget>

LiveTexts::LiveTexts(QWidget* window) : QObject(window) { setObjectName(QStringLiteral("liveTexts")); }

LiveTexts& LiveTexts::of(QWidget* window)
{
    if (auto* texts = window->findChild<LiveTexts*>(QStringLiteral("liveTexts"), Qt::FindDirectChildrenOnly))
        return *texts;
    return *new LiveTexts(window);
}

void LiveTexts::add(QObject* target, std::function<void()> show)
{
    show();
    m_entries.push_back({target, std::move(show)});
}

bool LiveTexts::event(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        std::erase_if(m_entries, [](const Entry& entry) { return entry.target.isNull(); });
        for (const Entry& entry : m_entries)
            entry.show();
    }
    return QObject::event(event);
}

void liveTitle(QWidget* window, QMenu* menu, TextInForce text)
{
    LiveTexts::of(window).add(menu, [menu, text] { menu->setTitle(text()); });
}

void liveCaption(QWidget* window, QAction* action, TextInForce text)
{
    LiveTexts::of(window).add(action, [action, text] { action->setText(text()); });
}

void liveToolTip(QWidget* window, QWidget* widget, TextInForce text)
{
    LiveTexts::of(window).add(widget, [widget, text] { widget->setToolTip(text()); });
}
