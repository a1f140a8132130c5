#include "TableFixture.h"

#include "state/Program.h"

#include <QCoreApplication>
#include <QFile>
#include <QtEndian>

#include <gtest/gtest.h>

#include <cmath>

namespace {

// The samples of a 16-bit mono WAV file; empty when the file is anything else.
struct Wav {
    int rate = 0;
    QList<qint16> samples;
    double seconds() const { return rate > 0 ? static_cast<double>(samples.size()) / rate : 0.0; }
};

Wav readWav(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return {};
    const auto word = [&](qsizetype at) { return qFromLittleEndian<quint16>(bytes.constData() + at); };
    const auto dword = [&](qsizetype at) { return qFromLittleEndian<quint32>(bytes.constData() + at); };
    Wav wav;
    bool mono16 = false;
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const QByteArray id = bytes.mid(at, 4);
        const qsizetype size = dword(at + 4);
        const qsizetype body = at + 8;
        if (body + size > bytes.size())
            return {};
        if (id == "fmt " && size >= 16) {
            mono16 = word(body) == 1 && word(body + 2) == 1 && word(body + 14) == 16;
            wav.rate = static_cast<int>(dword(body + 4));
        } else if (id == "data" && mono16) {
            for (qsizetype i = 0; i + 1 < size; i += 2)
                wav.samples.append(static_cast<qint16>(word(body + i)));
            return wav;
        }
        at = body + size + (size & 1);
    }
    return {};
}

QString builtSound(const QString& name)
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/") + name;
}

// A note that stops dead leaves a step in the signal: a lone spike of its third difference, far
// above the differences around it, where the sound gets quieter. A struck onset gets louder.
// The time of the first such step in seconds, or -1.
double firstDeadStop(const Wav& wav)
{
    const QList<qint16>& x = wav.samples;
    const qsizetype span = wav.rate / 500;  // 2 ms
    // Running sums of the squared samples and of the third differences' sizes.
    QList<double> energy(x.size() + 1, 0.0), jumps(x.size() + 1, 0.0);
    QList<double> jump(x.size(), 0.0);
    for (qsizetype i = 0; i < x.size(); ++i) {
        if (i >= 3)
            jump[i] = std::abs(x[i] - 3.0 * x[i - 1] + 3.0 * x[i - 2] - x[i - 3]);
        energy[i + 1] = energy[i] + static_cast<double>(x[i]) * x[i];
        jumps[i + 1] = jumps[i] + jump[i];
    }
    for (qsizetype n = span; n + span < x.size(); ++n) {
        const bool quieter = energy[n + span] - energy[n + 1] < energy[n - 3] - energy[n - span];
        const double around = (jumps[n - 3] - jumps[n - span]) + (jumps[n + span] - jumps[n + 4]);
        if (jump[n] >= 10.0 && quieter && jump[n] > 12.0 * (around / static_cast<double>(2 * span - 7) + 1.0))
            return static_cast<double>(n) / wav.rate;
    }
    return -1;
}

// The loudest sample of the last 5 ms.
int endPeak(const Wav& wav)
{
    int peak = 0;
    for (qsizetype i = qMax<qsizetype>(0, wav.samples.size() - wav.rate / 200); i < wav.samples.size(); ++i)
        peak = qMax(peak, std::abs(static_cast<int>(wav.samples[i])));
    return peak;
}

}  // namespace

TEST(SoundFiles, EverySoundFadesToSilenceWithoutAClick)
{
    for (int number = 1; number <= 8; ++number) {
        const QString name = QStringLiteral("beep%1.wav").arg(number);
        const Wav wav = readWav(builtSound(name));
        ASSERT_GT(wav.seconds(), 0.1) << name.toStdString();
        EXPECT_LT(endPeak(wav), 33) << name.toStdString() << " is still above -60 dBFS at its end";
        EXPECT_EQ(firstDeadStop(wav), -1) << name.toStdString() << " has a note that stops dead";
    }
}

class ThrowSounds : public ::testing::Test, public TableFixture {};

TEST_F(ThrowSounds, ASlowerGameRattlesLongerButAlwaysEndsBeforeTheNextThrow)
{
    double fasterRattle = 0;
    for (qint16 level = 1; level <= 19; level += 2) {
        open({{"NINZU", "2"}});
        platform.seconds = 1;
        newGame();
        scriptBets({0.0f});
        openBets();
        // The banker throws twice in a row; the player once.
        scriptThrows({{1, 2, 4}, {3, 3, 2}, {4, 5, 6}});
        program::SpeedLevel = level;
        platform.sounds.clear();
        platform.soundTimes.clear();
        throwDice();

        ASSERT_GE(platform.sounds.size(), 3) << "level " << level;
        const Wav rattle = readWav(folder.filePath(platform.sounds[0]));
        const qint64 gap = platform.soundTimes[1] - platform.soundTimes[0];
        EXPECT_EQ(platform.sounds[1], platform.sounds[0]);
        EXPECT_GT(rattle.seconds(), 0.2) << "level " << level;
        EXPECT_GE(rattle.seconds(), fasterRattle) << "level " << level;
        fasterRattle = rattle.seconds();
        EXPECT_LT(rattle.seconds() * 1000.0, gap)
            << "level " << level << ": " << platform.sounds[0].toStdString() << " lasts "
            << rattle.seconds() << " s, the next throw comes after " << gap << " ms";
        platform.draws.clear();
    }
}
