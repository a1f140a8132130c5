#pragma once

#include <QHostAddress>
#include <QList>

// The addresses of this machine a phone on the same network may reach, the ones most likely to
// work first: IPv4 before IPv6 of interfaces that are up, link-local IPv6 left out (a phone's
// browser cannot name its scope), and 127.0.0.1 last, for a browser on this machine.
QList<QHostAddress> phoneAddresses();
