// Plays one seat's run of throw sounds through the real platform at the game's pace, so that a
// recording of the sound server can tell how many were heard (tools/check-throw-sounds.sh).
// Usage: throw_sounds [speed level, default 7] [throws, default 12]
#include "platform/QtPlatform.h"
#include "settings/AppFolder.h"
#include "ui/options/ThrowSound.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {

// The pauses between two throws of one seat, in the order the throw sequence takes them:
// the dice animation, the hand shown, then the next throw's draw up to its sound.
void waitForTheNextThrow(Platform& platform, int level)
{
    for (int frame = 0; frame < 5; ++frame) {
        platform.wait(30);
        platform.wait(30);
    }
    platform.wait(level * 40);
    platform.wait(100);
    platform.wait(level * 80);
    platform.wait(level * 20);
    platform.wait(10);
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int level = argc > 1 ? std::atoi(argv[1]) : 7;
    const int throws = argc > 2 ? std::atoi(argv[2]) : 12;
    const QString sound = throwSound(static_cast<qint16>(level));

    QtPlatform platform;
    // Like a click on the throw command: the whole run happens inside one event handler, and its
    // pauses are event loops nested in the application's.
    QTimer::singleShot(0, &app, [&] {
        // Lets the sound server see the client before the first throw, as the table's start-up does.
        platform.wait(500);
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < throws; ++i) {
            std::printf("%8.3f s  %s\n", clock.nsecsElapsed() / 1e9, qPrintable(sound));
            std::fflush(stdout);
            platform.playSound(AppFolder() + sound);
            waitForTheNextThrow(platform, level);
        }
        app.quit();
    });
    return app.exec();
}
