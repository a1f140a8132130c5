#pragma once

#include "game/TableFlow.h"
#include "net/Client.h"
#include "net/RateLimit.h"
#include "net/RoomReplay.h"

#include <QRandomGenerator>
#include <QTimer>

#include <array>
#include <chrono>
#include <functional>
#include <memory>
#include <vector>

// One room of the network benchmark: six real clients on six sockets, a creator and five joiners,
// playing turns as fast as the protocol allows. The creator's client replays the table to know
// the phase and the banker; the banker's own client gives each command, every player's client
// says ready when its bets open. Each client paces itself under the server's rate.
namespace netbench {

using Clock = std::chrono::steady_clock;

inline SettingsRecord sixPeople()
{
    SettingsRecord s;
    s.NINZU = 6;
    s.SCORE = 999999;  // nobody runs out: the game lasts the whole run
    s.BETMIN = 10;
    s.BETMAX = 100;
    s.OYA = 2;
    s.LAST = 9999;
    s.NAGEKAI = 3;
    for (int seat = 0; seat < 6; ++seat) {
        s.name(seat) = QStringLiteral("bot%1").arg(seat);
        s.image(seat) = static_cast<qint16>(seat + 1);
    }
    return s;
}

// What every room adds to while it plays.
struct Tally {
    std::vector<float> latencyMs;  // command sent to its step arrived, once per client
    long long sent = 0;            // messages to the server
    long long received = 0;        // messages from the server
    long long turns = 0;
    long long refusals = 0;
    long long closings = 0;
    bool playing = false;
};

class NetBenchRoom {
public:
    static constexpr int Clients = 6;

    // pauseMs: about the time from a turn's end to the next opening, 0 for none.
    NetBenchRoom(const QUrl& url, int turnBudget, Tally& tally, std::function<void()> joined, int pauseMs = 0)
        : m_url(url), m_turnBudget(turnBudget), m_pauseMs(pauseMs), m_tally(tally), m_joined(std::move(joined))
    {
        for (Bot& bot : m_bots)
            bot.client = std::make_unique<net::Client>();
        for (int i = 0; i < Clients; ++i)
            watch(i);
        QObject::connect(m_bots[0].client.get(), &net::Client::welcomed, [this](const net::WelcomeMessage& w) {
            m_table = std::make_unique<Table>(w.rules.settings);
            for (int i = 1; i < Clients; ++i) {
                m_bots[i].client->open(m_url);
                m_bots[i].client->join({w.code, QStringLiteral("bot%1").arg(i), -1, w.rulesHash, {}});
            }
        });
        m_bots[0].client->open(m_url);
        m_bots[0].client->create({QStringLiteral("bot0"), 0, net::RoomRules::fromSettings(sixPeople()), 30});
    }

    bool full() const { return m_welcomed == Clients; }
    void start() { send(0, [](net::Client& c) { c.command(net::Command::NewGame); }, Sent::NewGame); }
    void stop() { m_turnBudget = 0; }

private:
    // The commands whose step every client times, by the step it brings.
    enum class Sent { NewGame, OpenBets, Throw, NextTurn, None };
    static constexpr int Timed = 4;

    struct Bot {
        std::unique_ptr<net::Client> client;
        net::RateLimit rate{net::MessageBurst / 2, net::MessagesPerSecond - 2, 0};
        std::array<std::size_t, Timed> arrived{};
    };
    struct Table {
        explicit Table(const SettingsRecord& r) : rules(r) {}
        SettingsRecord rules;
        rules::TallyTable tally{};
        rules::TallySums sums{};
        TableFlow flow{rules, tally, sums};
        net::RoomReplay replay{flow};
    };

    static qint64 sinceStartMs()
    {
        static const Clock::time_point start = Clock::now();
        return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
    }

    void watch(int i)
    {
        net::Client& client = *m_bots[i].client;
        QObject::connect(&client, &net::Client::welcomed, [this](const net::WelcomeMessage&) {
            if (++m_welcomed == Clients && m_joined)
                m_joined();
        });
        QObject::connect(&client, &net::Client::stepArrived, [this, i](const net::RoomStep& step) { arrive(i, step); });
        QObject::connect(&client, &net::Client::refused, [this](net::ErrorCode, const QString&) { ++m_tally.refusals; });
        QObject::connect(&client, &net::Client::roomClosed, [this](net::CloseReason) { ++m_tally.closings; });
    }

    static Sent sentFor(const net::RoomStep& step)
    {
        if (std::holds_alternative<net::GameStartedMessage>(step))
            return Sent::NewGame;
        if (std::holds_alternative<net::BetsOpenedMessage>(step))
            return Sent::OpenBets;
        if (std::holds_alternative<net::ThrownMessage>(step))
            return Sent::Throw;
        if (std::holds_alternative<net::TurnEndedMessage>(step))
            return Sent::NextTurn;
        return Sent::None;
    }

    void arrive(int i, const net::RoomStep& step)
    {
        if (m_tally.playing)
            ++m_tally.received;
        const Sent sent = sentFor(step);
        if (sent != Sent::None) {
            std::size_t& k = m_bots[i].arrived[static_cast<int>(sent)];
            const std::vector<Clock::time_point>& times = m_sentAt[static_cast<int>(sent)];
            if (k < times.size() && m_tally.playing) {
                const std::chrono::duration<float, std::milli> took = Clock::now() - times[k];
                m_tally.latencyMs.push_back(took.count());
            }
            ++k;
        }
        if (sent == Sent::OpenBets && m_bots[i].client->seat() != m_table->flow.state().OyaSeat)
            send(i, [](net::Client& c) { c.ready(c.seat()); }, Sent::None);
        if (i == 0)
            play(step);
    }

    // The creator's table decides what comes next; the banker's client says it.
    void play(const net::RoomStep& step)
    {
        m_table->replay.apply(step);
        if (std::holds_alternative<net::TurnEndedMessage>(step) && m_tally.playing)
            ++m_tally.turns;
        if (std::holds_alternative<net::TurnEndedMessage>(step) && --m_turnBudget <= 0)
            return;
        const int banker = bankerClient();
        switch (m_table->replay.phase()) {
        case net::Phase::TurnOpen:
            if (std::holds_alternative<net::TurnEndedMessage>(step) && m_pauseMs > 0)
                QTimer::singleShot(pause(), m_bots[0].client.get(), [this, banker] { openBets(banker); });
            else if (std::holds_alternative<net::GameStartedMessage>(step) ||
                     std::holds_alternative<net::TurnEndedMessage>(step) ||
                     std::holds_alternative<net::PassedMessage>(step))
                openBets(banker);
            break;
        case net::Phase::BetsClosed:
            send(banker, [](net::Client& c) { c.command(net::Command::Throw); }, Sent::Throw);
            break;
        case net::Phase::TurnSettled:
            send(banker, [](net::Client& c) { c.command(net::Command::NextTurn); }, Sent::NextTurn);
            break;
        case net::Phase::GameOver:
            send(0, [](net::Client& c) { c.command(net::Command::NewGame); }, Sent::NewGame);
            break;
        case net::Phase::NoGame:
        case net::Phase::BetsOpen:
            break;
        }
    }

    // Half to one and a half times the pause, so that rooms do not open their bets in step.
    int pause() const { return m_pauseMs / 2 + static_cast<int>(QRandomGenerator::global()->bounded(m_pauseMs + 1)); }

    void openBets(int banker)
    {
        send(banker, [](net::Client& c) { c.command(net::Command::OpenBets); }, Sent::OpenBets);
    }

    int bankerClient() const
    {
        const int oya = m_table->flow.state().OyaSeat;
        for (int i = 0; i < Clients; ++i) {
            if (m_bots[i].client->seat() == oya)
                return i;
        }
        return 0;
    }

    // Sends now if the client's bucket allows, else when it has refilled.
    void send(int i, std::function<void(net::Client&)> message, Sent sent)
    {
        Bot& bot = m_bots[i];
        if (!bot.rate.take(sinceStartMs())) {
            QTimer::singleShot(1000 / net::MessagesPerSecond, bot.client.get(),
                               [this, i, message = std::move(message), sent] { send(i, message, sent); });
            return;
        }
        if (sent != Sent::None)
            m_sentAt[static_cast<int>(sent)].push_back(Clock::now());
        message(*bot.client);
        if (m_tally.playing)
            ++m_tally.sent;
    }

    QUrl m_url;
    int m_turnBudget;
    int m_pauseMs;
    Tally& m_tally;
    std::function<void()> m_joined;
    std::array<Bot, Clients> m_bots;
    std::unique_ptr<Table> m_table;
    std::array<std::vector<Clock::time_point>, Timed> m_sentAt;
    int m_welcomed = 0;
};

}  // namespace netbench
