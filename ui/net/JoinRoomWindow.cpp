#include "ui/net/JoinRoomWindow.h"

#include "net/Client.h"
#include "ui/net/CharacterBox.h"
#include "ui/net/PlayerName.h"
#include "ui/net/RoomAddress.h"
#include "ui/widgets/ControlNames.h"
#include "ui/widgets/Twips.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace {

enum Row { AddressRow, CodeRow, NameRow, FallbackRow, ButtonRow };

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
    client.join(net::JoinMessage{room->code, joinName->text().trimmed(), -1, {}, {}, joinFallback->character()});
    joinEnter->setEnabled(false);
    showStatus([] { return tr("接続しています…"); });
}

void JoinRoomWindow::failed() { joinEnter->setEnabled(true); }
