#include "platform/QtPlatform.h"

#include "platform/DesktopTextProgram.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QMediaDevices>
#include <QMessageBox>
#include <QMutex>
#include <QSoundEffect>
#include <QTime>
#include <QTimer>
#include <QUrl>

#include <atomic>
#include <chrono>

namespace {

const QString programTitle = QStringLiteral("Qubrin");

// SplitMix64: a small generator whose whole state is one word, so the clock can be mixed in.
quint64 splitMix(quint64& state)
{
    state += 0x9E3779B97F4A7C15ull;
    quint64 z = state;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

quint64 clockNanoseconds()
{
    using namespace std::chrono;
    return static_cast<quint64>(system_clock::now().time_since_epoch().count())
           ^ (static_cast<quint64>(steady_clock::now().time_since_epoch().count()) << 17);
}

// Qt's dialogs take "description (pattern)"; the game names its filters "description|pattern",
// and a description that already ends in "(pattern)" is shown as it stands.
QString qtFilter(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    if (parts.size() != 2)
        return filter;
    const QString named = QLatin1Char('(') + parts[1] + QLatin1Char(')');
    return parts[0].endsWith(named) ? parts[0] : parts[0] + QLatin1Char(' ') + named;
}

// Without a sound server (a server, a CI machine, Xvfb) Qt warns on stderr about the missing
// device, and a failed shell open warns too before our own text viewer steps in. Neither is
// news to the player: those lines are dropped, every other message goes on as before.
QtMessageHandler previousHandler = nullptr;
std::atomic<bool> openingWithShell = false;

bool isDeviceNoise(const QString& message)
{
    return message.startsWith(QLatin1String("PulseAudioService:"))
           || message.startsWith(QLatin1String("No audio device detected"));
}

void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && (openingWithShell || isDeviceNoise(message)))
        return;
    if (previousHandler)
        previousHandler(type, context, message);
}

void quietDeviceMessages()
{
    static QMutex mutex;
    static bool installed = false;
    const QMutexLocker lock(&mutex);
    if (installed)
        return;
    installed = true;
    QLoggingCategory::setFilterRules(QStringLiteral("qt.multimedia.*.warning=false"));
    previousHandler = qInstallMessageHandler(quietHandler);
}

}  // namespace

QtPlatform::QtPlatform()
{
    m_clock.start();
    m_randomState = clockNanoseconds();
}

QtPlatform::~QtPlatform() = default;

void QtPlatform::warn(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, programTitle, text, QMessageBox::Ok, parent);
    box.exec();
}

bool QtPlatform::ask(QWidget* parent, const QString& text, const QString& title)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    return box.exec() == QMessageBox::Yes;
}

void QtPlatform::inform(QWidget* parent, const QString& text, const QString& title)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

std::optional<QString> QtPlatform::openFileName(QWidget* parent, const QString& presetName,
                                                const QString& filter)
{
    const QString path = QFileDialog::getOpenFileName(parent, QString(), presetName, qtFilter(filter));
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

std::optional<QString> QtPlatform::saveFileName(QWidget* parent, const QString& presetName,
                                                const QString& filter)
{
    const QString path = QFileDialog::getSaveFileName(parent, QString(), presetName, qtFilter(filter));
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

void QtPlatform::playSound(const QString& path)
{
    // Silence is the answer to every failure: no file, no device, no application object.
    quietDeviceMessages();
    if (!QFileInfo::exists(path) || !QCoreApplication::instance())
        return;
    if (QMediaDevices::defaultAudioOutput().isNull())
        return;
    // A fresh effect for every sound: Qt 6.4 on PulseAudio stalls at the seventh replay of one
    // effect and stays silent afterwards. The one playing is stopped, so the new sound replaces
    // it, and deleted at the next sound: a throw sequence runs inside one handler, where
    // deleteLater() would keep every effect of the turn alive until the turn ends.
    delete m_stopped;
    m_stopped = m_sound;
    if (m_stopped)
        m_stopped->stop();
    m_sound = new QSoundEffect(QCoreApplication::instance());
    m_sound->setSource(QUrl::fromLocalFile(path));
    m_sound->play();
}

bool QtPlatform::openWithShell(const QString& path)
{
    // A FIFO or a device would keep the desktop's program waiting for ever.
    if (!QFileInfo(path).isFile())
        return false;
    quietDeviceMessages();
    openingWithShell = true;
    const bool opened = QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    openingWithShell = false;
    return opened;
}

bool QtPlatform::desktopOpensTextFiles() { return !desktopTextProgram().isEmpty(); }

qint64 QtPlatform::tickCount() { return m_clock.elapsed(); }

int QtPlatform::secondsOfTime() { return QTime::currentTime().second(); }

float QtPlatform::random()
{
    // 24 random bits make every float in [0, 1) on a grid of 2^-24, never 1.
    return static_cast<float>(splitMix(m_randomState) >> 40) / 16777216.0f;
}

void QtPlatform::reseed() { m_randomState ^= clockNanoseconds(); }

bool QtPlatform::wait(int ms)
{
    // "More than ms" on a millisecond clock: the pause lasts until ms + 1 have passed.
    QElapsedTimer elapsed;
    elapsed.start();
    do {
        if (m_ending)
            return false;
        QEventLoop loop;
        QTimer timer;
        timer.setTimerType(Qt::PreciseTimer);
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
        timer.start(static_cast<int>(qMax<qint64>(0, ms + 1 - elapsed.elapsed())));
        m_waits.append(&loop);
        loop.exec();
        m_waits.removeOne(&loop);
    } while (elapsed.elapsed() <= ms);
    return !m_ending;
}

void QtPlatform::endWaits()
{
    m_ending = true;
    for (QEventLoop* loop : std::as_const(m_waits))
        loop->quit();
}

bool QtPlatform::ending() const { return m_ending; }
