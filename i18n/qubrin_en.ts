<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>AboutBox</name>
    <message>
        <source>Qubrin&#x3000;ﾊﾞｰｼﾞｮﾝ情報</source>
        <translation>About Qubrin</translation>
    </message>
    <message>
        <source>Qubrin Ver1.02&#x3000;</source>
        <translation>Qubrin version 1.02</translation>
    </message>
    <message>
        <source>(C) 2026 Qubrin Project</source>
        <translation>(C) 2026 Qubrin Project</translation>
    </message>
    <message>
        <source>Made with Qt 6 ― ちんちろりん</source>
        <translation>Made with Qt 6 ― chinchirorin</translation>
    </message>
    <message>
        <source>License: GPL-3.0-or-later</source>
        <translation>License: GPL-3.0-or-later</translation>
    </message>
</context>
<context>
    <name>CharacterBox</name>
    <message>
        <source>おまかせ</source>
        <translation>Random</translation>
    </message>
    <message>
        <source>堅実</source>
        <translation>Steady</translation>
    </message>
    <message>
        <source>計算</source>
        <translation>Calculating</translation>
    </message>
    <message>
        <source>強気</source>
        <translation>Bold</translation>
    </message>
    <message>
        <source>博徒</source>
        <translation>Gambler</translation>
    </message>
</context>
<context>
    <name>FairnessWindow</name>
    <message>
        <source>公平性の検証</source>
        <translation>Fairness check</translation>
    </message>
    <message>
        <source>もう一度検証</source>
        <translation>Check again</translation>
    </message>
    <message>
        <source>ターン</source>
        <translation>Turn</translation>
    </message>
    <message>
        <source>検証</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>コミットメント</source>
        <translation>Commitment</translation>
    </message>
    <message>
        <source>シード</source>
        <translation>Seed</translation>
    </message>
    <message>
        <source>寄与（席順）</source>
        <translation>Contributions (seat order)</translation>
    </message>
    <message>
        <source>%1 ターン中 %2 ターンのサイコロが検証に失敗しました。</source>
        <translation>The dice of %2 of %1 turns failed the check.</translation>
    </message>
    <message>
        <source>%1 ターンすべてのサイコロを検証しました。</source>
        <translation>The dice of all %1 turns are verified.</translation>
    </message>
    <message>
        <source>検証できるネット対戦のターンはまだありません。</source>
        <translation>No network turn to check yet.</translation>
    </message>
</context>
<context>
    <name>HandName</name>
    <message>
        <source>%1のゾロ目</source>
        <translation>Triple %1s</translation>
    </message>
    <message>
        <source>%1の目</source>
        <translation>Point %1</translation>
    </message>
    <message>
        <source>シゴロ</source>
        <translation>4-5-6</translation>
    </message>
    <message>
        <source>役なし</source>
        <translation>No hand</translation>
    </message>
    <message>
        <source>場&#x3000;外</source>
        <translation>Out of the bowl</translation>
    </message>
    <message>
        <source>ヒフミ</source>
        <translation>1-2-3</translation>
    </message>
</context>
<context>
    <name>HelpEdition</name>
    <message>
        <source>Help1.txt</source>
        <extracomment>The name of the help file written in this language; the Japanese file is shown while it is missing.</extracomment>
        <translation>Help1_en.txt</translation>
    </message>
</context>
<context>
    <name>HistoryTable</name>
    <message>
        <source>ターン</source>
        <translation>Turn</translation>
    </message>
    <message>
        <source>親</source>
        <translation>Banker</translation>
    </message>
    <message>
        <source>名前</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>出目</source>
        <translation>Dice</translation>
    </message>
    <message>
        <source>役</source>
        <translation>Hand</translation>
    </message>
    <message>
        <source>賭け</source>
        <translation>Bet</translation>
    </message>
    <message>
        <source>支払い</source>
        <translation>Payment</translation>
    </message>
    <message>
        <source>持ち点</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>理由</source>
        <translation>Reason</translation>
    </message>
    <message>
        <source>コミットメント</source>
        <translation>Commitment</translation>
    </message>
    <message>
        <source>シード</source>
        <translation>Seed</translation>
    </message>
    <message>
        <source>寄与</source>
        <translation>Contribution</translation>
    </message>
    <message>
        <source>ベントの乱数</source>
        <translation>Bet draws</translation>
    </message>
</context>
<context>
    <name>HostRoomWindow</name>
    <message>
        <source>スマホ</source>
        <translation>Phones</translation>
    </message>
    <message>
        <source>スマホのブラウザからも入れるようにする</source>
        <translation>Let phones join from their browser</translation>
    </message>
    <message>
        <source>スマホは、このコンピュータと同じネットワーク（同じ Wi-Fi）につながっている必要があります。チェックしなければ、上のアドレス（127.0.0.1 ならこのコンピュータだけ）で待ち受けます。</source>
        <translation>Phones must be on the same network as this computer (the same Wi-Fi). Unchecked, the room listens on the address above (127.0.0.1: this computer only).</translation>
    </message>
    <message>
        <source>スマホで読み取る</source>
        <translation>Scan with a phone</translation>
    </message>
    <message>
        <source>%1
部屋コード %2
スマホのカメラで読み取るか、ブラウザにこのアドレスを入れます。</source>
        <translation>%1
Room code %2
Scan it with the phone&apos;s camera, or type the address into its browser.</translation>
    </message>
    <message>
        <source>ホスト</source>
        <translation>host</translation>
    </message>
    <message>
        <source>リモート</source>
        <translation>remote</translation>
    </message>
    <message>
        <source>コンピュータ</source>
        <translation>computer</translation>
    </message>
    <message>
        <source>空席</source>
        <translation>empty</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>部屋を作る</source>
        <translation>Host a room</translation>
    </message>
    <message>
        <source>待ち受けアドレス</source>
        <translation>Listen on address</translation>
    </message>
    <message>
        <source>127.0.0.1 はこのコンピュータだけです。LAN の友だちにはこのコンピュータの LAN のアドレスを入れます。</source>
        <translation>127.0.0.1 is this computer only. For friends on your LAN, enter this computer&apos;s LAN address.</translation>
    </message>
    <message>
        <source>ポート</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>空き番号</source>
        <translation>any free</translation>
    </message>
    <message>
        <source>あなたの席</source>
        <translation>Your seat</translation>
    </message>
    <message>
        <source>リモートに開く席
（ほかはコンピュータ）</source>
        <translation>Seats open to remote players
(the others: computer)</translation>
    </message>
    <message>
        <source>賭けの時間</source>
        <translation>Time for bets</translation>
    </message>
    <message>
        <source> 秒</source>
        <translation> s</translation>
    </message>
    <message>
        <source>切断中の代打ち</source>
        <translation>Plays for you if you drop</translation>
    </message>
    <message>
        <source>部屋コード</source>
        <translation>Room code</translation>
    </message>
    <message>
        <source>招待</source>
        <translation>Invitation</translation>
    </message>
    <message>
        <source>コピー</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>参加者</source>
        <translation>Players</translation>
    </message>
    <message>
        <source>開始</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>待ち受けアドレスには、このコンピュータのアドレスを一つ入れてください。</source>
        <translation>Enter one address of this computer to listen on.</translation>
    </message>
    <message>
        <source>ポート %1 で待ち受けられません（%2）。</source>
        <translation>Cannot listen on port %1 (%2).</translation>
    </message>
    <message>
        <source>部屋を作っています…</source>
        <translation>Creating the room…</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>切断した席を取っておく時間</source>
        <translation>Keep a dropped seat for</translation>
    </message>
    <message>
        <source>切断したプレイヤーがこの時間のうちにつなぎ直せば席に戻れます。その間はコンピュータが代打ちします。</source>
        <translation>A player who reconnects within this time gets the seat back; meanwhile the computer plays it.</translation>
    </message>
    <message>
        <source>観戦を受け付ける</source>
        <translation>Allow spectators</translation>
    </message>
    <message>
        <source>観戦 %1 人</source>
        <translation>Watching: %1</translation>
    </message>
</context>
<context>
    <name>JoinRoomWindow</name>
    <message>
        <source>部屋に入る</source>
        <translation>Join a room</translation>
    </message>
    <message>
        <source>アドレス</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>部屋コード</source>
        <translation>Room code</translation>
    </message>
    <message>
        <source>名前</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>切断中の代打ち</source>
        <translation>Plays for you if you drop</translation>
    </message>
    <message>
        <source>入る</source>
        <translation>Join</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>アドレス（ホスト:ポート）と6文字の部屋コードを入れてください。</source>
        <translation>Enter an address (host:port) and the 6-character room code.</translation>
    </message>
    <message>
        <source>名前を入れてください。</source>
        <translation>Enter a name.</translation>
    </message>
    <message>
        <source>接続しています…</source>
        <translation>Connecting…</translation>
    </message>
    <message>
        <source>ホスト:ポート（暗号化するサーバーは wss://ホスト:ポート）、または招待の行 qubrin://… をそのまま貼り付けます。</source>
        <translation>host:port (wss://host:port for a server that encrypts), or paste an invitation line qubrin://… as it is.</translation>
    </message>
    <message>
        <source>観戦（席につかずに見る）</source>
        <translation>Watch (without a seat)</translation>
    </message>
</context>
<context>
    <name>NetworkMenu</name>
    <message>
        <source>部屋を作る...</source>
        <translation>Host a room...</translation>
    </message>
    <message>
        <source>部屋に入る...</source>
        <translation>Join a room...</translation>
    </message>
    <message>
        <source>部屋を出る</source>
        <translation>Leave the room</translation>
    </message>
    <message>
        <source>公平性の検証...</source>
        <translation>Fairness Check...</translation>
    </message>
</context>
<context>
    <name>OptionWindow</name>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>ProofVerdict</name>
    <message>
        <source>検証済み</source>
        <translation>Verified</translation>
    </message>
    <message>
        <source>検証できません</source>
        <translation>Not checkable</translation>
    </message>
    <message>
        <source>⚠ 検証に失敗</source>
        <translation>⚠ Check failed</translation>
    </message>
    <message>
        <source>サイコロは部屋が先に約束したシードどおりでした。</source>
        <translation>The dice followed the seed the room committed to in advance.</translation>
    </message>
    <message>
        <source>このターンはベントの開始を見ていないか、部屋が証明を送らなかったため検証できません。</source>
        <translation>This turn cannot be checked: this table did not see its bets open, or the room sent no proof.</translation>
    </message>
    <message>
        <source>サイコロの検証に失敗しました：明かされたシードが約束と一致しません。</source>
        <translation>The dice check failed: the revealed seed does not match the commitment.</translation>
    </message>
    <message>
        <source>サイコロの検証に失敗しました：コンピュータのベントの乱数 %1 がシードと一致しません。</source>
        <translation>The dice check failed: the computer&apos;s bet draw %1 does not match the seed.</translation>
    </message>
    <message>
        <source>サイコロの検証に失敗しました：%1 投目の %2 個目のサイコロがシードと一致しません。</source>
        <translation>The dice check failed: die %2 of throw %1 does not match the seed.</translation>
    </message>
    <message>
        <source>サイコロの検証に失敗しました：部屋はあなたの送った乱数を使わずに振りました。</source>
        <translation>The dice check failed: the room threw without the random share you sent.</translation>
    </message>
</context>
<context>
    <name>RoomTable</name>
    <message>
        <source>準備完了</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>このベントで決めます</source>
        <translation>Settle on this bet</translation>
    </message>
    <message>
        <source>部屋の状態に合わせ直しました</source>
        <translation>The table was brought back in line with the room</translation>
    </message>
    <message>
        <source>● ホスト</source>
        <translation>● Host</translation>
    </message>
    <message>
        <source>● ネット</source>
        <translation>● Online</translation>
    </message>
    <message>
        <source>● スマホ</source>
        <translation>● Phone</translation>
    </message>
    <message>
        <source>コンピュータ</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>× 切断・コンピュータが代行</source>
        <translation>× Disconnected, the computer plays</translation>
    </message>
    <message>
        <source>空席</source>
        <translation>Empty seat</translation>
    </message>
    <message>
        <source>（自分）</source>
        <translation> (you)</translation>
    </message>
    <message>
        <source>・準備完了</source>
        <translation>, ready</translation>
    </message>
    <message>
        <source>あなた</source>
        <translation>you</translation>
    </message>
    <message>
        <source>部屋 %1&#x3000;ベントの受付中</source>
        <translation>Room %1&#x3000;bets are open</translation>
    </message>
    <message>
        <source>部屋 %1&#x3000;%2 の番</source>
        <translation>Room %1&#x3000;%2 to move</translation>
    </message>
    <message>
        <source>締切まで %1 秒</source>
        <translation>%1 s left to bet</translation>
    </message>
    <message>
        <source>部屋との接続が切れました。もう一度つなぎますか？</source>
        <translation>The connection to the room was lost. Connect again?</translation>
    </message>
    <message>
        <source>接続</source>
        <translation>Connection</translation>
    </message>
    <message>
        <source>部屋に戻りました</source>
        <translation>Back in the room</translation>
    </message>
    <message>
        <source>部屋 %1&#x3000;接続が切れました</source>
        <translation>Room %1&#x3000;connection lost</translation>
    </message>
    <message>
        <source>部屋 %1&#x3000;つなぎ直しています…</source>
        <translation>Room %1&#x3000;connecting again…</translation>
    </message>
    <message>
        <source>暗号化なし（ws://）</source>
        <translation>Not encrypted (ws://)</translation>
    </message>
    <message>
        <source>この部屋との通信は暗号化されていません。</source>
        <translation>What you and this room send each other is not encrypted.</translation>
    </message>
    <message>
        <source>× コンピュータが代打ち中 あと%1秒</source>
        <translation>× Computer plays it, %1 s left</translation>
    </message>
    <message>
        <source>観戦中&#x3000;</source>
        <translation>Watching  </translation>
    </message>
    <message>
        <source>&#x3000;観戦 %1</source>
        <translation>  %1 watching</translation>
    </message>
    <message>
        <source>部屋 %1</source>
        <translation>Room %1</translation>
    </message>
</context>
<context>
    <name>RoomTexts</name>
    <message>
        <source>部屋が読めない通信を受け取りました。</source>
        <translation>The room received a message it could not read.</translation>
    </message>
    <message>
        <source>部屋の通信の版がこのゲームと違います。同じ版のゲームで入ってください。</source>
        <translation>The room speaks another version of the protocol. Join with the same version of the game.</translation>
    </message>
    <message>
        <source>その部屋コードの部屋はありません。</source>
        <translation>There is no room with that code.</translation>
    </message>
    <message>
        <source>部屋に空いている席がありません。</source>
        <translation>The room has no free seat.</translation>
    </message>
    <message>
        <source>部屋のルールが届いたものと一致しません。</source>
        <translation>The room&apos;s rules do not match the ones received.</translation>
    </message>
    <message>
        <source>サーバーの部屋がいっぱいです。</source>
        <translation>The server has no room left.</translation>
    </message>
    <message>
        <source>まだ部屋に入っていません。</source>
        <translation>You have not joined a room yet.</translation>
    </message>
    <message>
        <source>もう部屋に入っています。</source>
        <translation>You are already in a room.</translation>
    </message>
    <message>
        <source>自分の席ではありません。</source>
        <translation>That is not your seat.</translation>
    </message>
    <message>
        <source>その操作は親のプレイヤーの番です。</source>
        <translation>Only the banker&apos;s player may do that.</translation>
    </message>
    <message>
        <source>いまはその操作はできません。</source>
        <translation>That cannot be done now.</translation>
    </message>
    <message>
        <source>賭け金が範囲の外です。</source>
        <translation>The bet is outside the limits.</translation>
    </message>
    <message>
        <source>まだ賭け金を決めていない席があります。</source>
        <translation>Some seats have not placed their bets yet.</translation>
    </message>
    <message>
        <source>ホストが部屋を閉じました。</source>
        <translation>The host closed the room.</translation>
    </message>
    <message>
        <source>ホストとの接続が切れたため、部屋が閉じられました。</source>
        <translation>The room was closed: the host&apos;s connection was lost.</translation>
    </message>
    <message>
        <source>通信が多すぎるため、部屋から切断されました。</source>
        <translation>Disconnected from the room: too many messages.</translation>
    </message>
    <message>
        <source>時間内に部屋に入れませんでした。</source>
        <translation>Could not join the room in time.</translation>
    </message>
    <message>
        <source>サーバーが停止しました。</source>
        <translation>The server stopped.</translation>
    </message>
    <message>
        <source>部屋に入れませんでした。</source>
        <translation>Could not join the room.</translation>
    </message>
    <message>
        <source>部屋との接続が切れました。</source>
        <translation>The connection to the room was lost.</translation>
    </message>
    <message>
        <source>サーバーの接続数が上限に達しているため、接続できませんでした。</source>
        <translation>The server holds as many connections as it can; you could not connect.</translation>
    </message>
    <message>
        <source>長い間だれも操作しなかったため、部屋が閉じられました。</source>
        <translation>Nobody did anything for a long time, so the room was closed.</translation>
    </message>
    <message>
        <source>その席はもう取っておかれていません。</source>
        <translation>That seat is no longer kept for you.</translation>
    </message>
    <message>
        <source>その席にはまだ前の接続がつながっています。数秒おいてもう一度つないでください。</source>
        <translation>The seat is still held by the earlier connection. Wait a few seconds and connect again.</translation>
    </message>
    <message>
        <source>この部屋のホストは観戦を受け付けていません。</source>
        <translation>The host of this room does not allow spectators.</translation>
    </message>
</context>
<context>
    <name>RoomWindow</name>
    <message>
        <source>暗号化された接続です（wss://）。</source>
        <translation>The connection is encrypted (wss://).</translation>
    </message>
    <message>
        <source>この接続は暗号化されません（ws://）。同じネットワークの中でだけ使ってください。</source>
        <translation>This connection is not encrypted (ws://). Use it only within your own network.</translation>
    </message>
    <message>
        <source>サーバー %1 の証明書は、このコンピュータが信頼する発行元のものではありません。

SHA-256 指紋:
%2

サーバーの管理者から聞いた指紋と同じときだけ信頼してください。この証明書を信頼して接続しますか？</source>
        <translation>The certificate of the server %1 is not from an issuer this computer trusts.

SHA-256 fingerprint:
%2

Trust it only if it is the fingerprint the server&apos;s administrator gave you. Trust this certificate and connect?</translation>
    </message>
    <message>
        <source>証明書の確認</source>
        <translation>Check the certificate</translation>
    </message>
    <message>
        <source>サーバー %1 の証明書が、前に信頼したものから変わっています。接続をやめました。

新しい SHA-256 指紋:
%2

なりすましのおそれがあります。サーバーの管理者に確かめてください。</source>
        <translation>The certificate of the server %1 is not the one you trusted before. The connection was stopped.

New SHA-256 fingerprint:
%2

Somebody may be posing as the server. Ask the server&apos;s administrator.</translation>
    </message>
</context>
<context>
    <name>ScoreChartView</name>
    <message>
        <source>持ち点の推移</source>
        <translation>Scores over the game</translation>
    </message>
    <message>
        <source>ターン</source>
        <translation>Turn</translation>
    </message>
</context>
<context>
    <name>SettingsGaps</name>
    <message>
        <source> ほか%1項目</source>
        <translation> and %1 more</translation>
    </message>
    <message>
        <source>設定ﾌｧｲﾙの一部が読めませんでした。</source>
        <translation>Part of the settings file could not be read.</translation>
    </message>
    <message>
        <source>無い項目：</source>
        <translation>Missing: </translation>
    </message>
    <message>
        <source>数値でない項目：</source>
        <translation>Not a number: </translation>
    </message>
    <message>
        <source>。(ToT)</source>
        <translation>. (ToT)</translation>
    </message>
</context>
<context>
    <name>TableZoom</name>
    <message>
        <source>拡大(&amp;I)</source>
        <translation>Zoom &amp;in</translation>
    </message>
    <message>
        <source>縮小(&amp;O)</source>
        <translation>Zoom &amp;out</translation>
    </message>
    <message>
        <source>画面に合わせる(&amp;F)</source>
        <translation>&amp;Fit to screen</translation>
    </message>
</context>
<context>
    <name>TextViewer</name>
    <message>
        <source>「%1」が見つかりません。
ゲームのフォルダーにこのファイルがあるか確かめて下さい。</source>
        <translation>&quot;%1&quot; was not found.
Please check that the game&apos;s folder holds this file.</translation>
    </message>
    <message>
        <source>

（ここから先は長すぎるため省略しました）</source>
        <translation>

(The rest is too long and was left out.)</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>frmHistory</name>
    <message>
        <source>ターン履歴</source>
        <translation>Turn history</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>CSV保存(&amp;S)</source>
        <translation>&amp;Save CSV</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>保存に失敗しました。(ToT)</source>
        <translation>The history could not be saved. (T_T)</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>ｹﾞｰﾑ(&amp;G)</source>
        <translation>&amp;Game</translation>
    </message>
    <message>
        <source>設定(&amp;S)</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>新規ｹﾞｰﾑ（&amp;N）</source>
        <translation>&amp;New game</translation>
    </message>
    <message>
        <source>ｹﾞｰﾑ中断（&amp;Q）</source>
        <translation>&amp;Quit this game</translation>
    </message>
    <message>
        <source>読込(&amp;L)</source>
        <translation>&amp;Load settings</translation>
    </message>
    <message>
        <source>終了（&amp;X）</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>ｵﾌﾟｼｮﾝ(&amp;O)</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>出目集計(&amp;D)</source>
        <translation>&amp;Dice tally</translation>
    </message>
    <message>
        <source>ターン履歴(&amp;T)</source>
        <translation>&amp;Turn history</translation>
    </message>
    <message>
        <source>成績(&amp;R)</source>
        <translation>&amp;Results</translation>
    </message>
    <message>
        <source>スピード</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>▲Up</source>
        <translation>▲Faster</translation>
    </message>
    <message>
        <source>▼Down</source>
        <translation>▼Slower</translation>
    </message>
    <message>
        <source>効果音を出す</source>
        <translation>Sound effects</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>On</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>表示(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>言語(&amp;L)</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>ﾍﾙﾌﾟ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Rademeを見る(&amp;R)</source>
        <translation>&amp;Read me</translation>
    </message>
    <message>
        <source>確率と期待値(&amp;P)</source>
        <translation>&amp;Odds and expectation</translation>
    </message>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝ情報(&amp;A)</source>
        <translation>&amp;About Qubrin</translation>
    </message>
    <message>
        <source>効果音</source>
        <translation>Sound effects</translation>
    </message>
    <message>
        <source>時計回り</source>
        <translation>Clockwise</translation>
    </message>
    <message>
        <source>ｽｺｱ</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>ﾍﾞﾝﾄ</source>
        <translation>Bet</translation>
    </message>
    <message>
        <source>コンピュータ</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>ベント</source>
        <translation>Bet</translation>
    </message>
    <message>
        <source>ﾀｰﾝのｽﾀｰﾄです</source>
        <translation>Start the turn</translation>
    </message>
    <message>
        <source>実 行</source>
        <translation>Roll</translation>
    </message>
    <message>
        <source>親からサイコロを振ります</source>
        <translation>The banker rolls first</translation>
    </message>
    <message>
        <source>次のﾀｰﾝ</source>
        <translation>Next turn</translation>
    </message>
    <message>
        <source>ﾀｰﾝ終了</source>
        <translation>End of the turn</translation>
    </message>
    <message>
        <source>ｽﾙｰ</source>
        <translation>Pass</translation>
    </message>
    <message>
        <source>親を流します</source>
        <translation>Pass the bank on</translation>
    </message>
    <message>
        <source>親%1戦</source>
        <translation>Bank %1</translation>
    </message>
    <message>
        <source>ベントして下さい</source>
        <translation>Place your bets</translation>
    </message>
    <message>
        <source>ベントを押して下さい</source>
        <translation>Press Bet</translation>
    </message>
    <message>
        <source>ゲームの中断</source>
        <translation>Game over</translation>
    </message>
    <message>
        <source>ゲームを中断します</source>
        <translation>Quit this game?</translation>
    </message>
    <message>
        <source>確認</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>中断はクリアされました</source>
        <translation>The game goes on</translation>
    </message>
    <message>
        <source>設定ﾌｫﾙﾀﾞ %1 に書き込めないため、付属の設定ﾌｧｲﾙを読み込みました。(ToT)</source>
        <translation>The settings folder %1 cannot be written, so the settings that came with the game were loaded. (T_T)</translation>
    </message>
    <message>
        <source>設定ﾌｧｲﾙが見つかりません。(ToT)</source>
        <translation>The settings file was not found. (T_T)</translation>
    </message>
    <message>
        <source>読み込みに失敗しました。(ToT)</source>
        <translation>The settings file could not be read. (T_T)</translation>
    </message>
    <message>
        <source>プレイ中です</source>
        <translation>Rolling</translation>
    </message>
    <message>
        <source>%1投目</source>
        <translation>#%1</translation>
    </message>
    <message>
        <source>ターン終了</source>
        <translation>End of the turn</translation>
    </message>
    <message>
        <source>残り回数</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>親の回数</source>
        <translation>Banks</translation>
    </message>
    <message>
        <source>振る回数</source>
        <translation>Throws</translation>
    </message>
    <message>
        <source>下限</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>上限</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>ネット対戦(&amp;N)</source>
        <translation>&amp;Network</translation>
    </message>
    <message>
        <source>Qubrin&#x3000;ちんちろりん</source>
        <translation>Qubrin — Chinchirorin</translation>
    </message>
</context>
<context>
    <name>frmOdds</name>
    <message>
        <source>確率と期待値</source>
        <translation>Odds and expectation</translation>
    </message>
    <message>
        <source>1のゾロ目5倍勝ち</source>
        <translation>Triple 1s win 5×</translation>
    </message>
    <message>
        <source>1のゾロ目3倍負け</source>
        <translation>Triple 1s lose 3×</translation>
    </message>
    <message>
        <source>5のゾロ目5倍勝ち</source>
        <translation>Triple 5s win 5×</translation>
    </message>
    <message>
        <source>親6の目で子も振る</source>
        <translation>Players roll on banker&apos;s Point 6</translation>
    </message>
    <message>
        <source>親1の目で子も振る</source>
        <translation>Players roll on banker&apos;s Point 1</translation>
    </message>
    <message>
        <source>場外は振り直し</source>
        <translation>Out of the bowl rolls again</translation>
    </message>
    <message>
        <source>振る回数 %1回&#x3000;特別ルール：%2</source>
        <translation>Throws: %1   House rules: %2</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>none</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>役</source>
        <translation>Hand</translation>
    </message>
    <message>
        <source>1投の確率</source>
        <translation>Chance per throw</translation>
    </message>
    <message>
        <source>最終の役（%1投まで）</source>
        <translation>Final hand (up to %1 throws)</translation>
    </message>
    <message>
        <source>配当</source>
        <translation>Pays</translation>
    </message>
</context>
<context>
    <name>frmResult</name>
    <message>
        <source>順位</source>
        <translation>Rank</translation>
    </message>
    <message>
        <source>名前</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>持ち点</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>増減</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>親</source>
        <translation>Banker</translation>
    </message>
    <message>
        <source>最高の役</source>
        <translation>Best hand</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>対局結果</source>
        <translation>Final results</translation>
    </message>
    <message>
        <source>途中経過</source>
        <translation>Standings so far</translation>
    </message>
    <message>
        <source>&#x3000;%1ターン</source>
        <translation> after turn %1</translation>
    </message>
    <message>
        <source>%1位</source>
        <translation>#%1</translation>
    </message>
    <message>
        <source>%1回</source>
        <translation>%1</translation>
    </message>
</context>
<context>
    <name>frmSet</name>
    <message>
        <source>設定</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>参加者</source>
        <translation>Players</translation>
    </message>
    <message>
        <source>数値設定</source>
        <translation>Numbers</translation>
    </message>
    <message>
        <source>特別ﾙｰﾙ</source>
        <translation>Rules</translation>
    </message>
    <message>
        <source>保存（&amp;S）</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>読込(&amp;L)</source>
        <translation>&amp;Load settings</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ(&amp;C)</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>ﾍﾙﾌﾟ</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>参加人物</source>
        <translation>Seats</translation>
    </message>
    <message>
        <source>参加人数</source>
        <translation>Players at the table</translation>
    </message>
    <message>
        <source>イメージ</source>
        <translation>Pictures</translation>
    </message>
    <message>
        <source>自動にする</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>コンピュータの性格</source>
        <translation>The computer&apos;s character</translation>
    </message>
    <message>
        <source>ｲﾒｰｼﾞ№</source>
        <translation>Picture no.</translation>
    </message>
    <message>
        <source>スコア</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>初期値</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>ベント</source>
        <translation>Bet</translation>
    </message>
    <message>
        <source>上限</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>下限</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>回数</source>
        <translation>Counts</translation>
    </message>
    <message>
        <source>ゲームの回数</source>
        <translation>Games</translation>
    </message>
    <message>
        <source>親の回数</source>
        <translation>Banker turns</translation>
    </message>
    <message>
        <source>基本は3回です</source>
        <translation>Usually 3</translation>
    </message>
    <message>
        <source>振る回数</source>
        <translation>Throws</translation>
    </message>
    <message>
        <source>ハウスルール</source>
        <translation>House rules</translation>
    </message>
    <message>
        <source>特別配当</source>
        <translation>Special payouts</translation>
    </message>
    <message>
        <source>１のゾロ目を５倍勝ちにする</source>
        <translation>Triple ones win five times</translation>
    </message>
    <message>
        <source>１のゾロ目を３倍負けにする</source>
        <translation>Triple ones lose three times</translation>
    </message>
    <message>
        <source>５のゾロ目を５倍勝ちにする</source>
        <translation>Triple fives win five times</translation>
    </message>
    <message>
        <source>親の出目で子は？</source>
        <translation>After the banker&apos;s point</translation>
    </message>
    <message>
        <source>親が６の目の場合、子は出来る</source>
        <translation>Players throw after a point of 6</translation>
    </message>
    <message>
        <source>親が１の目の場合、子は出来る</source>
        <translation>Players throw after a point of 1</translation>
    </message>
    <message>
        <source>親のスルー</source>
        <translation>The banker&apos;s pass</translation>
    </message>
    <message>
        <source>親をスルーする事が出来る</source>
        <translation>The banker may pass</translation>
    </message>
    <message>
        <source>親をスルーする事が出来るが、1回は必ずする</source>
        <translation>The banker may pass after one turn</translation>
    </message>
    <message>
        <source>親の出目でスルーする</source>
        <translation>The bank passes on the banker&apos;s hand</translation>
    </message>
    <message>
        <source>親がヒフミ(3倍負け含む)の場合</source>
        <translation>1-2-3 (also losing three times)</translation>
    </message>
    <message>
        <source>親が場外の場合</source>
        <translation>Out of the bowl</translation>
    </message>
    <message>
        <source>親が役なしの場合</source>
        <translation>No hand</translation>
    </message>
    <message>
        <source>親が1の目の場合</source>
        <translation>Point of 1</translation>
    </message>
    <message>
        <source>その他</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>場外は役なしと同じとする</source>
        <translation>Out of the bowl counts as no hand</translation>
    </message>
    <message>
        <source>基本はその場で終了</source>
        <translation>Usually the throw ends at once</translation>
    </message>
    <message>
        <source>保存に失敗しました。(ToT)</source>
        <translation>Saving failed. (ToT)</translation>
    </message>
    <message>
        <source>設定ﾌｧｲﾙが見つかりません。(ToT)</source>
        <translation>The settings file was not found. (ToT)</translation>
    </message>
    <message>
        <source>読み込みに失敗しました。(ToT)</source>
        <translation>Loading failed. (ToT)</translation>
    </message>
    <message>
        <source>数字を入力して下さい。(ToT)</source>
        <translation>Please enter digits. (ToT)</translation>
    </message>
    <message>
        <source>数値を入力して下さい。(ToT)</source>
        <translation>Please enter a number. (ToT)</translation>
    </message>
    <message>
        <source>値が小さいです。(ToT)</source>
        <translation>The value is too small. (ToT)</translation>
    </message>
    <message>
        <source>値が大きいです。(ToT)</source>
        <translation>The value is too large. (ToT)</translation>
    </message>
    <message>
        <source>設定(*.ini)|*.ini</source>
        <translation>Settings (*.ini)|*.ini</translation>
    </message>
</context>
<context>
    <name>frmSound</name>
    <message>
        <source>効果音</source>
        <translation>Sound effects</translation>
    </message>
    <message>
        <source>効果音を出す</source>
        <translation>Play sound effects</translation>
    </message>
</context>
<context>
    <name>frmSpeed</name>
    <message>
        <source>スピード</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>▲Up   </source>
        <translation>▲Faster</translation>
    </message>
    <message>
        <source>速くします</source>
        <translation>Makes the game faster</translation>
    </message>
    <message>
        <source>▼Down</source>
        <translation>▼Slower</translation>
    </message>
    <message>
        <source>遅くします</source>
        <translation>Makes the game slower</translation>
    </message>
</context>
<context>
    <name>frmTotal</name>
    <message>
        <source>出目集計</source>
        <translation>Dice tally</translation>
    </message>
    <message>
        <source>1のゾロ目２のゾロ目３のゾロ目４のゾロ目５のゾロ目６のゾロ目&#x3000;&#x3000;&#x3000;シゴロ&#x3000;&#x3000;&#x3000;６の目&#x3000;&#x3000;&#x3000;５の目&#x3000;&#x3000;&#x3000;４の目&#x3000;&#x3000;&#x3000;３の目&#x3000;&#x3000;&#x3000;２の目&#x3000;&#x3000;&#x3000;１の目&#x3000;&#x3000;&#x3000;役なし&#x3000;&#x3000;&#x3000;場&#x3000;外&#x3000;&#x3000;&#x3000;ヒフミ&#x3000;</source>
        <translation>Triple 1s
Triple 2s
Triple 3s
Triple 4s
Triple 5s
Triple 6s
4-5-6
Point 6
Point 5
Point 4
Point 3
Point 2
Point 1
No hand
Out of the bowl
1-2-3
</translation>
    </message>
    <message>
        <source>期待数</source>
        <translation>Expected</translation>
    </message>
    <message>
        <source>集計した役の数から見込まれる、各役の出る数</source>
        <translation>How often each hand should have come, from the number of hands counted</translation>
    </message>
    <message>
        <source>出た役の数を期待数と比べるカイ二乗検定です。p値が0.01より小さければ、サイコロの偏りが疑われます。
期待数が5に満たない役はひとまとめにし、どの組も期待数5以上になってから判定します。</source>
        <translation>A chi-square test of the hands that came against the expected counts. A p-value below 0.01 suggests biased dice.
Hands expected fewer than 5 times are pooled; the test starts once every group is expected at least 5 times.</translation>
    </message>
    <message>
        <source>集計クリア</source>
        <translation>Clear tally</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>サイコロの公平性&#x3000;p値 %1（χ² %2、自由度 %3）</source>
        <translation>Dice fairness: p = %1 (χ² %2, %3 d.f.)</translation>
    </message>
    <message>
        <source>サイコロの公平性&#x3000;集計中</source>
        <translation>Dice fairness: still counting</translation>
    </message>
</context>
<context>
    <name>oddsText</name>
    <message>
        <source>子の期待値：1ベットあたり %1%2&#x3000;親の有利：%3%</source>
        <translation>Player&apos;s expectation per bet: %1%2   Banker&apos;s edge: %3%</translation>
    </message>
    <message>
        <source>%1倍</source>
        <translation>%1×</translation>
    </message>
    <message>
        <source>%1倍負け</source>
        <translation>loses %1×</translation>
    </message>
</context>
<context>
    <name>rules</name>
    <message>
        <source>おまかせ</source>
        <translation>Random</translation>
    </message>
    <message>
        <source>堅実</source>
        <translation>Steady</translation>
    </message>
    <message>
        <source>計算</source>
        <translation>Calculating</translation>
    </message>
    <message>
        <source>強気</source>
        <translation>Bold</translation>
    </message>
    <message>
        <source>博徒</source>
        <translation>Gambler</translation>
    </message>
    <message>
        <source>基本の場</source>
        <translation>Plain table</translation>
    </message>
    <message>
        <source>三投まで、特別配当もスルーもない素の勝負。</source>
        <translation>Up to three throws, no special payouts, no passing: the plain game.</translation>
    </message>
    <message>
        <source>親の稼ぎ場</source>
        <translation>Banker&apos;s table</translation>
    </message>
    <message>
        <source>五投まで振れて親の役が揃いやすく、１のゾロ目は５倍勝ち。</source>
        <translation>Up to five throws help the banker to a hand; triple ones win five times.</translation>
    </message>
    <message>
        <source>子の稼ぎ場</source>
        <translation>Players&apos; table</translation>
    </message>
    <message>
        <source>１のゾロ目は３倍負け、親がヒフミを出せば親が流れる。</source>
        <translation>Triple ones lose three times; a banker&apos;s 1-2-3 passes the bank.</translation>
    </message>
    <message>
        <source>早回しの場</source>
        <translation>Fast table</translation>
    </message>
    <message>
        <source>一投勝負で親は毎回交代、親の悪い目でもすぐ流れる。</source>
        <translation>One throw, a new banker every turn, a bad throw passes the bank at once.</translation>
    </message>
    <message>
        <source>流しありの場</source>
        <translation>Passing table</translation>
    </message>
    <message>
        <source>親はいつでもスルーでき、場外は役なしとして振り直す。</source>
        <translation>The banker may pass at any time; out of the bowl is no hand, thrown again.</translation>
    </message>
    <message>
        <source>親に有利：親の有利 %1</source>
        <translation>Favours the banker: banker&apos;s edge %1</translation>
    </message>
    <message>
        <source>子に有利：子の期待値 %1</source>
        <translation>Favours the players: player&apos;s expectation %1</translation>
    </message>
    <message>
        <source>期待値 %1</source>
        <translation>expect %1</translation>
    </message>
    <message>
        <source>運まかせ</source>
        <translation>by luck</translation>
    </message>
    <message>
        <source>控えめ %1</source>
        <translation>modest %1</translation>
    </message>
    <message>
        <source>やや多め %1</source>
        <translation>a little more %1</translation>
    </message>
    <message>
        <source>最低額 %1</source>
        <translation>minimum %1</translation>
    </message>
    <message>
        <source>持ち点なし</source>
        <translation>no score</translation>
    </message>
    <message>
        <source>持ち点の%1%</source>
        <translation>%1% of score</translation>
    </message>
    <message>
        <source>大きく %1</source>
        <translation>large %1</translation>
    </message>
    <message>
        <source>前回勝ち</source>
        <translation>won last</translation>
    </message>
    <message>
        <source>上限 %1</source>
        <translation>maximum %1</translation>
    </message>
    <message>
        <source>初手</source>
        <translation>first bet</translation>
    </message>
    <message>
        <source>勝ち</source>
        <translation>won</translation>
    </message>
    <message>
        <source>振り出し %1</source>
        <translation>back to %1</translation>
    </message>
    <message>
        <source>分け</source>
        <translation>tie</translation>
    </message>
    <message>
        <source>据え置き %1</source>
        <translation>same %1</translation>
    </message>
    <message>
        <source>負け %1 の倍</source>
        <translation>lost %1, double</translation>
    </message>
    <message>
        <source>持ち点 %1</source>
        <translation>whole score %1</translation>
    </message>
    <message>
        <source>親の有利 %1</source>
        <translation>bank edge %1</translation>
    </message>
    <message>
        <source>ｽﾙｰ</source>
        <translation>pass</translation>
    </message>
    <message>
        <source>親を続ける</source>
        <translation>keep the bank</translation>
    </message>
    <message>
        <source>%1: %2 → %3</source>
        <translation>%1: %2 → %3</translation>
    </message>
</context>
</TS>
