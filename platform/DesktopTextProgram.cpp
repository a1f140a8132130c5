#include "platform/DesktopTextProgram.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>

namespace {

// xdg-mime is a shell script; on a busy machine it takes a second or two.
constexpr int answerTimeoutMs = 5000;

}  // namespace

QString desktopTextProgram(const QProcessEnvironment& environment)
{
    const QStringList searchPath =
        environment.value(QStringLiteral("PATH")).split(QDir::listSeparator(), Qt::SkipEmptyParts);
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"), searchPath);
    if (xdgMime.isEmpty())
        return {};
    QProcess query;
    query.setProcessEnvironment(environment);
    query.setStandardInputFile(QProcess::nullDevice());
    query.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("text/plain")});
    if (!query.waitForFinished(answerTimeoutMs)) {
        query.kill();
        query.waitForFinished();
        return {};
    }
    if (query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0)
        return {};
    const QString answer = QString::fromLocal8Bit(query.readAllStandardOutput()).section(u'\n', 0, 0).trimmed();
    return answer.endsWith(QLatin1String(".desktop")) ? answer : QString();
}
