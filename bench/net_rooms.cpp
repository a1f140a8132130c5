// Many rooms on one server, each with six clients over loopback playing turns as fast as the
// protocol allows. The server runs in a process of its own (one thread: one core at most); the
// clients run in BOTS processes of their own, each with its share of the rooms, and the rooms start
// their games spread over RAMP ms so that the first turns are not one burst.
//   net_rooms [ROOMS [SECONDS [TURNS [PAUSE_MS]]]] [--loop=epoll|poll] [--bots=N] [--ramp=MS] [--tls]
// defaults 1000 rooms, 20 s, 200 turns a room, no pause between a turn's end and the next opening,
// the epoll loop of qubrin-server (poll: Qt's Unix loop), 2 bot processes, a ramp of 1000 ms;
// --tls: wss:// with a self-signed certificate made by openssl for the run, which the bots trust
#include "NetBenchResult.h"
#include "NetBenchRoom.h"

#include "game/DiceFaces.h"
#include "net/EpollEventDispatcher.h"
#include "net/Server.h"
#include "net/ServerCertificate.h"
#include "net/TurnProof.h"

#include <QRandomGenerator>

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSocketNotifier>
#include <QSslCertificate>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int SetUpSeconds = 120;

// The hashing of commit-reveal for a turn of six seats (two computer bet draws, six throws of
// three dice): what the room draws, and one client's check of it; microseconds each.
std::pair<double, double> fairMicrosecondsPerTurn(int turns)
{
    const QStringList contributions{QString(), QStringLiteral("ab").repeated(16), QString(),
                                    QStringLiteral("cd").repeated(16), QStringLiteral("ef").repeated(16), QString()};
    QElapsedTimer clock;
    clock.start();
    std::vector<net::TurnProof> proofs;
    for (int turn = 1; turn <= turns; ++turn) {
        net::FairDice dice(net::FairDice::newSeed([] { return QRandomGenerator::system()->generate(); }), turn);
        net::TurnProof proof{turn, net::FairDice::commitment(dice.seed()), {}, contributions,
                             QString::fromLatin1(dice.seed().toHex()), {}, -1, {}};
        for (int i = 0; i < 2; ++i)
            proof.betDraws.append(dice.nextBetDraw() >> 8);
        dice.setContributions(contributions);
        for (int t = 0; t < 6; ++t) {
            std::array<qint16, 3> faces{};
            for (qint16& face : faces)
                face = rules::throwFace(net::unitOfDraw(dice.nextThrowDraw() >> 8));
            proof.faces.append(faces);
        }
        proofs.push_back(std::move(proof));
    }
    const double room = static_cast<double>(clock.nsecsElapsed()) / 1000.0 / turns;
    clock.restart();
    int verified = 0;
    for (const net::TurnProof& proof : proofs)
        verified += proof.check().verdict == net::TurnProof::Verdict::Verified ? 1 : 0;
    const double client = static_cast<double>(clock.nsecsElapsed()) / 1000.0 / turns;
    if (verified != turns)
        std::fprintf(stderr, "net_rooms: %d of %d turns did not verify\n", turns - verified, turns);
    return {room, client};
}

struct Options {
    int rooms = 1000;
    int seconds = 20;
    int turns = 200;
    int pauseMs = 0;
    bool epoll = true;
    int bots = 2;
    int rampMs = 1000;
    // The certificate and key of a TLS run; empty: plain ws://.
    std::string certificate;
    std::string key;
};

Options parse(int argc, char** argv)
{
    Options o;
    int* positional[] = {&o.rooms, &o.seconds, &o.turns, &o.pauseMs};
    std::size_t given = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("--loop=", 0) == 0)
            o.epoll = arg != "--loop=poll";
        else if (arg.rfind("--bots=", 0) == 0)
            o.bots = std::max(1, std::atoi(arg.c_str() + 7));
        else if (arg.rfind("--ramp=", 0) == 0)
            o.rampMs = std::max(0, std::atoi(arg.c_str() + 7));
        else if (arg == "--tls")
            o.certificate = "tls";
        else if (given < std::size(positional))
            *positional[given++] = std::atoi(arg.c_str());
    }
    o.rooms = std::max(1, o.rooms);
    o.seconds = std::max(1, o.seconds);
    o.turns = std::max(1, o.turns);
    o.pauseMs = std::max(0, o.pauseMs);
    o.bots = std::min(o.bots, o.rooms);
    return o;
}

// The event loop of a process of the benchmark, before its QCoreApplication.
void installLoop(bool epoll)
{
    if (epoll)
        QCoreApplication::setEventDispatcher(new net::EpollEventDispatcher);
    else
        qputenv("QT_NO_GLIB", "1");
}

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
[[noreturn]] void serve(const Options& o, int report, int control)
{
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    installLoop(o.epoll);
    const int rooms = o.rooms;
    int argc = 1;
    char name[] = "net_rooms-server";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    net::Server::Options options;
    options.maxRooms = rooms;
    options.maxConnections = rooms * netbench::NetBenchRoom::Clients + 16;
    // Every bot comes from the loopback address.
    options.maxPerAddress = options.maxConnections;
    if (!o.certificate.empty()) {
        auto loaded = net::ServerCertificate::load(QString::fromStdString(o.certificate), QString::fromStdString(o.key));
        if (const QSslConfiguration* tls = std::get_if<QSslConfiguration>(&loaded))
            options.tls = *tls;
    }
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

// Handles the events there are, else sleeps until the next one; a ticker wakes it at least every
// 50 ms. (QCoreApplication::processEvents with a time limit never sleeps: the bots would spin.)
void handleEvents()
{
    static QTimer ticker;
    if (!ticker.isActive())
        ticker.start(50);
    QAbstractEventDispatcher::instance()->processEvents(QEventLoop::WaitForMoreEvents);
}

// Runs the event loop until `done` or the time is over.
template <typename Done>
void runUntil(Done done, qint64 ms)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms)
        handleEvents();
}

// A process of bots with `rooms` rooms: fills them, says so on `results`, plays from the byte on
// `go` for the given time, sends its share on `results` and stays connected until `go` closes, so
// that the closing of its connections is no part of the server's figures.
[[noreturn]] void playShare(const Options& o, int rooms, quint16 port, int results, int go)
{
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    installLoop(o.epoll);
    int argc = 1;
    char name[] = "net_rooms-bots";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    bool started = false;
    bool released = false;
    QSocketNotifier parent(go, QSocketNotifier::Read);
    QObject::connect(&parent, &QSocketNotifier::activated, [&] {
        char byte = 0;
        if (!started && ::read(go, &byte, 1) == 1) {
            started = true;
        } else {
            released = true;
            parent.setEnabled(false);
        }
    });

    const bool secure = !o.certificate.empty();
    if (secure) {
        // The run's own certificate is the one issuer the bots trust.
        QSslConfiguration trusting = QSslConfiguration::defaultConfiguration();
        trusting.setCaCertificates(QSslCertificate::fromPath(QString::fromStdString(o.certificate)));
        QSslConfiguration::setDefaultConfiguration(trusting);
    }
    const QUrl url(QStringLiteral("%1://127.0.0.1:%2/").arg(secure ? QStringLiteral("wss") : QStringLiteral("ws")).arg(port));
    netbench::Tally tally;
    std::vector<std::unique_ptr<netbench::NetBenchRoom>> table;
    table.reserve(static_cast<std::size_t>(rooms));
    int full = 0;
    // Rooms are opened a few at a time: every connection must join within the server's handshake time.
    const int opening = std::max(1, 32 / o.bots);
    const auto openNext = [&] {
        if (static_cast<int>(table.size()) < rooms)
            table.push_back(std::make_unique<netbench::NetBenchRoom>(url, o.turns, tally, [&] { ++full; }, o.pauseMs));
    };
    const long beforeKiB = residentKiB(getpid());
    for (int i = 0; i < opening; ++i)
        openNext();
    QElapsedTimer setUp;
    setUp.start();
    while (full < rooms && setUp.elapsed() < SetUpSeconds * 1000) {
        const int before = full;
        handleEvents();
        for (int i = before; i < full; ++i)
            openNext();
    }
    const char ready = full == rooms ? 'R' : 'F';
    netbench::writeAll(results, &ready, 1);
    runUntil([&] { return started || released; }, SetUpSeconds * 1000);
    if (!started)
        std::_Exit(1);

    const double cpuBefore = ownCpuSeconds();
    tally.playing = true;
    tally.latencyMs.reserve(static_cast<std::size_t>(rooms) * static_cast<std::size_t>(o.turns) * 18);
    for (int i = 0; i < rooms; ++i) {
        netbench::NetBenchRoom* room = table[static_cast<std::size_t>(i)].get();
        QTimer::singleShot(static_cast<int>(static_cast<long long>(i) * o.rampMs / rooms), &app,
                           [room] { room->start(); });
    }
    const long long allTurns = static_cast<long long>(rooms) * o.turns;
    runUntil([&] { return tally.turns >= allTurns; }, o.seconds * 1000LL);
    tally.playing = false;
    netbench::ShareCounts counts;
    counts.cpuSeconds = ownCpuSeconds() - cpuBefore;
    counts.memoryKiB = residentKiB(getpid()) - beforeKiB;
    counts.sent = tally.sent;
    counts.received = tally.received;
    counts.turns = tally.turns;
    counts.refusals = tally.refusals;
    counts.closings = tally.closings;
    for (auto& room : table)
        room->stop();
    netbench::writeShare(results, counts, tally.latencyMs);
    runUntil([&] { return released; }, SetUpSeconds * 1000);
    std::_Exit(0);
}

struct BotProcess {
    pid_t pid;
    int results;
    int go;
};

// A self-signed certificate for 127.0.0.1 in `folder`; false when openssl could not make it.
bool makeCertificate(Options& o, const QTemporaryDir& folder)
{
    o.certificate = folder.filePath(QStringLiteral("cert.pem")).toStdString();
    o.key = folder.filePath(QStringLiteral("key.pem")).toStdString();
    const std::string command = "openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -days 1 "
                                "-subj /CN=net_rooms -addext subjectAltName=IP:127.0.0.1 -keyout '" +
                                o.key + "' -out '" + o.certificate + "' 2>/dev/null";
    return std::system(command.c_str()) == 0;
}

}  // namespace

int main(int argc, char** argv)
{
    Options o = parse(argc, argv);
    const rlim_t openFiles = raiseOpenFiles();
    const QTemporaryDir folder;
    if (!o.certificate.empty() && !makeCertificate(o, folder)) {
        std::fprintf(stderr, "net_rooms: openssl could not make a certificate for --tls\n");
        return 1;
    }

    int report[2];
    int control[2];
    if (::pipe(report) != 0 || ::pipe(control) != 0)
        return 1;
    const pid_t server = fork();
    if (server == 0) {
        ::close(report[0]);
        ::close(control[1]);
        serve(o, report[1], control[0]);
    }
    ::close(report[1]);
    ::close(control[0]);
    quint16 port = 0;
    if (::read(report[0], &port, sizeof port) != sizeof port || port == 0) {
        std::fprintf(stderr, "net_rooms: the server did not start\n");
        return 1;
    }
    const long serverBeforeKiB = residentKiB(server);
    const double serverCpuAtStart = cpuSeconds(server);

    QElapsedTimer clock;
    clock.start();
    std::vector<BotProcess> bots;
    for (int b = 0; b < o.bots; ++b) {
        const int share = o.rooms / o.bots + (b < o.rooms % o.bots ? 1 : 0);
        int results[2];
        int go[2];
        if (::pipe(results) != 0 || ::pipe(go) != 0)
            return 1;
        const pid_t pid = fork();
        if (pid == 0) {
            ::close(results[0]);
            ::close(go[1]);
            ::close(control[1]);
            for (const BotProcess& other : bots) {
                ::close(other.results);
                ::close(other.go);
            }
            playShare(o, share, port, results[1], go[0]);
        }
        ::close(results[1]);
        ::close(go[0]);
        bots.push_back({pid, results[0], go[1]});
    }
    bool allFull = true;
    for (const BotProcess& bot : bots) {
        char ready = 0;
        allFull = netbench::readAll(bot.results, &ready, 1) && ready == 'R' && allFull;
    }
    const double setUp = clock.elapsed() / 1000.0;
    if (!allFull) {
        std::fprintf(stderr, "net_rooms: not every room filled in %d s\n", SetUpSeconds);
        return 1;
    }

    const double serverCpuBefore = cpuSeconds(server);
    const double setUpCpu = serverCpuBefore - serverCpuAtStart;
    clock.restart();
    for (const BotProcess& bot : bots)
        netbench::writeAll(bot.go, "g", 1);
    netbench::ShareResult whole;
    bool allIn = true;
    for (const BotProcess& bot : bots)
        allIn = netbench::readShare(bot.results, whole) && allIn;
    const double played = clock.elapsed() / 1000.0;
    const double serverCpu = cpuSeconds(server) - serverCpuBefore;
    const long serverAfterKiB = residentKiB(server);
    for (const BotProcess& bot : bots) {
        ::close(bot.go);
        ::close(bot.results);
        waitpid(bot.pid, nullptr, 0);
    }
    ::close(control[1]);
    waitpid(server, nullptr, 0);
    if (!allIn) {
        std::fprintf(stderr, "net_rooms: a process of bots ended without its figures\n");
        return 1;
    }

    const netbench::ShareCounts& c = whole.counts;
    std::printf("open files allowed      %llu\n", static_cast<unsigned long long>(openFiles));
    std::printf("event loop              %s (server and %d processes of bots)\n",
                o.epoll ? "epoll" : "poll (Qt's Unix loop)", o.bots);
    std::printf("rooms                   %d (pause between turns %d ms, starts spread over %d ms)\n", o.rooms,
                o.pauseMs, o.rampMs);
    const int connections = o.rooms * netbench::NetBenchRoom::Clients;
    std::printf("connections             %d over %s (set up in %.1f s)\n", connections,
                o.certificate.empty() ? "ws://" : "wss:// (TLS 1.3, ECDSA P-256)", setUp);
    std::printf("server CPU per connection %.3f ms to accept%s and seat it (%.0f connections per core-second)\n",
                1000.0 * setUpCpu / connections, o.certificate.empty() ? "" : ", handshake TLS",
                setUpCpu > 0 ? connections / setUpCpu : 0.0);
    std::printf("played                  %.1f s, %lld turns (%.0f turns/s)\n", played, c.turns, c.turns / played);
    std::printf("messages per second     %.0f to the server, %.0f from it\n", c.sent / played, c.received / played);
    const float median = percentile(whole.latencyMs, 0.5);
    const float p99 = percentile(whole.latencyMs, 0.99);
    std::printf("command to every client median %.2f ms, 99th percentile %.2f ms (%zu arrivals)\n", median, p99,
                whole.latencyMs.size());
    std::printf("server CPU              %.1f s of %.1f s (%.0f %% of one core)\n", serverCpu, played,
                100.0 * serverCpu / played);
    std::printf("server CPU per turn     %.2f ms (six clients' messages included)\n",
                c.turns > 0 ? 1000.0 * serverCpu / static_cast<double>(c.turns) : 0.0);
    std::printf("clients CPU             %.1f s (%.0f %% of one core)\n", c.cpuSeconds, 100.0 * c.cpuSeconds / played);
    std::printf("server memory per room  %.1f KiB (RSS %ld -> %ld KiB)\n",
                static_cast<double>(serverAfterKiB - serverBeforeKiB) / o.rooms, serverBeforeKiB, serverAfterKiB);
    std::printf("client memory per room  %.1f KiB (six clients)\n", static_cast<double>(c.memoryKiB) / o.rooms);
    std::printf("refusals %lld, closings %lld\n", c.refusals, c.closings);
    const auto [roomUs, clientUs] = fairMicrosecondsPerTurn(10000);
    std::printf("commit-reveal per turn  %.1f us in the room, %.1f us for each client's check (six seats, six throws)\n",
                roomUs, clientUs);
    return 0;
}
