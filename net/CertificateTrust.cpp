#include "net/CertificateTrust.h"

#include <QCryptographicHash>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>

namespace net {
namespace {

// A server's key: QSettings reads "/" as a group and "\" specially; percent-encoding keeps neither.
QString keyOf(const QString& server)
{
    return QStringLiteral("servers/") + QString::fromLatin1(QUrl::toPercentEncoding(server.toLower()));
}

}  // namespace

CertificateTrust::CertificateTrust(QString fileName) : m_file(std::move(fileName)) {}

QString CertificateTrust::defaultFile()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)).filePath(QStringLiteral("trusted-servers.ini"));
}

QString CertificateTrust::fingerprintOf(const QSslCertificate& certificate)
{
    if (certificate.isNull())
        return {};
    return QString::fromLatin1(certificate.digest(QCryptographicHash::Sha256).toHex(':').toUpper());
}

QString CertificateTrust::fingerprint(const QString& server) const
{
    return QSettings(m_file, QSettings::IniFormat).value(keyOf(server)).toString();
}

void CertificateTrust::trust(const QString& server, const QString& fingerprint)
{
    QSettings settings(m_file, QSettings::IniFormat);
    settings.setValue(keyOf(server), fingerprint);
    settings.sync();
}

}  // namespace net
