#pragma once

#include "platform/Platform.h"

#include <QList>
#include <QQueue>
#include <QStringList>

#include <functional>

// A platform whose answers the test scripts and whose calls it records. Pauses take no real
// time: they advance a virtual clock and run the pending events once. It installs itself on
// construction and puts the real platform back when it goes.
class ScriptedPlatform final : public Platform {
public:
    ScriptedPlatform();
    ~ScriptedPlatform() override;

    // Scripted answers; when a queue is empty: questions are answered No, file dialogs cancelled,
    // random draws come from a fixed sequence.
    QQueue<bool> answers;
    QQueue<std::optional<QString>> fileChoices;
    QQueue<float> draws;
    bool shellSucceeds = true;
    bool textProgramRegistered = true;
    int seconds = 0;
    // Runs inside every pause, after the events: lets a test act in the middle of a sequence.
    std::function<void()> duringWait;

    // What the game did.
    QStringList warnings;
    QStringList questions;
    QStringList informations;  // "title\ntext"
    QStringList fileDialogs;   // "open|preset|filter" or "save|preset|filter"
    QStringList sounds;        // file names without folder
    QList<qint64> soundTimes;  // the clock at each sound
    QStringList shellOpens;    // file names without folder
    QList<int> waits;
    int reseeds = 0;
    qint64 clock = 0;

    void warn(QWidget* parent, const QString& text) override;
    bool ask(QWidget* parent, const QString& text, const QString& title) override;
    void inform(QWidget* parent, const QString& text, const QString& title) override;
    std::optional<QString> openFileName(QWidget* parent, const QString& presetName,
                                        const QString& filter) override;
    std::optional<QString> saveFileName(QWidget* parent, const QString& presetName,
                                        const QString& filter) override;
    void playSound(const QString& path) override;
    bool openWithShell(const QString& path) override;
    bool desktopOpensTextFiles() override;
    qint64 tickCount() override;
    int secondsOfTime() override;
    float random() override;
    void reseed() override;
    bool wait(int ms) override;
    void endWaits() override;
    bool ending() const override;

private:
    quint32 m_fallback = 12345;
    bool m_ending = false;
};
