#include "app/TableZoom.h"

#include "settings/PlayerSettings.h"
#include "ui/widgets/ControlNames.h"
#include "ui/widgets/LiveTexts.h"
#include "ui/widgets/ScreenCentre.h"
#include "ui/widgets/Zoom.h"

#include <QActionGroup>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace {

const QString settingKey = QStringLiteral("table/zoom");
const QString fitText = QStringLiteral("fit");

int rememberedChoice()
{
    const QString stored = player_settings::value(settingKey).toString();
    if (stored == fitText)
        return TableZoom::FitToScreen;
    const auto& steps = TableZoom::Steps;
    const auto step = std::find_if(steps.begin(), steps.end(),
                                   [&stored](int percent) { return stored == QString::number(percent); });
    return step == steps.end() ? 100 : *step;
}

// Edges are scaled rather than sizes, so that neighbours laid out edge to edge stay so.
QRect scaledRect(const QRect& r, int percent)
{
    const auto s = [percent](int v) { return static_cast<int>(std::lround(v * percent / 100.0)); };
    return QRect(QPoint(s(r.left()), s(r.top())), QPoint(s(r.right() + 1) - 1, s(r.bottom() + 1) - 1));
}

QFont scaledFont(QFont font, int percent)
{
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * percent / 100.0);
    else
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pixelSize() * percent / 100.0))));
    return font;
}

}  // namespace

TableZoom::TableZoom(QMainWindow& table, QMenu& menu, QSize largestTable)
    : QObject(&table), m_table(table), m_largest(largestTable), m_appFont(QApplication::font())
{
    for (QWidget* widget : table.centralWidget()->findChildren<QWidget*>())
        m_placed.push_back({widget, widget->geometry(), widget->font()});
    buildMenu(menu);
    m_choice = rememberedChoice();
    for (const auto& [percent, action] : m_choices)
        action->setChecked(percent == m_choice);
    const int percent = percentOnScreen(m_choice);
    if (percent != zoom::percent())
        apply(percent);
}

TableZoom::~TableZoom()
{
    zoom::setPercent(100);
    if (QApplication::font() != m_appFont)
        QApplication::setFont(m_appFont);
}

void TableZoom::buildMenu(QMenu& menu)
{
    // Captions follow the language; those of the percentages read the same in every language.
    const auto item = [this, &menu](const char* name, const char* caption) {
        QAction* action = named(menu.addAction(QString()), name);
        liveCaption(&m_table, action, [caption] { return tr(caption); });
        return action;
    };
    QAction* larger = item("zoomIn", QT_TR_NOOP("拡大(&I)"));
    larger->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    connect(larger, &QAction::triggered, this, &TableZoom::zoomIn);
    QAction* smaller = item("zoomOut", QT_TR_NOOP("縮小(&O)"));
    smaller->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    connect(smaller, &QAction::triggered, this, &TableZoom::zoomOut);
    menu.addSeparator();

    auto* group = new QActionGroup(this);
    const auto choiceItem = [&](int choice, const char* name, const char* caption) {
        QAction* action = item(name, caption);
        action->setCheckable(true);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, choice] { choose(choice); });
        m_choices.emplace_back(choice, action);
    };
    const struct {
        int choice;
        const char* name;
        const char* caption;
    } choices[] = {{100, "zoom100", "100 %"}, {125, "zoom125", "125 %"}, {150, "zoom150", "150 %"},
                   {200, "zoom200", "200 %"}, {FitToScreen, "zoomFit", QT_TR_NOOP("画面に合わせる(&F)")}};
    for (const auto& c : choices)
        choiceItem(c.choice, c.name, c.caption);
    m_choices.front().second->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
}

void TableZoom::choose(int choice)
{
    m_choice = choice;
    player_settings::setValue(settingKey, choice == FitToScreen ? fitText : QString::number(choice));
    for (const auto& [percent, action] : m_choices)
        action->setChecked(percent == choice);
    apply(percentOnScreen(choice));
}

void TableZoom::zoomIn()
{
    const auto next = std::find_if(Steps.begin(), Steps.end(), [](int step) { return step > zoom::percent(); });
    if (next != Steps.end() && percentOnScreen(*next) > zoom::percent())
        choose(*next);
}

void TableZoom::zoomOut()
{
    const auto next = std::find_if(Steps.rbegin(), Steps.rend(), [](int step) { return step < zoom::percent(); });
    if (next != Steps.rend())
        choose(*next);
}

int TableZoom::percentFor(int choice, QSize available, QSize largestTable)
{
    if (largestTable.isEmpty() || available.isEmpty())
        return choice == FitToScreen ? 100 : choice;
    const QSize room = available - windowFrameAllowance;
    const double fits = std::min(room.width() * 100.0 / largestTable.width(),
                                 room.height() * 100.0 / largestTable.height());
    const int fit = std::clamp(static_cast<int>(std::floor(fits)), 50, 400);
    return choice == FitToScreen ? fit : std::min(choice, fit);
}

int TableZoom::percentOnScreen(int choice) const
{
    const QScreen* screen = m_table.screen() ? m_table.screen() : QGuiApplication::primaryScreen();
    return percentFor(choice, screen ? screen->availableGeometry().size() : QSize(), m_largest);
}

void TableZoom::apply(int percent)
{
    keepOpenWindowsAsTheyAre();
    zoom::setPercent(percent);
    QApplication::setFont(scaledFont(m_appFont, zoom::percent()));
    for (const Placed& placed : m_placed) {
        if (!placed.widget)
            continue;
        placed.widget->setFont(scaledFont(placed.font, zoom::percent()));
        placed.widget->setGeometry(scaledRect(placed.geometry, zoom::percent()));
    }
    emit zoomed();
    keepOnScreen();
}

void TableZoom::place(QWidget* widget, const QRect& geometry)
{
    std::erase_if(m_placed, [](const Placed& placed) { return placed.widget.isNull(); });
    // A control without a font of its own has the application's, which the zoom has scaled.
    const QFont font = widget->testAttribute(Qt::WA_SetFont) ? widget->font() : m_appFont;
    m_placed.push_back({widget, geometry, font});
    widget->setFont(scaledFont(font, zoom::percent()));
    widget->setGeometry(scaledRect(geometry, zoom::percent()));
}

QRect TableZoom::placeAtFullSize(const QWidget* widget) const
{
    const auto found = std::find_if(m_placed.begin(), m_placed.end(),
                                    [widget](const Placed& placed) { return placed.widget == widget; });
    return found == m_placed.end() ? QRect() : found->geometry;
}

// A window opened from the table was built for the zoom it opened with: it keeps that font, so
// that nothing in it outgrows its place, and takes the new zoom when it is next opened.
void TableZoom::keepOpenWindowsAsTheyAre()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        const bool ownWindow = window->windowType() == Qt::Window || window->windowType() == Qt::Dialog;
        if (window == &m_table || !ownWindow || !window->isVisible() || window->testAttribute(Qt::WA_SetFont))
            continue;
        QFont font = window->font();
        font.setResolveMask(QFont::AllPropertiesResolved);
        window->setFont(font);
    }
}

void TableZoom::keepOnScreen()
{
    const QScreen* screen = m_table.screen();
    if (!screen || !m_table.isVisible())
        return;
    const QRect area = screen->availableGeometry();
    const QRect frame = m_table.frameGeometry();
    const int left = std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width()));
    const int top = std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height()));
    if (left != frame.left() || top != frame.top())
        m_table.move(left, top);
}
