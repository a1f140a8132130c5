#include "NetworkTableFixture.h"

#include "app/GameLanguage.h"
#include "support/TextFit.h"

#include "game/HandOdds.h"
#include "ui/widgets/ControlNames.h"

#include <QDir>
#include <QSettings>

namespace {

using nettest::NetworkTable;
using nettest::waitUntil;

const QString LostQuestion = RoomTable::tr("接続") + QLatin1Char('\n') + RoomTable::tr("部屋との接続が切れました。もう一度つなぎますか？");

QString roomStrip(const frmMain& t) { return t.findChild<QLabel*>(QStringLiteral("roomLab"))->text(); }

class NetworkTableRejoin : public NetworkTable {
protected:
    // The relayed guest's connection is cut; it asks, takes its seat back and has the room's state.
    void cutAndRejoin(net::Phase phase)
    {
        const qsizetype asked = platform.questions.count(LostQuestion);
        relay->cut();
        ASSERT_TRUE(waitUntil([&] { return platform.questions.count(LostQuestion) == asked + 1; }));
        ASSERT_TRUE(waitUntil([&] {
            return windows[2]->room() && windows[2]->room()->isConnected() && allIn(phase) &&
                   server->room(windows[0]->client->code())->seats().isHeld(3);
        }));
        QTest::qWait(50);  // the state that follows the welcome
        ASSERT_TRUE(allIn(phase));
        EXPECT_EQ(windows[2]->table->Turn->text(), RoomTable::tr("部屋に戻りました"));
    }

    // Every player whose bar is open bets and says ready (a seat played while away is ready already).
    void betAndReadyWherever(int turn)
    {
        for (const auto& w : windows) {
            frmMain& t = *w->table;
            const int seat = w->room()->seat();
            if (!t.HScr[seat]->isEnabled())
                continue;
            t.HScr[seat]->setValue(10 + 7 * turn + seat);
            QTest::mouseClick(t.findChild<CommandLabel*>(QStringLiteral("ready_Label")), Qt::LeftButton);
        }
        ASSERT_TRUE(waitUntil([&] { return allIn(net::Phase::BetsClosed); }));
    }
};

TEST_F(NetworkTableRejoin, AGuestCutDuringTheBetsAndAfterAThrowTakesItsSeatBackAndEndsWithTheSameHistory)
{
    start(4, 1);
    platform.answers << true << true;
    windows[0]->table->Gamein->trigger();
    ASSERT_TRUE(waitUntil([&] { return allIn(net::Phase::TurnOpen); }));
    for (int turn = 1; turn <= 40 && !allIn(net::Phase::GameOver); ++turn) {
        ASSERT_NO_FATAL_FAILURE(click(&frmMain::bent_Label, net::Phase::BetsOpen, 5000));
        if (turn == 1) {
            ASSERT_NO_FATAL_FAILURE(cutAndRejoin(net::Phase::BetsOpen));
        }
        ASSERT_NO_FATAL_FAILURE(betAndReadyWherever(turn));
        ASSERT_NO_FATAL_FAILURE(click(&frmMain::turn_Label, net::Phase::TurnSettled, 5000));
        if (turn == 2) {
            ASSERT_NO_FATAL_FAILURE(cutAndRejoin(net::Phase::TurnSettled));
        }
        frmMain* next = commander(&frmMain::turn2_Label);
        ASSERT_NE(next, nullptr);
        QTest::mouseClick(next->turn2_Label, Qt::LeftButton);
        ASSERT_TRUE(waitUntil([&] { return allIn(net::Phase::TurnOpen) || allIn(net::Phase::GameOver); }));
    }
    ASSERT_TRUE(allIn(net::Phase::GameOver));
    EXPECT_EQ(platform.questions.count(LostQuestion), 2);
    EXPECT_FALSE(platform.warnings.contains(RoomTexts::closing(net::CloseReason::ConnectionLost)));
    EXPECT_EQ(windows[2]->client->seat(), 3);
    expectSameHistories();
}

TEST_F(NetworkTableRejoin, ARejoinThatFindsNoServerSaysSoAndTheWindowShowsItsOwnTable)
{
    start(5, 1);
    windows[0]->table->Gamein->trigger();
    ASSERT_TRUE(waitUntil([&] { return allIn(net::Phase::TurnOpen); }));
    platform.answers << true;
    frmMain& guest = *windows[2]->table;
    QString whileRejoining;
    // Once the window has asked and tries again, the relay is gone: the new connection is refused.
    QObject::connect(windows[2]->client.get(), &net::Client::roomClosed, [&] {
        if (relay) {
            whileRejoining = roomStrip(guest);
            EXPECT_FALSE(guest.bent_Label->isEnabled());
            relay.reset();
        }
    });
    nettest::TcpRelay* cut = relay.get();
    cut->cut();
    ASSERT_TRUE(waitUntil([&] { return windows[2]->room() == nullptr; }));
    EXPECT_TRUE(whileRejoining.endsWith(RoomTable::tr("つなぎ直しています…"))) << whileRejoining.toStdString();
    EXPECT_EQ(platform.warnings.count(RoomTexts::closing(net::CloseReason::ConnectionLost)), 1);
    EXPECT_EQ(guest.flow.seats(), 3);
    EXPECT_TRUE(guest.Gamein->isEnabled());
}

// Options 4, 5 and 12 give the banker a small loss, so that 計算 passes where ｽﾙｰ is allowed.
SettingsRecord playersEdgeRules()
{
    SettingsRecord rules = nettest::fourSeatRules(5);
    rules.P_CHECK4 = rules.P_CHECK5 = rules.P_CHECK12 = 1;
    return rules;
}

TEST_F(NetworkTableRejoin, AGuestWhoDoesNotTryAgainShowsItsOwnEmptyTable)
{
    start(5);
    windows[0]->table->Gamein->trigger();
    ASSERT_TRUE(waitUntil([&] { return allIn(net::Phase::TurnOpen); }));
    windows[2]->client->disconnectFromRoom();  // answered No
    ASSERT_TRUE(waitUntil([&] { return windows[2]->room() == nullptr; }));
    EXPECT_EQ(platform.questions.count(LostQuestion), 1);
    EXPECT_FALSE(platform.warnings.contains(RoomTexts::closing(net::CloseReason::ConnectionLost)));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const frmMain& away = *windows[2]->table;
    EXPECT_EQ(away.flow.seats(), 3);
    EXPECT_TRUE(away.Gamein->isEnabled());
    EXPECT_EQ(away.findChild<QLabel*>(QStringLiteral("roomLab")), nullptr);
}

TEST_F(NetworkTableRejoin, AnAbsentBankersFallbackPassesAtTheHostsBentAndEveryWindowShowsItsReason)
{
    const SettingsRecord rules = playersEdgeRules();
    start(5, 0, rules, rules::Character::Calculating);
    windows[0]->table->Gamein->trigger();
    ASSERT_TRUE(waitUntil([&] { return allIn(net::Phase::TurnOpen); }));
    ASSERT_EQ(windows[0]->table->state.OyaSeat, 2);  // the first guest holds the first bank
    // and goes away with its window (which would put this process's settings back to its own file).
    windows.erase(windows.begin() + 1);
    net::Room& room = *server->room(windows[0]->client->code());
    ASSERT_TRUE(waitUntil([&] { return room.seats().isDropped(2); }));
    const rules::PassDecision expected =
        rules::decidePass(rules::Character::Calculating, -rules::turnOdds(rules).playerExpectation);
    ASSERT_TRUE(expected.pass);
    // The host gives the banker's commands now; its ベント lets the absent banker's character pass.
    ASSERT_TRUE(waitUntil([&] { return windows[0]->table->bent_Label->isEnabled(); }));
    QTest::mouseClick(windows[0]->table->bent_Label, Qt::LeftButton);
    ASSERT_TRUE(waitUntil([&] { return room.flow().state().OyaSeat == 3; }));
    for (const auto& w : windows) {
        frmMain& t = *w->table;
        ASSERT_TRUE(waitUntil([&] { return t.state.OyaSeat == 3 && t.room()->isIdle(); }));
        EXPECT_EQ(t.P_reason[2]->text(), rules::reasonText(expected.reason).replace(QStringLiteral(" → "), QStringLiteral("\n→ ")));
        EXPECT_FALSE(t.P_reason[2]->isHidden());
        EXPECT_EQ(t.room()->phase(), net::Phase::TurnOpen);
        EXPECT_EQ(t.room()->mismatches(), 0) << t.Turn->text().toStdString();
        EXPECT_EQ(net::stateDigest(t.flow), net::stateDigest(room.flow()));
    }
}

TEST_F(NetworkTableRejoin, AWindowWhoseScoresDriftedTakesTheRoomsStateAtTheNextDigestAndSaysSo)
{
    start(5);
    windows[0]->table->Gamein->trigger();
    ASSERT_TRUE(waitUntil([&] { return allIn(net::Phase::TurnOpen); }));
    ASSERT_NO_FATAL_FAILURE(click(&frmMain::bent_Label, net::Phase::BetsOpen, 5000));
    ASSERT_NO_FATAL_FAILURE(betAndReady(1, 5000));
    ASSERT_NO_FATAL_FAILURE(click(&frmMain::turn_Label, net::Phase::TurnSettled, 5000));

    frmMain& drifted = *windows[1]->table;
    TableState behindItsBack = drifted.flow.state();
    behindItsBack.P_score[3] = behindItsBack.P_score[3].value_or(0) + 100;
    drifted.flow.resume(drifted.flow.turn(), behindItsBack);
    frmMain* next = commander(&frmMain::turn2_Label);
    ASSERT_NE(next, nullptr);
    QTest::mouseClick(next->turn2_Label, Qt::LeftButton);
    ASSERT_TRUE(waitUntil([&] {
        return allIn(net::Phase::TurnOpen) && drifted.Turn->text() == RoomTable::tr("部屋の状態に合わせ直しました");
    }));
    EXPECT_EQ(windows[1]->room()->mismatches(), 1);
    const net::Room& room = *server->room(windows[0]->client->code());
    for (const auto& w : windows) {
        EXPECT_EQ(net::stateDigest(w->table->flow), net::stateDigest(room.flow()));
        EXPECT_EQ(shown(*w->table), shown(*windows[0]->table));
    }
    // And it plays on with the others.
    ASSERT_NO_FATAL_FAILURE(click(&frmMain::bent_Label, net::Phase::BetsOpen, 5000));
    ASSERT_NO_FATAL_FAILURE(betAndReady(2, 5000));
    ASSERT_NO_FATAL_FAILURE(click(&frmMain::turn_Label, net::Phase::TurnSettled, 5000));
    for (const auto& w : windows)
        EXPECT_EQ(shown(*w->table), shown(*windows[0]->table));
    EXPECT_EQ(windows[1]->room()->mismatches(), 1);
}

}  // namespace

namespace {

QString seatMark(const frmMain& t, int seat)
{
    return t.findChild<QLabel*>(elementName("net_Lab", seat))->text();
}

// Every window in English while `look` runs, then in Japanese again with no choice kept.
void inEnglish(const std::function<void()>& look)
{
    ASSERT_TRUE(useLanguage(Language::English));
    // Each window hears of it through its own posted event; the bet timer's next tick follows.
    QTest::qWait(250);
    look();
    useLanguage(Language::Japanese);
    QCoreApplication::processEvents();
    QSettings(QStringLiteral("qubrin"), QStringLiteral("qubrin")).remove(QStringLiteral("ui/language"));
}

void saveShot(QWidget& window, const char* name)
{
    if (QDir(QStringLiteral("/work/shots")).exists())
        window.grab().save(QStringLiteral("/work/shots/%1.png").arg(QLatin1String(name)));
}

TEST_F(NetworkTableRejoin, AWindowStartedAfreshTakesAKeptSeatBackWithTheWholeGameWhileASpectatorWatches)
{
    // Every window of this one process shares the settings a table loads from dice.ini (the guest's
    // back at its own table, the new windows): with as many seats as the room, the host's four stay.
    writeProfileSection(folder.filePath(QStringLiteral("dice.ini")), {{"NINZU", "4"}});
    start(4, 1);
    windows[0]->table->Gamein->trigger();
    ASSERT_TRUE(waitUntil([&] { return allIn(net::Phase::TurnOpen); }));
    ASSERT_NO_FATAL_FAILURE(click(&frmMain::bent_Label, net::Phase::BetsOpen, 5000));
    const QString token = windows[2]->client->token();
    platform.answers << false;  // the guest's window does not try again: the game is started anew
    relay->cut();
    frmMain& host = *windows[0]->table;
    const net::Room& room = *server->room(windows[0]->client->code());
    ASSERT_TRUE(waitUntil([&] { return !room.seats().isHeld(3) && room.seats().infos()[3].keptMs > 0; }));
    ASSERT_TRUE(waitUntil([&] { return seatMark(host, 3).startsWith(QString::fromUtf8("× コンピュータが代打ち中")); })) << seatMark(host, 3).toStdString();
    saveShot(host, "rejoin-dropped-ja");
    // The marks follow a change of language at once, the kept seat's time with them.
    folder.copyBuilt({QStringLiteral("qubrin_en.qm")});
    inEnglish([&] {
        EXPECT_TRUE(seatMark(host, 3).startsWith(QStringLiteral("× Computer plays it, "))) << seatMark(host, 3).toStdString();
        saveShot(host, "rejoin-dropped-en");
    });
    EXPECT_TRUE(seatMark(host, 3).startsWith(QString::fromUtf8("× コンピュータが代打ち中")));

    // The seat's player comes back in a new window with the token alone; a spectator comes too.
    Window& back = enter(server->port());
    back.client->join({windows[0]->client->code(), QString::fromUtf8("ゲン"), -1, {}, token});
    Window& watcher = enter(server->port());
    net::JoinMessage watch{windows[0]->client->code(), QStringLiteral("watcher")};
    watch.spectate = true;
    watcher.client->join(watch);
    ASSERT_TRUE(waitUntil([&] { return back.room() && watcher.room() && back.room()->isIdle() && watcher.room()->isIdle(); }));
    EXPECT_EQ(back.client->seat(), 3);
    ASSERT_TRUE(waitUntil([&] { return room.seats().isHeld(3); }));
    EXPECT_TRUE(waitUntil([&] { return seatMark(host, 3).startsWith(RoomTable::tr("● ネット")); })) << seatMark(host, 3).toStdString();
    EXPECT_TRUE(host.findChild<QLabel*>(QStringLiteral("roomLab"))->text().endsWith(RoomTable::tr("　観戦 %1").arg(1)));
    saveShot(host, "rejoin-back-ja");
    // With its watchers counted, the room's line still fits beside the bet timer in either language.
    EXPECT_EQ(textsThatDoNotFit(&host).join(u'|').toStdString(), "");
    inEnglish([&] {
        EXPECT_EQ(textsThatDoNotFit(&host).join(u'|').toStdString(), "");
        saveShot(host, "rejoin-back-en");
    });
    // The returning window has the game so far in its history, as the host has it.
    EXPECT_EQ(historyTable::csv(*back.table->history).toUtf8(), historyTable::csv(*host.history).toUtf8());
    EXPECT_EQ(net::stateDigest(back.table->flow), net::stateDigest(host.flow));
    EXPECT_EQ(back.room()->phase(), windows[0]->room()->phase());
    // The spectator's table shows the game and opens none of its commands.
    frmMain& seen = *watcher.table;
    EXPECT_TRUE(watcher.room()->isSpectator());
    EXPECT_EQ(net::stateDigest(seen.flow), net::stateDigest(host.flow));
    for (QWidget* control : std::initializer_list<QWidget*>{seen.bent_Label, seen.turn_Label, seen.turn2_Label, seen.suru_Label,
                                                           seen.findChild<CommandLabel*>(QStringLiteral("ready_Label"))})
        EXPECT_FALSE(control->isEnabled()) << control->objectName().toStdString();
    for (int seat = 0; seat < 6; ++seat)
        EXPECT_FALSE(seen.HScr[seat]->isEnabled()) << seat;
    EXPECT_FALSE(seen.Gamein->isEnabled());
    EXPECT_FALSE(seen.Gameout->isEnabled());
}

}  // namespace
