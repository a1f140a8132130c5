#pragma once

#include "net/Protocol.h"
#include "net/RoomMessages.h"
#include "net/TurnProof.h"

#include <QDeadlineTimer>
#include <QObject>
#include <QPointer>
#include <QQueue>
#include <QTimer>

#include <array>
#include <deque>

class frmMain;
class CommandLabel;
class QLabel;
namespace net {
class Client;
}

// A table window in a room: the room's steps drive the window's own TableFlow through the same
// animated steps as a local game, with the faces of the room's throws and the draws of its bets.
// A step that arrives while the window is still animating waits its turn. The window's commands
// and its own seat's bet go to the room; who may give them is shown by what is enabled. A lost
// connection is offered to be tried again: the seat is taken back by its token, the steps missed
// meanwhile are played at once (no animation, into the history) and the table takes the room's
// state; meanwhile nothing can be given. A spectator's table shows everything and gives nothing.
class RoomTable : public QObject {
    Q_OBJECT

public:
    // The strip under the seats that a window in a room grows by: the room's line, the bet timer
    // and 準備完了.
    static constexpr int StripTwips = 330;

    RoomTable(frmMain& table, net::Client& client, const net::WelcomeMessage& welcome);
    ~RoomTable() override;

    // A command of the table, sent to the room; the step coming back plays it.
    void send(net::Command command);
    // The own seat's scroll bar moved: the bet goes to the room once the bar rests.
    void betChanged(int seat, int bet);
    // The faces of the next throw of the turn being played.
    std::array<qint16, 3> nextFaces();
    // The window closes: the host's room ends for everybody.
    void leave();

    net::Phase phase() const { return m_phase; }
    int seat() const { return m_seat; }
    bool isHost() const { return m_host; }
    bool isSpectator() const { return m_spectator; }
    // Whether this window gives the banker's commands: the banker's player, else the host.
    bool commands() const;
    // The seat whose player gives them: the banker's if a person holds it, else the host's; -1 if none.
    int commander() const;
    // Steps waiting behind the animation, and whether one is being played.
    bool isIdle() const { return !m_playing && m_steps.isEmpty(); }
    int mismatches() const { return m_mismatches; }
    // Whether the connection to the room stands (false while it is lost or being tried again).
    bool isConnected() const { return m_link == Link::Open; }

private:
    void arrive(const net::RoomStep& step);
    // Missed steps, queued to be played without animation.
    void catchUp(const net::CatchUpMessage& catchUp);
    void playQueued();
    void play(const net::RoomStep& step);
    void playAtOnce(const net::RoomStep& step);
    void takeState(const net::StateMessage& state);
    void showBets(const QVector<qint64>& bets);
    void check(bool agrees);
    void seatsChanged(const QVector<net::SeatInfo>& seats);
    void showSeatMarks();
    // What a seat's mark says in the language in force: who holds it, yours, ready.
    QString seatMark(int seat) const;
    void showPermissions();
    void showClock();
    // A turn's dice checked, told before its throws: the check waits for the throws to be played.
    void turnChecked(const net::TurnProof& proof, const net::TurnProof::Check& check);
    // The throws played: their turn's check kept in the history, the verdict shown on the strip.
    void showCheck();
    void sendBet();
    void sayReady();
    void refused(net::ErrorCode code, const QString& type);
    void closed(net::CloseReason reason);
    // Asks whether to take the seat back, and does so; else the table leaves the room.
    void offerRejoin();
    void rejoined(const net::WelcomeMessage& welcome);
    // The rejoin failed or the room is gone: the window says why and leaves.
    void fail(const QString& why);
    // The table leaves the room, once the step it plays (if any) is over.
    void end();
    void finish();
    void buildControls();

    frmMain& m_table;
    QPointer<net::Client> m_client;
    QString m_code;
    int m_seat = 0;
    bool m_host = false;
    bool m_spectator = false;
    QVector<net::SeatInfo> m_seats;
    // Until when each dropped seat is kept for its player.
    std::array<QDeadlineTimer, 6> m_kept{};
    std::array<bool, 6> m_everHeld{};
    std::array<bool, 6> m_ready{};
    struct Queued {
        net::RoomStep step;
        bool atOnce = false;  // a step of a catch-up
    };
    QQueue<Queued> m_steps;
    QQueue<std::pair<net::TurnProof, net::TurnProof::Check>> m_checks;  // one for each thrown in m_steps
    std::deque<std::array<qint16, 3>> m_faces;
    enum class Link { Open, Lost, Rejoining };
    // The room's line in the language in force, fitted to its place.
    QString roomLine(Link link, bool betsOpen, int watching, const QString& name) const;
    Link m_link = Link::Open;
    bool m_playing = false;
    bool m_closing = false;
    bool m_waitingForState = false;
    int m_mismatches = 0;
    net::Phase m_phase = net::Phase::NoGame;
    QDeadlineTimer m_betDeadline;
    QTimer m_clock;
    QTimer m_betRest;
    QTimer m_keptClock;  // counts a kept seat's time down on its mark
    int m_heldRetries = 0;
    int m_pendingBet = -1;

    QPointer<QLabel> m_roomLab;
    QPointer<QLabel> m_timeLab;
    // In the bet timer's place while it is hidden: that the connection is not encrypted.
    QPointer<QLabel> m_cipherLab;
    QPointer<QLabel> m_fairLab;
    QPointer<CommandLabel> m_ready_Label;
    std::array<QPointer<QLabel>, 6> m_netLab{};
};
