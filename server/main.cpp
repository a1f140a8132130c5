#include "net/EpollEventDispatcher.h"
#include "net/Protocol.h"
#include "net/Server.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <csignal>
#include <optional>
#include <utility>
#include <cstdio>
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
                                           QStringLiteral("Connections from one address at most (default %1).")
                                               .arg(net::Server::Options{}.maxPerAddress),
                                           QStringLiteral("count"), QString::number(net::Server::Options{}.maxPerAddress));
    const QCommandLineOption wrongCodes(
        QStringLiteral("wrong-codes-per-minute"),
        QStringLiteral("Joins with a room code that does not exist, from one address in a minute, before that "
                       "address may join nothing until the minute is over (default %1).")
            .arg(net::Server::Options{}.wrongCodesPerMinute),
        QStringLiteral("count"), QString::number(net::Server::Options{}.wrongCodesPerMinute));
    parser.addOptions({listen, port, maxRooms, maxConnections, maxPerAddress, wrongCodes});
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
    const std::pair<const QCommandLineOption*, int*> counts[] = {
        {&maxRooms, &options.maxRooms},
        {&maxConnections, &options.maxConnections},
        {&maxPerAddress, &options.maxPerAddress},
        {&wrongCodes, &options.wrongCodesPerMinute},
    };
    for (const auto& [option, value] : counts) {
        const std::optional<int> count = positive(*option);
        if (!count)
            return fail(QStringLiteral("not a number for --%1: %2").arg(option->names().constFirst(), parser.value(*option)));
        *value = *count;
    }

    net::Server server(options);
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
    std::printf("qubrin-server %s listening on ws://%s:%u\n", QUBRIN_VERSION, qPrintable(where), server.port());
    std::fflush(stdout);
    return app.exec();
}
