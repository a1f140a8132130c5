#include "NetworkTableFixture.h"

#include "ui/net/FairnessWindow.h"
#include "ui/stats/frmHistory.h"

#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>

namespace {

using nettest::NetworkTable;

// The outsider's script on a saved game: its exit status and what it printed.
std::pair<int, QString> verify(const QString& csv)
{
    QProcess script;
    script.start(QStringLiteral("python3"), {QStringLiteral(QUBRIN_TOOLS "/verify_fairness.py"), csv});
    if (!script.waitForFinished(30000))
        return {-1, QStringLiteral("timed out")};
    return {script.exitCode(), QString::fromUtf8(script.readAllStandardOutput()).trimmed()};
}

TEST_F(NetworkTable, EveryWindowVerifiesEveryTurnAndTheSavedGameChecksOutsideTheProgramUnlessADieIsChanged)
{
    start(4);
    playWholeGame(5000);
    for (const auto& w : windows) {
        const auto* verdict = w->table->findChild<QLabel*>(QStringLiteral("fairLab"));
        ASSERT_NE(verdict, nullptr);
        EXPECT_EQ(verdict->text(), QStringLiteral("検証済み"));
    }

    // 公平性の検証 of a guest lists the four turns, each verified, and its check agrees.
    frmMain& guest = *windows[1]->table;
    guest.findChild<QAction*>(QStringLiteral("netFairness"))->trigger();
    auto* view = guest.findChild<FairnessWindow*>(QStringLiteral("frmFairness"));
    ASSERT_NE(view, nullptr);
    QTest::mouseClick(view->findChild<QPushButton*>(QStringLiteral("recheckButton")), Qt::LeftButton);
    const auto* list = view->findChild<QTableWidget*>(QStringLiteral("fairnessTable"));
    ASSERT_EQ(list->rowCount(), 4);
    for (int row = 0; row < 4; ++row)
        EXPECT_EQ(list->item(row, 1)->text(), QStringLiteral("検証済み")) << row;
    EXPECT_EQ(view->recheck(), 0);

    // Saved through the history window, as a player saves it.
    guest.turnHistory->trigger();
    const QString path = folder.filePath(QStringLiteral("game.csv"));
    platform.fileChoices.enqueue(path);
    QTest::mouseClick(guest.historyWindow->saveCommand, Qt::LeftButton);
    const auto [status, said] = verify(path);
    EXPECT_EQ(status, 0) << said.toStdString();
    EXPECT_EQ(said, QStringLiteral("OK: 4 turns verified"));

    // The same file with the banker's first die of turn 1 changed by hand.
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    QStringList lines = QString::fromUtf8(saved.readAll()).split(QStringLiteral("\r\n"));
    saved.close();
    const qsizetype banker = std::find_if(lines.cbegin() + 1, lines.cend(),
                                          [](const QString& l) { return l.startsWith(QStringLiteral("1,親,")); }) -
                             lines.cbegin();
    ASSERT_LT(banker, lines.size());
    QStringList fields = lines[banker].split(QLatin1Char(','));
    const QChar first = fields[3].front();
    fields[3][0] = first == QLatin1Char('6') || first == u'×' ? QLatin1Char('1') : QChar(first.unicode() + 1);
    lines[banker] = fields.join(QLatin1Char(','));
    const QString changed = folder.filePath(QStringLiteral("changed.csv"));
    QFile out(changed);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(lines.join(QStringLiteral("\r\n")).toUtf8());
    out.close();
    const auto [badStatus, badSaid] = verify(changed);
    EXPECT_EQ(badStatus, 1);
    EXPECT_TRUE(badSaid.startsWith(QStringLiteral("turn 1: die 1 "))) << badSaid.toStdString();
}

}  // namespace
