#include "ui/net/HostRoomWindow.h"

#include "net/Client.h"
#include "net/RoomCode.h"
#include "net/RoomRules.h"
#include "net/Server.h"
#include "net/WebPage.h"
#include "ui/net/CharacterBox.h"
#include "ui/net/PhoneAddresses.h"
#include "ui/net/PlayerName.h"
#include "ui/net/QrCodeView.h"
#include "ui/widgets/CaptionButton.h"
#include "ui/widgets/ControlNames.h"
#include "ui/widgets/Twips.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

enum Row {
    AddressRow,
    PhonesRow,
    PortRow,
    SeatRow,
    OpenRow,
    BetRow,
    RejoinRow,
    FallbackRow,
    SpectatorsRow,
    CreateRow,
    CodeRow,
    InvitationRow,
    PageRow,
    PlayersRow
};

QString holderText(net::Holder holder)
{
    switch (holder) {
    case net::Holder::Host:
        return HostRoomWindow::tr("ホスト");
    case net::Holder::Remote:
        return HostRoomWindow::tr("リモート");
    case net::Holder::Computer:
        return HostRoomWindow::tr("コンピュータ");
    case net::Holder::Absent:
        return HostRoomWindow::tr("空席");
    }
    return {};
}

QString seatText(int seat, const QString& name) { return HostRoomWindow::tr("%1: %2").arg(seat + 1).arg(name); }

}  // namespace

HostRoomWindow::HostRoomWindow(QWidget* table, const SettingsRecord& settings)
    : RoomWindow(table, "HostRoomWindow", [] { return tr("部屋を作る"); }), m_settings(settings)
{
    buildChoices();
    buildPhones();
    buildRoom();
    buildPage();
    seatChosen();
    showEncryption(false);
    connect(hostSeat, &QComboBox::currentIndexChanged, this, &HostRoomWindow::seatChosen);
    connect(hostPhones, &QCheckBox::toggled, this, [this](bool phones) {
        if (phones)
            m_typedAddress = hostAddress->text();
        else
            hostAddress->setText(m_typedAddress);
        phonesChosen();
    });
    connect(hostPhoneAddress, &QComboBox::currentIndexChanged, this, &HostRoomWindow::phonesChosen);
    connect(hostCreate, &QPushButton::clicked, this, &HostRoomWindow::createRoom);
    connect(hostCopy, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(hostInvitation->text()); });
    connect(hostStart, &QPushButton::clicked, this, [this] {
        if (m_welcome)
            startPlaying(*m_welcome);
    });
    connect(hostClose, &QPushButton::clicked, this, &QWidget::close);
}

HostRoomWindow::~HostRoomWindow() { stopServer(); }

void HostRoomWindow::buildChoices()
{
    caption(AddressRow, "hostAddressCaption", [] { return tr("待ち受けアドレス"); });
    hostAddress = named(new QLineEdit(QStringLiteral("127.0.0.1"), this), "hostAddress");
    liveToolTip(this, hostAddress, [] { return tr("127.0.0.1 はこのコンピュータだけです。LAN の友だちにはこのコンピュータの LAN のアドレスを入れます。"); });
    grid()->addWidget(hostAddress, AddressRow, 1);

    caption(PortRow, "hostPortCaption", [] { return tr("ポート"); });
    hostPort = named(new QSpinBox(this), "hostPort");
    hostPort->setRange(0, 65535);
    hostPort->setValue(net::DefaultPort);
    LiveTexts::of(this).add({hostPort, "specialValueText", [this] { return hostPort->specialValueText(); },
                             [this](const QString& text) { hostPort->setSpecialValueText(text); }},
                            [] { return tr("空き番号"); });
    grid()->addWidget(hostPort, PortRow, 1, Qt::AlignLeft);

    caption(SeatRow, "hostSeatCaption", [] { return tr("あなたの席"); });
    hostSeat = named(new QComboBox(this), "hostSeat");
    auto* open = new QVBoxLayout;
    open->setSpacing(twips(30));
    int firstPerson = -1;
    for (int seat = 0; seat < m_settings.seatsInPlay(); ++seat) {
        const QString name = m_settings.name(seat);
        hostSeat->addItem(seatText(seat, name));
        QCheckBox* box = named(new QCheckBox(this), elementName("hostOpen", seat));
        liveText(this, box, [seat, name] { return seatText(seat, name); });
        box->setChecked(!m_settings.isComputer(seat));
        open->addWidget(box);
        hostOpen.append(box);
        if (firstPerson < 0 && !m_settings.isComputer(seat))
            firstPerson = seat;
    }
    hostSeat->setCurrentIndex(std::max(firstPerson, 0));
    grid()->addWidget(hostSeat, SeatRow, 1);
    caption(OpenRow, "hostOpenCaption", [] { return tr("リモートに開く席\n（ほかはコンピュータ）"); })
        ->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    grid()->addLayout(open, OpenRow, 1);

    caption(BetRow, "hostBetCaption", [] { return tr("賭けの時間"); });
    hostBetSeconds = named(new QSpinBox(this), "hostBetSeconds");
    hostBetSeconds->setRange(net::MinBetSeconds, net::MaxBetSeconds);
    hostBetSeconds->setValue(net::DefaultBetSeconds);
    grid()->addWidget(hostBetSeconds, BetRow, 1, Qt::AlignLeft);

    caption(RejoinRow, "hostRejoinCaption", [] { return tr("切断した席を取っておく時間"); });
    hostRejoinSeconds = named(new QSpinBox(this), "hostRejoinSeconds");
    hostRejoinSeconds->setRange(net::MinRejoinSeconds, net::MaxRejoinSeconds);
    hostRejoinSeconds->setValue(net::DefaultRejoinSeconds);
    liveToolTip(this, hostRejoinSeconds, [] { return tr("切断したプレイヤーがこの時間のうちにつなぎ直せば席に戻れます。その間はコンピュータが代打ちします。"); });
    grid()->addWidget(hostRejoinSeconds, RejoinRow, 1, Qt::AlignLeft);
    for (QSpinBox* seconds : {hostBetSeconds, hostRejoinSeconds})
        LiveTexts::of(this).add({seconds, "suffix", [seconds] { return seconds->suffix(); },
                                 [seconds](const QString& text) { seconds->setSuffix(text); }},
                                [] { return tr(" 秒"); });

    caption(FallbackRow, "hostFallbackCaption", [] { return tr("切断中の代打ち"); });
    hostFallback = named(new CharacterBox(this), "hostFallback");
    grid()->addWidget(hostFallback, FallbackRow, 1, Qt::AlignLeft);

    hostSpectators = named(new QCheckBox(this), "hostSpectators");
    liveText(this, hostSpectators, [] { return tr("観戦を受け付ける"); });
    hostSpectators->setChecked(true);
    grid()->addWidget(hostSpectators, SpectatorsRow, 1, Qt::AlignLeft);

    hostCreate = named(new CaptionButton(this), "hostCreate");
    liveText(this, hostCreate, [] { return tr("部屋を作る"); });
    grid()->addWidget(hostCreate, CreateRow, 1, Qt::AlignRight);
}

void HostRoomWindow::buildPhones()
{
    caption(PhonesRow, "hostPhonesCaption", [] { return tr("スマホ"); })->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    hostPhones = named(new QCheckBox(this), "hostPhones");
    liveText(this, hostPhones, [] { return tr("スマホのブラウザからも入れるようにする"); });
    hostPhoneAddress = named(new QComboBox(this), "hostPhoneAddress");
    for (const QHostAddress& address : phoneAddresses())
        hostPhoneAddress->addItem(address.toString());
    auto* note = named(new QLabel(this), "hostPhoneNote");
    note->setWordWrap(true);
    liveText(this, note, [] {
        return tr("スマホは、このコンピュータと同じネットワーク（同じ Wi-Fi）につながっている必要があります。"
                  "チェックしなければ、上のアドレス（127.0.0.1 ならこのコンピュータだけ）で待ち受けます。");
    });
    auto* phones = new QVBoxLayout;
    phones->setSpacing(twips(30));
    phones->addWidget(hostPhones);
    phones->addWidget(hostPhoneAddress, 0, Qt::AlignLeft);
    phones->addWidget(note);
    grid()->addLayout(phones, PhonesRow, 1);
    phonesChosen();
}

void HostRoomWindow::phonesChosen()
{
    const bool phones = hostPhones->isChecked();
    if (phones)
        hostAddress->setText(hostPhoneAddress->currentText());
    hostAddress->setEnabled(!phones && hostCreate->isEnabled());
    hostPhoneAddress->setEnabled(phones && hostCreate->isEnabled());
}

void HostRoomWindow::buildPage()
{
    caption(PageRow, "hostPageCaption", [] { return tr("スマホで読み取る"); })->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    hostQr = named(new QrCodeView(this), "hostQr");
    hostPageAddress = named(new QLabel(this), "hostPageAddress");
    hostPageAddress->setTextInteractionFlags(Qt::TextSelectableByMouse);
    hostPageAddress->setWordWrap(true);
    QHBoxLayout* page = row();
    page->addWidget(hostQr, 0, Qt::AlignTop);
    page->addWidget(hostPageAddress, 1, Qt::AlignTop);
    grid()->addLayout(page, PageRow, 1);
}

void HostRoomWindow::buildRoom()
{
    caption(CodeRow, "hostCodeCaption", [] { return tr("部屋コード"); });
    hostCode = named(new QLabel(QStringLiteral("------"), this), "hostCode");
    QFont large = hostCode->font();
    large.setPixelSize(twips(600));
    large.setBold(true);
    large.setLetterSpacing(QFont::PercentageSpacing, 120);
    hostCode->setFont(large);
    hostCode->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid()->addWidget(hostCode, CodeRow, 1);

    caption(InvitationRow, "hostInvitationCaption", [] { return tr("招待"); });
    hostInvitation = named(new QLineEdit(this), "hostInvitation");
    hostInvitation->setReadOnly(true);
    hostInvitation->setMinimumWidth(twips(4200));
    hostCopy = named(new QPushButton(this), "hostCopy");
    liveText(this, hostCopy, [] { return tr("コピー"); });
    QHBoxLayout* invitation = row();
    invitation->addWidget(hostInvitation, 1);
    invitation->addWidget(hostCopy);
    grid()->addLayout(invitation, InvitationRow, 1);

    caption(PlayersRow, "hostPlayersCaption", [] { return tr("参加者"); })->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    hostPlayers = named(new QListWidget(this), "hostPlayers");
    hostPlayers->setMinimumHeight(twips(1500));
    grid()->addWidget(hostPlayers, PlayersRow, 1);
    hostWatching = named(new QLabel(this), "hostWatching");
    grid()->addWidget(hostWatching, PlayersRow + 1, 1);

    hostStart = named(new QPushButton(this), "hostStart");
    liveText(this, hostStart, [] { return tr("開始"); });
    hostClose = named(new QPushButton(this), "hostClose");
    liveText(this, hostClose, [] { return tr("閉じる"); });
    QHBoxLayout* buttons = row();
    buttons->addStretch();
    buttons->addWidget(hostStart);
    buttons->addWidget(hostClose);
    grid()->addLayout(buttons, PlayersRow + 2, 0, 1, 2);
    failed();
}

void HostRoomWindow::seatChosen()
{
    for (int seat = 0; seat < hostOpen.size(); ++seat)
        hostOpen[seat]->setEnabled(seat != hostSeat->currentIndex() && hostCreate->isEnabled());
    if (hostSeat->currentIndex() >= 0)
        hostOpen[hostSeat->currentIndex()]->setChecked(false);
}

SettingsRecord HostRoomWindow::roomSettings() const
{
    SettingsRecord settings = m_settings;
    for (int seat = 0; seat < hostOpen.size(); ++seat)
        settings.flag(seat) = seat == hostSeat->currentIndex() || hostOpen[seat]->isChecked() ? 0 : 1;
    return settings;
}

void HostRoomWindow::createRoom()
{
    const QHostAddress address(hostAddress->text().trimmed());
    // Nothing listens on every address at once: the host names the one its friends reach.
    if (address.isNull() || address == QHostAddress(QHostAddress::AnyIPv4) ||
        address == QHostAddress(QHostAddress::AnyIPv6)) {
        showStatus([] { return tr("待ち受けアドレスには、このコンピュータのアドレスを一つ入れてください。"); });
        return;
    }
    net::Server::Options options;
    options.maxRooms = 1;
    m_server = new net::Server(options, this);
    if (!m_server->listen(address, static_cast<quint16>(hostPort->value()))) {
        const QString why = m_server->errorString();
        showStatus([port = hostPort->value(), why] { return tr("ポート %1 で待ち受けられません（%2）。").arg(port).arg(why); });
        stopServer();
        return;
    }
    // The port field shows the one taken while the room is open (any free one, for 0); the
    // player's own choice comes back with the choices.
    m_askedPort = hostPort->value();
    hostPort->setValue(m_server->port());
    net::Client& client = newClient();
    connect(&client, &net::Client::welcomed, this, &HostRoomWindow::welcomed);
    connect(&client, &net::Client::seatsChanged, this, &HostRoomWindow::showSeats);
    connect(&client, &net::Client::seatsChanged, this, [this, &client] { showSpectators(client.spectators()); });
    QUrl url;
    url.setScheme(QStringLiteral("ws"));
    url.setHost(address.toString());
    url.setPort(m_server->port());
    url.setPath(QStringLiteral("/"));
    client.open(url);
    const int seat = hostSeat->currentIndex();
    client.create(net::CreateMessage{playerName(m_settings, seat), seat,
                                     net::RoomRules::fromSettings(roomSettings()), hostBetSeconds->value(),
                                     hostFallback->character(), hostRejoinSeconds->value(),
                                     hostSpectators->isChecked()});
    enableChoices(false);
    showStatus([] { return tr("部屋を作っています…"); });
}

void HostRoomWindow::welcomed(const net::WelcomeMessage& welcome)
{
    m_welcome = welcome;
    hostCode->setText(welcome.code);
    hostInvitation->setText(
        net::Invitation{QHostAddress(hostAddress->text().trimmed()).toString(), m_server->port(), welcome.code}.toString());
    hostCopy->setEnabled(true);
    const QString page =
        net::WebPage::address(QHostAddress(hostAddress->text().trimmed()), m_server->port(), welcome.code).toString();
    hostQr->setText(page);
    LiveTexts::of(this).add({hostPageAddress, "text", [this] { return hostPageAddress->text(); },
                             [this](const QString& text) { hostPageAddress->setText(text); }},
                            [page, code = welcome.code] {
                                return tr("%1\n部屋コード %2\nスマホのカメラで読み取るか、ブラウザにこのアドレスを入れます。")
                                    .arg(page, code);
                            });
    hostStart->setEnabled(true);
    showSeats(welcome.seats);
    showStatus([] { return QString(); });
}

void HostRoomWindow::showSeats(const QVector<net::SeatInfo>& seats)
{
    // The table starts from who sits where now, not from who sat there at the welcome.
    if (m_welcome)
        m_welcome->seats = seats;
    // The list as one text of a line a seat, so that it is said again in a new language.
    const QChar newline(u'\n');
    LiveTexts::of(this).add(
        {hostPlayers, "items",
         [this, newline] {
             QStringList lines;
             for (int row = 0; row < hostPlayers->count(); ++row)
                 lines << hostPlayers->item(row)->text();
             return lines.join(newline);
         },
         [this, newline](const QString& lines) {
             hostPlayers->clear();
             if (!lines.isEmpty())
                 hostPlayers->addItems(lines.split(newline));
         }},
        [seats, newline] {
            QStringList lines;
            for (int seat = 0; seat < seats.size(); ++seat)
                lines << tr("%1（%2）").arg(seatText(seat, seats[seat].name), holderText(seats[seat].holder));
            return lines.join(newline);
        });
}

void HostRoomWindow::showSpectators(int count)
{
    liveText(this, hostWatching, [count] { return count > 0 ? tr("観戦 %1 人").arg(count) : QString(); });
}

void HostRoomWindow::failed()
{
    stopServer();
    m_welcome.reset();
    hostCode->setText(QStringLiteral("------"));
    hostInvitation->clear();
    if (hostQr) {
        hostQr->setText({});
        LiveTexts::of(this).add({hostPageAddress, "text", [this] { return hostPageAddress->text(); },
                                 [this](const QString& text) { hostPageAddress->setText(text); }},
                                [] { return QString(); });
    }
    hostPlayers->clear();
    showSpectators(0);
    hostCopy->setEnabled(false);
    hostStart->setEnabled(false);
    hostPort->setValue(m_askedPort);
    enableChoices(true);
}

void HostRoomWindow::stopServer()
{
    if (!m_server)
        return;
    if (m_welcome) {
        if (net::Room* room = m_server->room(m_welcome->code))
            room->close(net::CloseReason::HostEnded);
    }
    m_server->stop();
    delete m_server;
}

void HostRoomWindow::enableChoices(bool enabled)
{
    for (QWidget* choice : std::initializer_list<QWidget*>{hostAddress, hostPhones, hostPort, hostSeat, hostBetSeconds,
                                                             hostRejoinSeconds, hostFallback, hostSpectators, hostCreate})
        choice->setEnabled(enabled);
    seatChosen();
    phonesChosen();
    showEncryption(false);
}
