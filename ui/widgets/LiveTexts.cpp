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

namespace {

template <typename Object>
void livePlace(QWidget* window, Object* object, const char* what, QString (Object::*read)() const,
               void (Object::*write)(const QString&), TextInForce text)
{
    LiveTexts::of(window).add({object, what, [object, read] { return (object->*read)(); },
                               [object, write](const QString& shown) { (object->*write)(shown); }},
                              std::move(text));
}

}  // namespace

void liveTitle(QWidget* window, QMenu* menu, TextInForce text)
{
    livePlace(window, menu, "title", &QMenu::title, &QMenu::setTitle, std::move(text));
}

void liveCaption(QWidget* window, QAction* action, TextInForce text)
{
    livePlace(window, action, "text", &QAction::text, &QAction::setText, std::move(text));
}

void liveText(QWidget* window, QLabel* label, TextInForce text)
{
    livePlace(window, label, "text", &QLabel::text, &QLabel::setText, std::move(text));
}

void liveText(QWidget* window, QAbstractButton* button, TextInForce text)
{
    livePlace(window, button, "text", &QAbstractButton::text, &QAbstractButton::setText, std::move(text));
}

void liveToolTip(QWidget* window, QWidget* widget, TextInForce text)
{
    livePlace(window, widget, "toolTip", &QWidget::toolTip, &QWidget::setToolTip, std::move(text));
}

void liveWindowTitle(QWidget* window, TextInForce text)
{
    livePlace(window, window, "windowTitle", &QWidget::windowTitle, &QWidget::setWindowTitle, std::move(text));
}
