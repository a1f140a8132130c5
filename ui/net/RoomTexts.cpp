#include "ui/net/RoomTexts.h"

#include <QCoreApplication>

namespace RoomTexts {

QString refusal(net::ErrorCode code)
{
    using net::ErrorCode;
    switch (code) {
    case ErrorCode::BadJson:
    case ErrorCode::UnknownType:
    case ErrorCode::BadField:
        return QCoreApplication::translate("RoomTexts", "部屋が読めない通信を受け取りました。");
    case ErrorCode::BadVersion:
        return QCoreApplication::translate("RoomTexts", "部屋の通信の版がこのゲームと違います。同じ版のゲームで入ってください。");
    case ErrorCode::NoSuchRoom:
        return QCoreApplication::translate("RoomTexts", "その部屋コードの部屋はありません。");
    case ErrorCode::RoomFull:
        return QCoreApplication::translate("RoomTexts", "部屋に空いている席がありません。");
    case ErrorCode::RulesMismatch:
        return QCoreApplication::translate("RoomTexts", "部屋のルールが届いたものと一致しません。");
    case ErrorCode::TooManyRooms:
        return QCoreApplication::translate("RoomTexts", "サーバーの部屋がいっぱいです。");
    case ErrorCode::NotJoined:
        return QCoreApplication::translate("RoomTexts", "まだ部屋に入っていません。");
    case ErrorCode::AlreadyJoined:
        return QCoreApplication::translate("RoomTexts", "もう部屋に入っています。");
    case ErrorCode::NotYourSeat:
        return QCoreApplication::translate("RoomTexts", "自分の席ではありません。");
    case ErrorCode::NotYourCommand:
        return QCoreApplication::translate("RoomTexts", "その操作は親のプレイヤーの番です。");
    case ErrorCode::WrongPhase:
        return QCoreApplication::translate("RoomTexts", "いまはその操作はできません。");
    case ErrorCode::BetOutOfLimits:
        return QCoreApplication::translate("RoomTexts", "賭け金が範囲の外です。");
    case ErrorCode::NotReady:
        return QCoreApplication::translate("RoomTexts", "まだ賭け金を決めていない席があります。");
    case ErrorCode::BadToken:
        return QCoreApplication::translate("RoomTexts", "その席はもう取っておかれていません。");
    case ErrorCode::SeatHeld:
        return QCoreApplication::translate("RoomTexts", "その席にはまだ前の接続がつながっています。数秒おいてもう一度つないでください。");
    case ErrorCode::NoSpectators:
        return QCoreApplication::translate("RoomTexts", "この部屋のホストは観戦を受け付けていません。");
    }
    return {};
}

QString closing(net::CloseReason reason)
{
    using net::CloseReason;
    switch (reason) {
    case CloseReason::HostEnded:
        return QCoreApplication::translate("RoomTexts", "ホストが部屋を閉じました。");
    case CloseReason::HostLeft:
        return QCoreApplication::translate("RoomTexts", "ホストとの接続が切れたため、部屋が閉じられました。");
    case CloseReason::TooLarge:
    case CloseReason::Flooding:
        return QCoreApplication::translate("RoomTexts", "通信が多すぎるため、部屋から切断されました。");
    case CloseReason::HandshakeTimeout:
        return QCoreApplication::translate("RoomTexts", "時間内に部屋に入れませんでした。");
    case CloseReason::ServerStopping:
        return QCoreApplication::translate("RoomTexts", "サーバーが停止しました。");
    case CloseReason::Refused:
        return QCoreApplication::translate("RoomTexts", "部屋に入れませんでした。");
    case CloseReason::ConnectionLost:
        return QCoreApplication::translate("RoomTexts", "部屋との接続が切れました。");
    case CloseReason::ServerFull:
        return QCoreApplication::translate("RoomTexts", "サーバーの接続数が上限に達しているため、接続できませんでした。");
    case CloseReason::Idle:
        return QCoreApplication::translate("RoomTexts", "長い間だれも操作しなかったため、部屋が閉じられました。");
    }
    return {};
}

}  // namespace RoomTexts
