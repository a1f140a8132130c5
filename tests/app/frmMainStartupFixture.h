#pragma once

#include "app/frmMain.h"
#include "state/Program.h"
#include "support/ScriptedPlatform.h"
#include "support/TableFolder.h"

#include <QByteArray>
#include <QStringList>

#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

// A table opened in a folder of its own, with a settings file whose bytes the test writes and the
// pictures of the build beside it.
class StartupTable : public ::testing::Test {
protected:
    using Entries = std::vector<std::pair<const char*, const char*>>;

    StartupTable() { folder.copyBuilt({QStringLiteral("*.gif")}); }

    ~StartupTable() override { table.reset(); }

    QString settingsFile() const { return folder.filePath(QStringLiteral("dice.ini")); }

    void writeBytes(const QByteArray& bytes) const { folder.write(QStringLiteral("dice.ini"), bytes); }

    // The section DiceGame with the entries in the given order, in CP932 as Windows writes it.
    static QByteArray section(const Entries& entries)
    {
        QStringList lines;
        for (const auto& [key, value] : entries)
            lines << QString::fromUtf8(key) + u'=' + QString::fromUtf8(value);
        return TableFolder::settingsSection(lines);
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
    TableFolder folder;
    std::unique_ptr<frmMain> table;
};
