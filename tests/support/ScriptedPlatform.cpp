#include "support/ScriptedPlatform.h"

#include <QCoreApplication>
#include <QFileInfo>

ScriptedPlatform::ScriptedPlatform() { setPlatform(this); }

ScriptedPlatform::~ScriptedPlatform() { setPlatform(nullptr); }

void ScriptedPlatform::warn(QWidget*, const QString& text) { warnings.append(text); }

bool ScriptedPlatform::ask(QWidget*, const QString& text, const QString& title)
{
    questions.append(title + QLatin1Char('\n') + text);
    return answers.isEmpty() ? false : answers.dequeue();
}

void ScriptedPlatform::inform(QWidget*, const QString& text, const QString& title)
{
    informations.append(title + QLatin1Char('\n') + text);
}

std::optional<QString> ScriptedPlatform::openFileName(QWidget*, const QString& presetName,
                                                      const QString& filter)
{
    fileDialogs.append(QStringLiteral("open|") + presetName + QLatin1Char('|') + filter);
    return fileChoices.isEmpty() ? std::nullopt : fileChoices.dequeue();
}

std::optional<QString> ScriptedPlatform::saveFileName(QWidget*, const QString& presetName,
                                                      const QString& filter)
{
    fileDialogs.append(QStringLiteral("save|") + presetName + QLatin1Char('|') + filter);
    return fileChoices.isEmpty() ? std::nullopt : fileChoices.dequeue();
}

void ScriptedPlatform::playSound(const QString& path)
{
    sounds.append(QFileInfo(path).fileName());
    soundTimes.append(clock);
}

bool ScriptedPlatform::openWithShell(const QString& path)
{
    shellOpens.append(QFileInfo(path).fileName());
    return shellSucceeds;
}

bool ScriptedPlatform::desktopOpensTextFiles() { return textProgramRegistered; }

qint64 ScriptedPlatform::tickCount() { return clock; }

int ScriptedPlatform::secondsOfTime() { return seconds; }

float ScriptedPlatform::random()
{
    if (!draws.isEmpty())
        return draws.dequeue();
    m_fallback = m_fallback * 1664525u + 1013904223u;
    return static_cast<float>(m_fallback >> 8) / 16777216.0f;
}

void ScriptedPlatform::reseed() { ++reseeds; }

bool ScriptedPlatform::wait(int ms)
{
    waits.append(ms);
    clock += ms + 1;
    if (m_ending)
        return false;
    QCoreApplication::processEvents();
    if (duringWait)
        duringWait();
    return !m_ending;
}

void ScriptedPlatform::endWaits() { m_ending = true; }

bool ScriptedPlatform::ending() const { return m_ending; }
