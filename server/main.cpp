#include "net/EpollEventDispatcher.h"
#include "net/Protocol.h"
#include "net/RoomCode.h"
#include "net/Server.h"
#include "net/ServerCertificate.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>
#include <csignal>
#include <limits>
#include <optional>
#include <tuple>
#include <cstdio>
#include <sys/resource.h>
#include <unistd.h>

// qubrin-server: rooms for tables that outlive their host's window. It listens only on the address
// it is given (the loopback address unless told otherwise) and stops cleanly on SIGINT or SIGTERM,
// telling every participant server_stopping.
namespace {

int signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
}

int fail(const QString& message)
{
    std::fprintf(stderr, "qubrin-server: %s\nTry 'qubrin-server --help'.\n", qPrintable(message));
    return 2;
}

void logLine(const QString& line)
{
    std::fprintf(stderr, "%s qubrin-server: %s\n", qPrintable(QDateTime::currentDateTimeUtc().toString(Qt::ISODate)),
                 qPrintable(line));
}

// Every connection is a file: the soft limit goes up to what the connections need, as far as the
// hard limit allows.
void raiseOpenFileLimit(int connections)
{
    // The listener, the event loop, the signal pipe, the standard streams and some to spare.
    const rlim_t needed = static_cast<rlim_t>(connections) + 32;
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur >= needed)
        return;
    const rlim_t wanted = limit.rlim_max == RLIM_INFINITY ? needed : std::min(needed, limit.rlim_max);
    const rlimit raised{wanted, limit.rlim_max};
    const rlim_t now = ::setrlimit(RLIMIT_NOFILE, &raised) == 0 ? wanted : limit.rlim_cur;
    if (now < needed)
        logLine(QStringLiteral("open files are limited to %1, fewer than the %2 that --max-connections %3 needs; "
                           "raise the hard limit (ulimit -Hn) or lower --max-connections")
                .arg(now)
                .arg(needed)
                .arg(connections));
}

}  // namespace

int main(int argc, char** argv)
{
    // An event loop on epoll: Qt's own loops look at every socket at each wake-up, which with
    // thousands of connections costs more than the rooms. Owned by the application from here on.
    QCoreApplication::setEventDispatcher(new net::EpollEventDispatcher);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("qubrin-server"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUBRIN_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Hosts Qubrin rooms for players who join over the network."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption listen(QStringLiteral("listen"), QStringLiteral("Address to listen on (default 127.0.0.1)."),
                                    QStringLiteral("address"), QStringLiteral("127.0.0.1"));
    const QCommandLineOption port(QStringLiteral("port"),
                                  QStringLiteral("Port, 0 for any free one (default %1).").arg(net::DefaultPort),
                                  QStringLiteral("port"), QString::number(net::DefaultPort));
    const QCommandLineOption maxRooms(QStringLiteral("max-rooms"), QStringLiteral("Rooms at most (default 100)."),
                                      QStringLiteral("count"), QStringLiteral("100"));
    const QCommandLineOption maxConnections(QStringLiteral("max-connections"),
                                            QStringLiteral("Connections at most, in rooms or not (default %1).")
                                                .arg(net::Server::Options{}.maxConnections),
                                            QStringLiteral("count"), QString::number(net::Server::Options{}.maxConnections));
    const QCommandLineOption maxPerAddress(QStringLiteral("max-per-address"),
                                           QStringLiteral("Connections from one address at most, and as many still connecting (default %1).")
                                               .arg(net::Server::Options{}.maxPerAddress),
                                           QStringLiteral("count"), QString::number(net::Server::Options{}.maxPerAddress));
    const QCommandLineOption wrongCodes(
        QStringLiteral("wrong-codes-per-minute"),
        QStringLiteral("Joins with a room code that does not exist, from one address in a minute, before that "
                       "address may join nothing until the minute is over (default %1).")
            .arg(net::Server::Options{}.wrongCodesPerMinute),
        QStringLiteral("count"), QString::number(net::Server::Options{}.wrongCodesPerMinute));
    const net::Server::Options defaults;
    const QCommandLineOption idleMinutes(
        QStringLiteral("idle-minutes"),
        QStringLiteral("Minutes a room may go without a message from any of its participants before it is closed "
                       "(default %1).")
            .arg(defaults.idleRoomMs / 60000),
        QStringLiteral("minutes"), QString::number(defaults.idleRoomMs / 60000));
    const QCommandLineOption emptySeconds(
        QStringLiteral("empty-room-seconds"),
        QStringLiteral("Seconds a room may stay with nobody connected before it is closed (default %1).")
            .arg(defaults.emptyRoomMs / 1000),
        QStringLiteral("seconds"), QString::number(defaults.emptyRoomMs / 1000));
    const QCommandLineOption tlsCert(QStringLiteral("tls-cert"),
                                     QStringLiteral("PEM certificate (chain) to serve wss:// with; needs --tls-key."),
                                     QStringLiteral("file"));
    const QCommandLineOption tlsKey(QStringLiteral("tls-key"),
                                    QStringLiteral("PEM private key of --tls-cert (RSA or EC, not encrypted)."),
                                    QStringLiteral("file"));
    const QCommandLineOption tag(QStringLiteral("tag"),
                                 QStringLiteral("Start every room code with this character of %1, so that a balancer "
                                                "in front of several servers can route a join by its code (default none).")
                                     .arg(QLatin1String(net::RoomCodeAlphabet)),
                                 QStringLiteral("character"));
    parser.addOptions({listen, port, maxRooms, maxConnections, maxPerAddress, wrongCodes, idleMinutes, emptySeconds,
                       tlsCert, tlsKey, tag});
    parser.process(app);

    const QHostAddress address(parser.value(listen));
    bool portOk = false;
    const uint portNumber = parser.value(port).toUInt(&portOk);
    // A whole number of at least one, or nothing.
    const auto positive = [&parser](const QCommandLineOption& option) -> std::optional<int> {
        bool ok = false;
        const int value = parser.value(option).toInt(&ok);
        return ok && value >= 1 ? std::optional<int>(value) : std::nullopt;
    };
    if (address.isNull())
        return fail(QStringLiteral("not an address: %1").arg(parser.value(listen)));
    if (!portOk || portNumber > 65535)
        return fail(QStringLiteral("not a port: %1").arg(parser.value(port)));
    net::Server::Options options;
    // Each option, where its value goes and in what unit (milliseconds for times).
    const std::tuple<const QCommandLineOption*, int*, int> counts[] = {
        {&maxRooms, &options.maxRooms, 1},
        {&maxConnections, &options.maxConnections, 1},
        {&maxPerAddress, &options.maxPerAddress, 1},
        {&wrongCodes, &options.wrongCodesPerMinute, 1},
        {&idleMinutes, &options.idleRoomMs, 60000},
        {&emptySeconds, &options.emptyRoomMs, 1000},
    };
    for (const auto& [option, value, unit] : counts) {
        const std::optional<int> count = positive(*option);
        if (!count || *count > std::numeric_limits<int>::max() / unit)
            return fail(QStringLiteral("not a number for --%1: %2").arg(option->names().constFirst(), parser.value(*option)));
        *value = *count * unit;
    }
    if (parser.isSet(tag)) {
        const QString character = parser.value(tag).toUpper();
        if (character.size() != 1 || !net::isRoomCodeTag(character.front()))
            return fail(QStringLiteral("not a character of %1 for --tag: %2")
                            .arg(QLatin1String(net::RoomCodeAlphabet), parser.value(tag)));
        options.tag = character.front();
    }
    if (parser.isSet(tlsCert) != parser.isSet(tlsKey))
        return fail(QStringLiteral("--tls-cert and --tls-key go together"));
    if (parser.isSet(tlsCert)) {
        auto loaded = net::ServerCertificate::load(parser.value(tlsCert), parser.value(tlsKey));
        if (const QString* error = std::get_if<QString>(&loaded))
            return fail(*error);
        options.tls = std::get<QSslConfiguration>(std::move(loaded));
    }
    raiseOpenFileLimit(options.maxConnections);

    net::Server server(options);
    QObject::connect(&server, &net::Server::noted, &server, &logLine);
    if (!server.listen(address, static_cast<quint16>(portNumber))) {
        std::fprintf(stderr, "qubrin-server: cannot listen on %s: %s\n", qPrintable(parser.value(listen)),
                     qPrintable(server.errorString()));
        return 1;
    }
    if (::pipe(signalPipe) == 0) {
        auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &app);
        QObject::connect(notifier, &QSocketNotifier::activated, &app, [&server, notifier] {
            notifier->setEnabled(false);
            server.stop();
            // The closing frames go out before the process ends.
            QTimer::singleShot(300, QCoreApplication::instance(), &QCoreApplication::quit);
        });
        std::signal(SIGINT, onSignal);
        std::signal(SIGTERM, onSignal);
    }
    const QString where = address.protocol() == QAbstractSocket::IPv6Protocol
                              ? QStringLiteral("[%1]").arg(address.toString())
                              : address.toString();
    std::printf("qubrin-server %s listening on %s://%s:%u\n", QUBRIN_VERSION, server.isSecure() ? "wss" : "ws",
                qPrintable(where), server.port());
    std::fflush(stdout);
    return app.exec();
}
