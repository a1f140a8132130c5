<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
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
    <name>HostRoomWindow</name>
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
        <source>ホスト:ポート、または招待の行 qubrin://… をそのまま貼り付けます。</source>
        <translation>host:port, or paste a whole invitation line qubrin://…</translation>
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
</context>
<context>
    <name>OptionWindow</name>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
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
        <source>ネット対戦(&amp;N)</source>
        <translation>&amp;Network</translation>
    </message>
</context>
<context>
    <name>frmOdds</name>
    <message>
        <source>確率と期待値</source>
        <translation>Odds and expectation</translation>
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
</TS>
