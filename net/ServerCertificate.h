#pragma once

#include <QSslConfiguration>
#include <QString>

#include <variant>

namespace net {

// A server's side of TLS from two PEM files: the certificate (its chain may follow it in the same
// file) and its private key (RSA or EC, not encrypted).
class ServerCertificate {
public:
    // The configuration, or what is wrong with the files in words for the operator.
    static std::variant<QSslConfiguration, QString> load(const QString& certificateFile, const QString& keyFile);
};

}  // namespace net
