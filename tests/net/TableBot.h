#pragma once

#include "ReplayTable.h"

#include "net/Client.h"

#include <QTimer>

#include <memory>

// A participant that plays by itself through a Client: its own table replays the room's steps,
// and at each new phase it does what its seat may (open the bets, bet and say ready, throw, end
// the turn) the way a person at the window would.
namespace nettest {

class TableBot {
public:
    // Opens the room's address; the test then creates or joins through `client`.
    TableBot(const QUrl& url, int bet = 0) : m_bet(bet)
    {
        QObject::connect(&client, &net::Client::welcomed, [this](const net::WelcomeMessage& w) {
            host = w.host;
            seats = w.seats;
            if (!table)
                table = std::make_unique<Table>(w.rules.settings, client);
        });
        QObject::connect(&client, &net::Client::seatsChanged, [this](const QVector<net::SeatInfo>& s) { seats = s; });
        QObject::connect(&client, &net::Client::stepArrived, [this](const net::RoomStep& step) {
            if (const auto* closed = std::get_if<net::BetsClosedMessage>(&step))
                contributions.append(closed->contributions);
            table->replay.apply(step);
            act(std::holds_alternative<net::StateMessage>(step));
        });
        QObject::connect(&client, &net::Client::caughtUp, [this](const net::CatchUpMessage& m) {
            table->replay.apply(m);
            if (m.last)
                act(true);
        });
        QObject::connect(&client, &net::Client::refused, [this](net::ErrorCode code, const QString&) {
            refusals.append(code);
            // The room has not yet seen the old connection go: the seat is taken back a moment later.
            if (rejoins && code == net::ErrorCode::SeatHeld && refusals.count(code) < 200)
                QTimer::singleShot(10, &client, [this] { client.rejoin(); });
        });
        QObject::connect(&client, &net::Client::turnChecked,
                         [this](const net::TurnProof&, const net::TurnProof::Check& check) { checks.append(check); });
        QObject::connect(&client, &net::Client::roomClosed, [this](net::CloseReason reason) {
            closed.append(reason);
            if (rejoins && reason == net::CloseReason::ConnectionLost)
                client.rejoin();
        });
        client.open(url);
    }

    bool gameOver() const { return table && table->replay.phase() == net::Phase::GameOver; }

    struct Table : ReplayTable {
        Table(const SettingsRecord& r, net::Client& client) : ReplayTable(r)
        {
            QObject::connect(&replay, &net::RoomReplay::resyncNeeded, &client, &net::Client::requestState);
        }
    };

    net::Client client;
    std::unique_ptr<Table> table;
    QVector<net::SeatInfo> seats;
    bool host = false;
    bool rejoins = false;  // takes its seat back after a lost connection
    QVector<net::ErrorCode> refusals;
    QVector<net::CloseReason> closed;
    QVector<QStringList> contributions;          // each turn's, as its bets closed
    QVector<net::TurnProof::Check> checks;       // each turn's proof, as its throws came

private:
    bool commands() const
    {
        const int oya = table->flow.state().OyaSeat;
        const bool held = oya < seats.size() &&
                          (seats[oya].holder == net::Holder::Host || seats[oya].holder == net::Holder::Remote);
        return held ? client.seat() == oya : host;
    }

    // A state (after a rejoin) may bring back a phase it acted in already, with its answer lost in
    // the cut: it acts again, and the room refuses what it had done.
    void act(bool afresh)
    {
        if (client.isSpectator())
            return;
        const std::pair now{table->flow.turn(), table->replay.phase()};
        if (now == m_acted && !afresh)
            return;
        m_acted = now;
        const bool banker = client.seat() == table->flow.state().OyaSeat;
        switch (now.second) {
        case net::Phase::TurnOpen:
            if (commands())
                client.command(net::Command::OpenBets);
            break;
        case net::Phase::BetsOpen:
            if (!banker) {
                if (m_bet > 0)
                    client.bet(client.seat(), m_bet);
                client.ready(client.seat());
            }
            break;
        case net::Phase::BetsClosed:
            if (commands())
                client.command(net::Command::Throw);
            break;
        case net::Phase::TurnSettled:
            if (commands())
                client.command(net::Command::NextTurn);
            break;
        case net::Phase::NoGame:
        case net::Phase::GameOver:
            break;
        }
    }

    int m_bet;
    std::pair<int, net::Phase> m_acted{-1, net::Phase::NoGame};
};

}  // namespace nettest
