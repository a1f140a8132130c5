// Many rooms on one server, each with six clients over loopback playing turns as fast as the
// protocol allows. The server runs in a process of its own (forked before anything else starts,
// one thread: one core at most); every client runs in this process's one thread.
//   net_rooms [ROOMS [SECONDS [TURNS [PAUSE_MS]]]]
// defaults 1000 rooms, 20 s, 200 turns a room, no pause between a turn's end and the next opening
#include "NetBenchRoom.h"

#include "net/Server.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSocketNotifier>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int SetUpSeconds = 120;

rlim_t raiseOpenFiles()
{
    rlimit limit{};
    getrlimit(RLIMIT_NOFILE, &limit);
    limit.rlim_cur = limit.rlim_max;
    setrlimit(RLIMIT_NOFILE, &limit);
    getrlimit(RLIMIT_NOFILE, &limit);
    return limit.rlim_cur;
}

// VmRSS of a process in KiB.
long residentKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atol(line.c_str() + 6);
    }
    return -1;
}

// User and system CPU seconds of a process.
double cpuSeconds(pid_t pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    std::size_t at = text.rfind(')');
    // Fields after the name: state is the 3rd field, utime the 14th, stime the 15th.
    unsigned long fields[13] = {};
    char state = 0;
    std::sscanf(text.c_str() + at + 2, "%c %lu %lu %lu %lu %lu %lu %lu %lu %lu %lu %lu %lu", &state, &fields[0],
                &fields[1], &fields[2], &fields[3], &fields[4], &fields[5], &fields[6], &fields[7], &fields[8],
                &fields[9], &fields[10], &fields[11]);
    return static_cast<double>(fields[10] + fields[11]) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

double ownCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The server's process: listens on the loopback address, writes its port to `report` and ends
// when `control` closes (or this process's parent goes).
[[noreturn]] void serve(int rooms, int report, int control)
{
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    int argc = 1;
    char name[] = "net_rooms-server";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    net::Server::Options options;
    options.maxRooms = rooms;
    options.maxConnections = rooms * netbench::NetBenchRoom::Clients + 16;
    net::Server server(options);
    quint16 port = 0;
    if (server.listen(QHostAddress::LocalHost, 0))
        port = server.port();
    [[maybe_unused]] const ssize_t written = ::write(report, &port, sizeof port);
    QSocketNotifier ends(control, QSocketNotifier::Read);
    QObject::connect(&ends, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
    app.exec();
    std::_Exit(0);
}

float percentile(std::vector<float>& values, double share)
{
    if (values.empty())
        return 0.0F;
    const auto at = values.begin() + static_cast<std::ptrdiff_t>(share * static_cast<double>(values.size() - 1));
    std::nth_element(values.begin(), at, values.end());
    return *at;
}

}  // namespace

int main(int argc, char** argv)
{
    const int rooms = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;
    const int seconds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 20;
    const int turns = argc > 3 ? std::max(1, std::atoi(argv[3])) : 200;
    const int pauseMs = argc > 4 ? std::max(0, std::atoi(argv[4])) : 0;
    const rlim_t openFiles = raiseOpenFiles();
    // The event loop qubrin-server runs, for the server and the clients alike.
    qputenv("QT_NO_GLIB", "1");

    int report[2];
    int control[2];
    if (::pipe(report) != 0 || ::pipe(control) != 0)
        return 1;
    const pid_t server = fork();
    if (server == 0) {
        ::close(report[0]);
        ::close(control[1]);
        serve(rooms, report[1], control[0]);
    }
    ::close(report[1]);
    ::close(control[0]);
    quint16 port = 0;
    if (::read(report[0], &port, sizeof port) != sizeof port || port == 0) {
        std::fprintf(stderr, "net_rooms: the server did not start\n");
        return 1;
    }
    const long serverBeforeKiB = residentKiB(server);

    QCoreApplication app(argc, argv);
    const QUrl url(QStringLiteral("ws://127.0.0.1:%1").arg(port));
    netbench::Tally tally;
    std::vector<std::unique_ptr<netbench::NetBenchRoom>> table;
    table.reserve(static_cast<std::size_t>(rooms));
    int full = 0;
    // Rooms are opened a few at a time: every connection must join within the server's handshake time.
    constexpr int Opening = 32;
    const auto openNext = [&] {
        if (static_cast<int>(table.size()) < rooms)
            table.push_back(std::make_unique<netbench::NetBenchRoom>(url, turns, tally, [&] { ++full; }, pauseMs));
    };
    const long selfBeforeKiB = residentKiB(getpid());
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < Opening; ++i)
        openNext();
    while (full < rooms && clock.elapsed() < SetUpSeconds * 1000) {
        const int before = full;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        for (int i = before; i < full; ++i)
            openNext();
    }
    const double setUp = clock.elapsed() / 1000.0;
    if (full < rooms) {
        std::fprintf(stderr, "net_rooms: only %d of %d rooms filled in %d s\n", full, rooms, SetUpSeconds);
        return 1;
    }

    const double serverCpuBefore = cpuSeconds(server);
    const double selfCpuBefore = ownCpuSeconds();
    tally.playing = true;
    tally.latencyMs.reserve(static_cast<std::size_t>(rooms) * static_cast<std::size_t>(turns) * 18);
    clock.restart();
    for (auto& room : table)
        room->start();
    const long long allTurns = static_cast<long long>(rooms) * turns;
    while (tally.turns < allTurns && clock.elapsed() < seconds * 1000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    tally.playing = false;
    const double played = clock.elapsed() / 1000.0;
    const double serverCpu = cpuSeconds(server) - serverCpuBefore;
    const double selfCpu = ownCpuSeconds() - selfCpuBefore;
    const long serverAfterKiB = residentKiB(server);
    const long selfAfterKiB = residentKiB(getpid());
    for (auto& room : table)
        room->stop();

    std::printf("open files allowed      %llu\n", static_cast<unsigned long long>(openFiles));
    std::printf("rooms                   %d (pause between turns %d ms)\n", rooms, pauseMs);
    std::printf("connections             %d (set up in %.1f s)\n", rooms * netbench::NetBenchRoom::Clients, setUp);
    std::printf("played                  %.1f s, %lld turns (%.0f turns/s)\n", played, tally.turns,
                tally.turns / played);
    std::printf("messages per second     %.0f to the server, %.0f from it\n", tally.sent / played,
                tally.received / played);
    const std::size_t samples = tally.latencyMs.size();
    const float median = percentile(tally.latencyMs, 0.5);
    const float p99 = percentile(tally.latencyMs, 0.99);
    std::printf("command to every client median %.2f ms, 99th percentile %.2f ms (%zu arrivals)\n", median, p99,
                samples);
    std::printf("server CPU              %.1f s of %.1f s (%.0f %% of one core)\n", serverCpu, played,
                100.0 * serverCpu / played);
    std::printf("server CPU per turn     %.2f ms (six clients' messages included)\n",
                tally.turns > 0 ? 1000.0 * serverCpu / static_cast<double>(tally.turns) : 0.0);
    std::printf("clients CPU             %.1f s (%.0f %% of one core)\n", selfCpu, 100.0 * selfCpu / played);
    std::printf("server memory per room  %.1f KiB (RSS %ld -> %ld KiB)\n",
                static_cast<double>(serverAfterKiB - serverBeforeKiB) / rooms, serverBeforeKiB, serverAfterKiB);
    std::printf("client memory per room  %.1f KiB (six clients)\n",
                static_cast<double>(selfAfterKiB - selfBeforeKiB) / rooms);
    std::printf("refusals %lld, closings %lld\n", tally.refusals, tally.closings);
    std::fflush(stdout);

    table.clear();
    ::close(control[1]);
    int status = 0;
    waitpid(server, &status, 0);
    return 0;
}
