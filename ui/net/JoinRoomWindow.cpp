#include "ui/net/JoinRoomWindow.h"

#include "net/Client.h"
#include "ui/net/CharacterBox.h"
#include "ui/net/PlayerName.h"
#include "ui/net/RoomAddress.h"
#include "ui/net/SeatTokens.h"
#include "ui/widgets/ControlNames.h"
#include "ui/widgets/Twips.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace {

enum Row { AddressRow, CodeRow, NameRow, FallbackRow, WatchRow, ButtonRow };

}  // namespace

JoinRoomWindow::JoinRoomWindow(QWidget* table, const SettingsRecord& settings)
    : RoomWindow(table, "JoinRoomWindow", [] { return tr("部屋に入る"); })
{
    caption(AddressRow, "joinAddressCaption", [] { return tr("アドレス"); });
    joinAddress = named(new QLineEdit(QStringLiteral("127.0.0.1:%1").arg(net::DefaultPort), this), "joinAddress");
    joinAddress->setMinimumWidth(twips(4200));
    liveToolTip(this, joinAddress, [] {
        return tr("ホスト:ポート（暗号化するサーバーは wss://ホスト:ポート）、または招待の行 qubrin://… をそのまま貼り付けます。");
    });
    grid()->addWidget(joinAddress, AddressRow, 1);

    caption(CodeRow, "joinCodeCaption", [] { return tr("部屋コード"); });
    joinCode = named(new QLineEdit(this), "joinCode");
    joinCode->setMaxLength(net::RoomCodeLength);
    grid()->addWidget(joinCode, CodeRow, 1);

    caption(NameRow, "joinNameCaption", [] { return tr("名前"); });
    joinName = named(new QLineEdit(playerName(settings), this), "joinName");
    joinName->setMaxLength(net::MaxNameLength);
    grid()->addWidget(joinName, NameRow, 1);

    caption(FallbackRow, "joinFallbackCaption", [] { return tr("切断中の代打ち"); });
    joinFallback = named(new CharacterBox(this), "joinFallback");
    grid()->addWidget(joinFallback, FallbackRow, 1, Qt::AlignLeft);

    joinWatch = named(new QCheckBox(this), "joinWatch");
    liveText(this, joinWatch, [] { return tr("観戦（席につかずに見る）"); });
    grid()->addWidget(joinWatch, WatchRow, 1, Qt::AlignLeft);
    connect(joinWatch, &QCheckBox::toggled, joinFallback, &QWidget::setDisabled);

    joinEnter = named(new QPushButton(this), "joinEnter");
    liveText(this, joinEnter, [] { return tr("入る"); });
    joinEnter->setDefault(true);
    joinCancel = named(new QPushButton(this), "joinCancel");
    liveText(this, joinCancel, [] { return tr("閉じる"); });
    QHBoxLayout* buttons = row();
    buttons->addStretch();
    buttons->addWidget(joinEnter);
    buttons->addWidget(joinCancel);
    grid()->addLayout(buttons, ButtonRow, 0, 1, 2);

    connect(joinAddress, &QLineEdit::textEdited, this, &JoinRoomWindow::addressEdited);
    connect(joinAddress, &QLineEdit::textChanged, this, [this](const QString& text) { showEncryption(isSecureAddress(text)); });
    showEncryption(false);
    connect(joinEnter, &QPushButton::clicked, this, &JoinRoomWindow::enter);
    connect(joinCancel, &QPushButton::clicked, this, &QWidget::close);
}

void JoinRoomWindow::fill(const net::Invitation& invitation)
{
    joinAddress->setText(addressText(invitation));
    joinCode->setText(invitation.code);
}

void JoinRoomWindow::addressEdited(const QString& text)
{
    if (const std::optional<net::Invitation> invitation = net::Invitation::fromString(text))
        fill(*invitation);
}

void JoinRoomWindow::enter()
{
    if (hasClient())
        return;
    const std::optional<net::Invitation> room = roomAddress(joinAddress->text(), joinCode->text());
    if (!room) {
        showStatus([] { return tr("アドレス（ホスト:ポート）と6文字の部屋コードを入れてください。"); });
        return;
    }
    if (joinName->text().trimmed().isEmpty()) {
        showStatus([] { return tr("名前を入れてください。"); });
        return;
    }
    net::Client& client = newClient();
    connect(&client, &net::Client::welcomed, this, &JoinRoomWindow::startPlaying);
    client.open(room->socketUrl());
    net::JoinMessage join{room->code, joinName->text().trimmed(), -1, {}, {}, joinFallback->character()};
    join.spectate = joinWatch->isChecked();
    if (const std::optional<SeatTokens::Kept> kept = SeatTokens().find(*room); kept && !join.spectate)
        join.token = kept->token;
    followToken(client, *room);
    client.join(join);
    joinEnter->setEnabled(false);
    showStatus([] { return tr("接続しています…"); });
}

void JoinRoomWindow::followToken(net::Client& client, const net::Invitation& room)
{
    connect(&client, &net::Client::welcomed, this, [room](const net::WelcomeMessage& welcome) {
        if (!welcome.spectator)
            SeatTokens().keep(room, {welcome.token, welcome.seat});
    });
    // A token the room no longer knows is of no more use; the next 入る takes a free seat.
    connect(&client, &net::Client::refused, this, [room](net::ErrorCode code) {
        if (code == net::ErrorCode::BadToken || code == net::ErrorCode::NoSuchRoom)
            SeatTokens().forget(room);
    });
    connect(&client, &net::Client::roomClosed, this, [room](net::CloseReason reason) {
        if (reason != net::CloseReason::ConnectionLost)
            SeatTokens().forget(room);
    });
}

void JoinRoomWindow::failed() { joinEnter->setEnabled(true); }
