// Times a turn of a long game with the history window open beside it: the engine's turn, the
// history following it (rows and score chart) and the window's events, at the start of the game
// and after thousands of turns. A turn should cost the same late in the game as early.
#include "BenchTable.h"
#include "game/GameHistory.h"
#include "game/HistoryRecorder.h"
#include "game/TableFlow.h"
#include "ui/stats/frmHistory.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int lateTurn = argc > 1 ? std::max(100, std::atoi(argv[1])) : 4000;
    constexpr int Sample = 20;  // turns timed at each point

    SettingsRecord settings = sixComputerSeats();
    for (int seat = 0; seat < 6; ++seat)
        settings.name(seat) = QStringLiteral("席%1").arg(seat + 1);
    rules::TallyTable tally{};
    rules::TallySums sums{};
    TableFlow flow(settings, tally, sums);
    GameHistory history;
    HistoryRecorder recorder(history, settings);
    flow.addListener(&recorder);
    FastRandom random;
    const auto draw = [&random] { return random.next(); };

    QWidget table;
    table.resize(800, 600);
    table.show();
    auto* window = new frmHistory(&table, &history);
    window->show();
    flow.newGame(59);
    QCoreApplication::processEvents();

    // The time of each turn: its throws and settlement, the next turn opened, the window's events.
    std::vector<double> early, late;
    for (int turn = 1; turn < lateTurn + Sample; ++turn) {
        QElapsedTimer timer;
        timer.start();
        flow.playTurn(draw);
        flow.endTurn();
        QCoreApplication::processEvents();
        const double ms = timer.nsecsElapsed() / 1e6;
        if (turn <= Sample)
            early.push_back(ms);
        else if (turn >= lateTurn)
            late.push_back(ms);
    }
    std::printf("chart %s, 6 seats: a turn with the history open, median of %d turns\n",
                window->scoreChart != nullptr ? "shown" : "missing", Sample);
    std::printf("  turns 1 to %d:       %7.2f ms\n", Sample, median(early));
    std::printf("  turns %d to %d: %7.2f ms\n", lateTurn, lateTurn + Sample - 1, median(late));
    return 0;
}
