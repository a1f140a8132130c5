#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// The folder a window test runs the game in: a fresh temporary folder taken as the AppFolder, with
// the program-wide values back at their start both when it is made and when it goes.
class TableFolder {
public:
    TableFolder();
    ~TableFolder();
    TableFolder(const TableFolder&) = delete;
    TableFolder& operator=(const TableFolder&) = delete;

    QString path() const { return m_dir.path(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }

    // Copies the files of the build's own folder (pictures, sounds, texts) that match the patterns.
    void copyBuilt(const QStringList& patterns) const;
    // Writes a file of the folder; returns its path.
    QString write(const QString& name, const QByteArray& bytes) const;

    // Text in CP932, as Windows writes a settings file.
    static QByteArray cp932(const QString& text);
    // A settings file's bytes: the section DiceGame with the lines, each ended by CR LF, in CP932.
    static QByteArray settingsSection(const QStringList& lines);

private:
    QTemporaryDir m_dir;
};

// The players the window tests seat, in seat order.
inline const QStringList seatNames{"あなた", "タロウ", "ハナコ", "ゲン", "ミケ", "リュウ"};
