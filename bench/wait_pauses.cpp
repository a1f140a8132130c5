// Measures the pause of the throw sequence on the real platform: how much longer than asked each
// pause lasts, and how much of one core a whole animated throw sequence at the default speed uses.
#include "app/frmMain.h"
#include "platform/Platform.h"
#include "state/Program.h"
#include "ui/widgets/CommandLabel.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>

namespace {

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec
           + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void measurePauses()
{
    std::printf("%-8s %8s %14s %14s %14s\n", "pause", "samples", "min over (ms)", "mean over (ms)",
                "max over (ms)");
    for (const int ms : {0, 10, 30, 100, 140, 280, 350, 560}) {
        const int samples = ms < 100 ? 100 : 20;
        double least = 1e9, most = 0, sum = 0;
        for (int i = 0; i < samples; ++i) {
            QElapsedTimer timer;
            timer.start();
            platform().wait(ms);
            const double over = timer.nsecsElapsed() / 1e6 - ms;
            least = std::min(least, over);
            most = std::max(most, over);
            sum += over;
        }
        std::printf("%-8d %8d %14.2f %14.2f %14.2f\n", ms, samples, least, sum / samples, most);
    }
}

void measureThrowSequences(int turns)
{
    frmMain table;
    table.show();
    table.Gamein->trigger();
    double wall = 0, cpu = 0;
    for (int turn = 0; turn < turns && table.bent_Label->isEnabled(); ++turn) {
        table.bent_Label->click();
        QElapsedTimer timer;
        timer.start();
        const double cpuBefore = cpuSeconds();
        table.turn_Label->click();
        cpu += cpuSeconds() - cpuBefore;
        wall += timer.nsecsElapsed() / 1e9;
        table.turn2_Label->click();
    }
    std::printf("\nthrow sequences at speed level %d: %d turns, %.1f s of play, %.3f s of CPU = %.2f%% of one core\n",
                program::SpeedLevel, turns, wall, cpu, 100.0 * cpu / wall);
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    measurePauses();
    measureThrowSequences(argc > 1 ? std::atoi(argv[1]) : 5);
    return 0;
}
