#pragma once

#include "net/RoomCode.h"

#include <QString>

#include <optional>

// The server and room a player typed: an address "host", "host:port" or "[v6]:port" (the default
// port when none is given), "wss://" before it for a server that speaks TLS, and a room code in
// any letter case; nullopt when either is not one.
std::optional<net::Invitation> roomAddress(const QString& address, const QString& code);
// Whether the address field names a TLS server (starts with wss://).
bool isSecureAddress(const QString& address);
// The address field's text for an invitation's server: "host:port", an IPv6 host in brackets,
// "wss://" before it for TLS.
QString addressText(const net::Invitation& invitation);
