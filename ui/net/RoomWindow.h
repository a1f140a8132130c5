#pragma once

#include "net/CertificateTrust.h"
#include "net/Client.h"
#include "net/Protocol.h"
#include "ui/widgets/LiveTexts.h"

#include <QPointer>
#include <QWidget>

class QGridLayout;
class QHBoxLayout;
class QLabel;

// The frame of the windows that take the player into a room: a window of its own above the table,
// its controls in a grid, a status line for what went wrong, and the room's client. Closed before
// its player is in the room it is deleted, and the client leaves with it; once the table plays in the
// room it only hides, since the table keeps using its client until the room is left.
class RoomWindow : public QWidget {
    Q_OBJECT
public:
    // The client of the room the table plays in; nullptr until the table plays.
    net::Client* playingClient() const { return m_playing ? m_client.data() : nullptr; }

signals:
    // The table is to play in the room of `client` from now on.
    void play(net::Client& client, const net::WelcomeMessage& welcome);
    // The room of a playing table has closed (the client says why) or its connection is gone.
    void roomGone();

protected:
    RoomWindow(QWidget* table, const char* name, TextInForce title);

    QGridLayout* grid() const { return m_grid; }
    // A row for controls side by side, with the grid's gap between them; the caller adds it to the grid.
    QHBoxLayout* row() const;
    // The caption of a control in the grid's first column.
    QLabel* caption(int row, const char* name, TextInForce text);
    // The status line under the grid (objectName roomStatus): empty, progress or the reason of a failure.
    void showStatus(TextInForce text);
    // The line above it (roomEncryption): whether the connection is encrypted.
    void showEncryption(bool encrypted);
    // A fresh client in place of the last one, whose refusals and closing show in the status line
    // and drop it (failed() is called then), so the player may try again.
    net::Client& newClient();
    bool hasClient() const { return m_client != nullptr; }
    // Hands the welcomed client to the table and hides.
    void startPlaying(const net::WelcomeMessage& welcome);
    // The client is gone before the table played: the window's controls may be used again.
    virtual void failed() = 0;

    void closeEvent(QCloseEvent* event) override;

private:
    void dropClient();
    // The player trusts the certificate the system does not, or not.
    void askTrust(const QString& server, const QString& fingerprint);

    QGridLayout* m_grid = nullptr;
    QLabel* m_encryption = nullptr;
    QLabel* m_status = nullptr;
    net::CertificateTrust m_trust;
    QPointer<net::Client> m_client;
    bool m_playing = false;
};
