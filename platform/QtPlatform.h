#pragma once

#include "platform/Platform.h"

#include <QElapsedTimer>
#include <QList>
#include <QPointer>

class QEventLoop;
class QSoundEffect;

// The platform of the running game, on Qt.
class QtPlatform final : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;

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
    QElapsedTimer m_clock;
    quint64 m_randomState = 0;
    bool m_ending = false;
    QList<QEventLoop*> m_waits;
    // The sound playing last and the one it replaced, owned by the application object, so
    // they go before Qt does.
    QPointer<QSoundEffect> m_sound;
    QPointer<QSoundEffect> m_stopped;
};
