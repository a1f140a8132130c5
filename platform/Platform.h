#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

class QWidget;

// Everything the game takes from the operating system goes through this one interface, so that
// tests can script it: message boxes, file dialogs, sound, the shell, clocks, random numbers and
// the pause of the throw sequence.
class Platform {
public:
    virtual ~Platform() = default;

    // A warning: exclamation icon, OK button, title "Qubrin".
    virtual void warn(QWidget* parent, const QString& text) = 0;
    // A Yes/No question with the question icon; true for Yes.
    virtual bool ask(QWidget* parent, const QString& text, const QString& title) = 0;
    // A plain information box with an OK button and no icon.
    virtual void inform(QWidget* parent, const QString& text, const QString& title) = 0;

    // File dialogs; nullopt when the player cancels. A preset path starts the dialog in its folder
    // with its name offered. The save dialog asks before replacing a file.
    virtual std::optional<QString> openFileName(QWidget* parent, const QString& presetName,
                                                const QString& filter) = 0;
    virtual std::optional<QString> saveFileName(QWidget* parent, const QString& presetName,
                                                const QString& filter) = 0;

    // Starts playing a WAV file and returns at once; a sound still playing is replaced.
    virtual void playSound(const QString& path) = 0;
    // Opens a file with the desktop's program for it; false when no program could open it.
    virtual bool openWithShell(const QString& path) = 0;
    // Whether the desktop names a program for plain text. Without one the desktop's opener may
    // start, find nothing to open the file with and show nothing.
    virtual bool desktopOpensTextFiles() = 0;

    // The millisecond tick count and the seconds (0..59) of the time of day.
    virtual qint64 tickCount() = 0;
    virtual int secondsOfTime() = 0;
    // The uniform random source, 0 <= r < 1, and its re-seed that mixes the clock into its state.
    virtual float random() = 0;
    virtual void reseed() = 0;

    // Pauses for more than ms milliseconds while the window's events run. Returns false when the
    // program is ending: the caller then stops what it was doing and returns at once.
    virtual bool wait(int ms) = 0;
    // Ends every pause at once; the program is closing.
    virtual void endWaits() = 0;
    virtual bool ending() const = 0;
};

// The platform in use; the real one unless a test installed its own.
Platform& platform();
void setPlatform(Platform* replacement);
