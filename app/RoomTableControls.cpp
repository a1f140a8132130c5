#include "app/RoomTable.h"

#include "app/TableZoom.h"
#include "app/frmMain.h"
#include "game/GameHistory.h"
#include "net/Client.h"
#include "state/Program.h"
#include "ui/net/ProofVerdict.h"
#include "ui/widgets/CommandLabel.h"
#include "ui/widgets/ControlNames.h"
#include "ui/widgets/LiveTexts.h"
#include "ui/widgets/Shape.h"

#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QScrollBar>

// What a window in a room shows of the room and which of its controls are open.
namespace {

// The bar's last position is sent once it has rested this long, so a drag is one message.
constexpr int BetRestMs = 150;
// The gap between two rows of panels at 100 %, which a seat's mark fills.
constexpr int MarkHeight = 11;

// The largest size of the font whose line, Japanese and Latin alike, stands in the height (the
// Japanese glyphs may come from a fallback font with taller lines).
QFont fittedToHeight(QFont font, int height)
{
    const QString sample = QStringLiteral("● ネット（自分） Online (you) gy");
    const auto lineHeight = [&] { return QFontMetrics(font).boundingRect(QRect(0, 0, 4096, 4096), 0, sample).height(); };
    font.setPixelSize(height);
    while (font.pixelSize() > 6 && lineHeight() > height)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

}  // namespace

void RoomTable::buildControls()
{
    QWidget* felt = m_table.centralWidget();
    const QPalette palette = m_table.Turn->palette();
    TableZoom& zoom = *m_table.tableZoom;
    const auto label = [&](const QString& name, const QRect& place) {
        auto* l = named(new QLabel(felt), name);
        l->setPalette(palette);
        zoom.place(l, place);
        l->show();
        return l;
    };
    // Places at 100 %: each seat's mark in the gap under its panel, the strip under the lowest mark.
    int lowest = 0;
    for (int seat = 0; seat < 6; ++seat) {
        const QRect panel = zoom.placeAtFullSize(m_table.P_Shape[seat]);
        m_netLab[seat] = named(new QLabel(felt), elementName("net_Lab", seat));
        m_netLab[seat]->setPalette(palette);
        m_netLab[seat]->setFont(fittedToHeight(QApplication::font(), MarkHeight));
        zoom.place(m_netLab[seat], QRect(panel.x() + 3, panel.bottom() + 1, panel.width(), MarkHeight));
        m_netLab[seat]->show();
        if (seat < program::GameSettings.seatsInPlay())
            lowest = std::max(lowest, panel.bottom() + 1 + MarkHeight);
    }
    m_roomLab = label(QStringLiteral("roomLab"), QRect(8, lowest + 2, 230, 20));
    m_timeLab = label(QStringLiteral("betTimeLab"), QRect(240, lowest + 2, 140, 20));
    // The last turn's verdict, where the bet timer stands while the bets are open.
    m_fairLab = label(QStringLiteral("fairLab"), QRect(240, lowest + 2, 150, 20));
    m_fairLab->hide();
    m_cipherLab = label(QStringLiteral("roomCipherLab"), QRect(240, lowest + 2, 150, 20));
    liveText(&m_table, m_cipherLab, [] { return RoomTable::tr("暗号化なし（ws://）"); });
    liveToolTip(&m_table, m_cipherLab, [] { return RoomTable::tr("この部屋との通信は暗号化されていません。"); });
    m_ready_Label = named(new CommandLabel(QString(), felt), QStringLiteral("ready_Label"));
    zoom.place(m_ready_Label, QRect(392, lowest + 2, 76, 20));
    liveText(&m_table, m_ready_Label, [] { return RoomTable::tr("準備完了"); });
    liveToolTip(&m_table, m_ready_Label, [] { return RoomTable::tr("このベントで決めます"); });
    m_ready_Label->show();
    connect(m_ready_Label, &QPushButton::clicked, this, &RoomTable::sayReady);
}

void RoomTable::betChanged(int seat, int bet)
{
    if (seat != m_seat)
        return;
    m_pendingBet = bet;
    m_betRest.start(BetRestMs);
}

void RoomTable::sendBet()
{
    m_betRest.stop();
    if (m_client && m_pendingBet >= 0)
        m_client->bet(m_seat, m_pendingBet);
    m_pendingBet = -1;
}

void RoomTable::sayReady()
{
    sendBet();
    if (m_client)
        m_client->ready(m_seat);
}

void RoomTable::showSeatMarks()
{
    for (int seat = 0; seat < 6; ++seat) {
        QLabel* mark = m_netLab[seat];
        const bool inPlay = seat < m_table.flow.seats() && seat < m_seats.size();
        mark->setVisible(inPlay);
        if (inPlay)
            liveText(&m_table, mark, [this, seat] { return seatMark(seat); });
    }
}

QString RoomTable::seatMark(int seat) const
{
    // A seat the room no longer has keeps no text, in any language.
    if (seat >= m_seats.size())
        return {};
    QString text;
    switch (m_seats[seat].holder) {
    case net::Holder::Host: text = tr("● ホスト"); break;
    case net::Holder::Remote: text = m_seats[seat].web ? tr("● スマホ") : tr("● ネット"); break;
    case net::Holder::Computer: text = tr("コンピュータ"); break;
    case net::Holder::Absent:
        if (!m_kept[seat].hasExpired())
            text = tr("× コンピュータが代打ち中 あと%1秒").arg((m_kept[seat].remainingTime() + 999) / 1000);
        else
            text = m_everHeld[seat] ? tr("× 切断・コンピュータが代行") : tr("空席");
        break;
    }
    if (seat == m_seat)
        text += tr("（自分）");
    if (m_phase == net::Phase::BetsOpen && m_ready[seat])
        text += tr("・準備完了");
    return text;
}

int RoomTable::commander() const
{
    const auto holds = [this](int seat, net::Holder holder) {
        return seat >= 0 && seat < m_seats.size() && m_seats[seat].holder == holder;
    };
    const int banker = m_table.state.OyaSeat;
    if (holds(banker, net::Holder::Host) || holds(banker, net::Holder::Remote))
        return banker;
    for (int seat = 0; seat < m_seats.size(); ++seat)
        if (holds(seat, net::Holder::Host))
            return seat;
    return -1;
}

bool RoomTable::commands() const
{
    const int seat = commander();
    return seat >= 0 ? seat == m_seat : m_host;
}

void RoomTable::showPermissions()
{
    using net::Phase;
    frmMain& t = m_table;
    // Without a connection nothing given would reach the room.
    const bool open = isConnected();
    const bool mine = open && commands();
    const bool betsOpen = open && m_phase == Phase::BetsOpen;
    t.bent_Label->setEnabled(mine && m_phase == Phase::TurnOpen);
    t.turn_Label->setEnabled(mine && (betsOpen || m_phase == Phase::BetsClosed));
    t.turn2_Label->setEnabled(mine && m_phase == Phase::TurnSettled);
    t.suru_Label->setEnabled(mine && m_phase == Phase::TurnOpen && t.flow.mayPass());
    t.Gamein->setEnabled(open && m_host && m_phase == Phase::NoGame);
    t.Gameout->setEnabled(open && m_host && m_phase != Phase::NoGame);
    t.setting->setEnabled(false);
    t.iniread->setEnabled(false);
    const bool betting = betsOpen && !m_spectator && m_seat != t.state.OyaSeat && !m_ready[m_seat];
    for (int seat = 0; seat < 6; ++seat)
        t.HScr[seat]->setEnabled(betting && seat == m_seat);
    m_ready_Label->setEnabled(betting);
    showSeatMarks();
    const QString commanderName = m_seats.value(commander()).name;
    const int watching = m_client ? m_client->spectators() : 0;
    liveText(&m_table, m_roomLab, [this, betsOpen, watching, link = m_link, name = commands() ? tr("あなた") : commanderName] {
        return roomLine(link, betsOpen, watching, name);
    });
    if (betsOpen)
        m_clock.start();
    else
        m_clock.stop();
    showClock();
}

QString RoomTable::roomLine(Link link, bool betsOpen, int watching, const QString& name) const
{
    switch (link) {
    case Link::Lost: return tr("部屋 %1　接続が切れました").arg(m_code);
    case Link::Rejoining: return tr("部屋 %1　つなぎ直しています…").arg(m_code);
    case Link::Open: break;
    }
    const QString before = m_spectator ? tr("観戦中　") : QString();
    const QString after = watching > 0 ? tr("　観戦 %1").arg(watching) : QString();
    const QFontMetrics metrics = m_roomLab->fontMetrics();
    const int room = m_roomLab->contentsRect().width();
    const auto fits = [&](const QString& line) { return metrics.horizontalAdvance(line) <= room; };
    if (betsOpen) {
        // The bet timer beside the line says the bets are open when both do not fit.
        const QString line = before + tr("部屋 %1　ベントの受付中").arg(m_code) + after;
        return fits(line) ? line : before + tr("部屋 %1").arg(m_code) + after;
    }
    // A long name is shortened to what the line leaves it.
    const QString line = before + tr("部屋 %1　%2 の番").arg(m_code, name) + after;
    if (fits(line))
        return line;
    const int left = room - metrics.horizontalAdvance(line) + metrics.horizontalAdvance(name);
    return before + tr("部屋 %1　%2 の番").arg(m_code, metrics.elidedText(name, Qt::ElideRight, std::max(left, 0))) + after;
}

void RoomTable::showClock()
{
    const bool betsOpen = m_phase == net::Phase::BetsOpen && isConnected();
    m_timeLab->setVisible(betsOpen);
    // The strip has one place beside the room's line: the bet timer, else the last turn's verdict,
    // else (before the first turn) that the connection is not encrypted.
    const bool verdict = !betsOpen && !m_fairLab->text().isEmpty();
    m_fairLab->setVisible(verdict);
    m_cipherLab->setVisible(!betsOpen && !verdict && m_client && !m_client->isEncrypted());
    if (betsOpen)
        m_timeLab->setText(tr("締切まで %1 秒").arg((m_betDeadline.remainingTime() + 999) / 1000));
}

void RoomTable::turnChecked(const net::TurnProof& proof, const net::TurnProof::Check& check)
{
    m_checks.enqueue({proof, check});
}

void RoomTable::showCheck()
{
    if (m_checks.isEmpty())
        return;
    const auto [proof, check] = m_checks.dequeue();
    m_table.history->setProof(proof.turn, proof.record());
    const bool wrong = check.verdict != net::TurnProof::Verdict::Verified &&
                       check.verdict != net::TurnProof::Verdict::Incomplete;
    QPalette palette = m_table.Turn->palette();
    if (wrong)
        palette.setColor(QPalette::WindowText, Qt::red);
    m_fairLab->setPalette(palette);
    liveText(&m_table, m_fairLab, [check] { return ProofVerdict::word(check); });
    liveToolTip(&m_table, m_fairLab, [check] { return ProofVerdict::sentence(check); });
    showClock();
}
