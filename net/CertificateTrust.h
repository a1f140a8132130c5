#pragma once

#include <QSslCertificate>
#include <QString>

namespace net {

// The certificates a player chose to trust although the system does not: one SHA-256 fingerprint
// per server (host:port), in a settings file of their own (never the game's dice.ini).
class CertificateTrust {
public:
    explicit CertificateTrust(QString fileName = defaultFile());

    // Where the game keeps them: trusted-servers.ini in the user's configuration folder.
    static QString defaultFile();
    // "AB:CD:…": 32 upper-case hex pairs of the SHA-256 of the certificate's DER form; empty for a
    // null certificate.
    static QString fingerprintOf(const QSslCertificate& certificate);

    // The fingerprint trusted for the server, or empty.
    QString fingerprint(const QString& server) const;
    void trust(const QString& server, const QString& fingerprint);

private:
    QString m_file;
};

}  // namespace net
