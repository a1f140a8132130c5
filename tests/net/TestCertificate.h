#pragma once

#include "net/ServerCertificate.h"

#include <QProcess>
#include <QTemporaryDir>

#include <optional>

// A self-signed certificate for 127.0.0.1 and its key, made by openssl in a folder of the test's
// own that goes with it: no private key is kept in the sources.
namespace nettest {

class TestCertificate {
public:
    TestCertificate()
    {
        QProcess openssl;
        openssl.start(QStringLiteral("openssl"),
                      {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"), QStringLiteral("ec"),
                       QStringLiteral("-pkeyopt"), QStringLiteral("ec_paramgen_curve:prime256v1"), QStringLiteral("-nodes"),
                       QStringLiteral("-keyout"), keyFile(), QStringLiteral("-out"), certificateFile(),
                       QStringLiteral("-days"), QStringLiteral("2"), QStringLiteral("-subj"), QStringLiteral("/CN=qubrin test"),
                       QStringLiteral("-addext"), QStringLiteral("subjectAltName=IP:127.0.0.1")});
        if (openssl.waitForFinished(20000) && openssl.exitCode() == 0) {
            auto loaded = net::ServerCertificate::load(certificateFile(), keyFile());
            if (const QSslConfiguration* tls = std::get_if<QSslConfiguration>(&loaded))
                configuration = *tls;
        }
    }

    QString certificateFile() const { return m_folder.filePath(QStringLiteral("cert.pem")); }
    QString keyFile() const { return m_folder.filePath(QStringLiteral("key.pem")); }

    // Empty when openssl could not make it.
    std::optional<QSslConfiguration> configuration;

private:
    QTemporaryDir m_folder;
};

}  // namespace nettest
