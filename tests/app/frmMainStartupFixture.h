#pragma once

#include "app/frmMain.h"
#include "settings/AppFolder.h"
#include "state/Program.h"
#include "support/ScriptedPlatform.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

// A table opened in a folder of its own, with a settings file whose bytes the test writes and the
// pictures of the build beside it.
class StartupTable : public ::testing::Test {
protected:
    using Entries = std::vector<std::pair<const char*, const char*>>;

    StartupTable()
    {
        program::reset();
        setAppFolderForTests(folder.path());
        const QDir built(QCoreApplication::applicationDirPath());
        for (const QString& name : built.entryList({QStringLiteral("*.gif")}, QDir::Files))
            QFile::copy(built.filePath(name), folder.filePath(name));
    }

    ~StartupTable() override
    {
        table.reset();
        setAppFolderForTests(QString());
        program::reset();
    }

    QString settingsFile() const { return folder.filePath(QStringLiteral("dice.ini")); }

    void writeBytes(const QByteArray& bytes) const
    {
        QFile file(settingsFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    // The section DiceGame with the entries in the given order, in CP932 as Windows writes it.
    static QByteArray section(const Entries& entries)
    {
        QString text = QStringLiteral("[DiceGame]\r\n");
        for (const auto& [key, value] : entries)
            text += QString::fromUtf8(key) + u'=' + QString::fromUtf8(value) + QStringLiteral("\r\n");
        QStringEncoder cp932("windows-31j");
        return cp932.encode(text);
    }

    void writeSettings(const Entries& entries) const { writeBytes(section(entries)); }

    frmMain& open()
    {
        table = std::make_unique<frmMain>();
        return *table;
    }

    // Four seats as a player would have them.
    static Entries fourSeats()
    {
        return {{"NINZU", "4"},      {"SCORE", "500"},    {"BETMAX", "50"},    {"BETMIN", "5"},
                {"OYA", "3"},        {"LAST", "30"},      {"NAGEKAI", "3"},    {"P_NAME0", "あなた"},
                {"P_NAME1", "タロウ"}, {"P_NAME2", "ハナコ"}, {"P_NAME3", "ゲン"},  {"P_NAME4", "ミケ"},
                {"P_NAME5", "リュウ"}, {"P_FLG0", "0"},      {"P_FLG1", "1"},     {"P_FLG2", "1"},
                {"P_FLG3", "1"},      {"P_FLG4", "1"},     {"P_FLG5", "1"},     {"P_IMAG0", "1"},
                {"P_IMAG1", "2"},     {"P_IMAG2", "3"},    {"P_IMAG3", "4"},    {"P_IMAG4", "5"},
                {"P_IMAG5", "6"}};
    }

    ScriptedPlatform platform;
    QTemporaryDir folder;
    std::unique_ptr<frmMain> table;
};
