#include "app/NetworkMenu.h"

#include "app/frmMain.h"
#include "state/Program.h"
#include "ui/net/FairnessWindow.h"
#include "ui/net/HostRoomWindow.h"
#include "ui/net/JoinRoomWindow.h"
#include "ui/widgets/ControlNames.h"
#include "ui/widgets/LiveTexts.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>

NetworkMenu::NetworkMenu(QMenu& menu, frmMain& table) : QObject(&table), m_table(table)
{
    const auto item = [&](const char* name, TextInForce caption, void (NetworkMenu::*slot)()) {
        QAction* action = named(menu.addAction(QString()), name);
        liveCaption(&table, action, std::move(caption));
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    netHost = item("netHost", [] { return tr("部屋を作る..."); }, &NetworkMenu::host);
    netJoin = item("netJoin", [] { return tr("部屋に入る..."); }, &NetworkMenu::join);
    netLeave = item("netLeave", [] { return tr("部屋を出る"); }, &NetworkMenu::leave);
    menu.addSeparator();
    netFairness = item("netFairness", [] { return tr("公平性の検証..."); }, &NetworkMenu::fairness);
    showState();
}

HostRoomWindow* NetworkMenu::hostWindow() const { return m_host; }

JoinRoomWindow* NetworkMenu::joinWindow() const { return m_join; }

void NetworkMenu::host()
{
    if (!m_host) {
        delete m_join;
        m_host = new HostRoomWindow(&m_table, program::GameSettings);
        follow(m_host);
    }
    m_host->show();
    m_host->raise();
    m_host->activateWindow();
}

void NetworkMenu::join()
{
    if (!m_join) {
        delete m_host;
        m_join = new JoinRoomWindow(&m_table, program::GameSettings);
        follow(m_join);
    }
    m_join->show();
    m_join->raise();
    m_join->activateWindow();
}

void NetworkMenu::joinBy(const net::Invitation& invitation)
{
    join();
    m_join->fill(invitation);
    m_join->joinEnter->setFocus();
}

void NetworkMenu::leave()
{
    delete m_host;
    delete m_join;
    showState();
}

void NetworkMenu::fairness()
{
    if (!m_fairness)
        m_fairness = new FairnessWindow(&m_table, *m_table.history);
    m_fairness->show();
    m_fairness->raise();
    m_fairness->activateWindow();
}

void NetworkMenu::follow(RoomWindow* window)
{
    connect(window, &RoomWindow::play, this, [this](net::Client& client, const net::WelcomeMessage& welcome) {
        m_table.playInRoom(client, welcome);
        showState();
    });
    connect(window, &QObject::destroyed, this, &NetworkMenu::showState, Qt::QueuedConnection);
    showState();
}

void NetworkMenu::showState()
{
    const bool hosting = m_host && m_host->playingClient();
    const bool joined = m_join && m_join->playingClient();
    netLeave->setEnabled(hosting || joined);
    netJoin->setEnabled(!hosting && !joined);
    netHost->setEnabled(!joined);
}
