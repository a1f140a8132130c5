#pragma once

#include "app/Language.h"
#include "net/RoomCode.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

// The program's options: --help, --version, --settings FILE, --lang ja|en and an invitation qubrin://host:port/CODE, beside the standard options of Qt's
// applications (-platform NAME, -style STYLE, …). The arguments are read before any window system is
// reached, so a mistake is told without a display as well.
class CommandLine {
public:
    explicit CommandLine(const QStringList& arguments);

    // The player asked for the help or the version text, and every option was known; the table does not open.
    bool asksForText() const;
    // Prints that text and ends the program.
    [[noreturn]] void answer(QCoreApplication& app);
    // Why the arguments cannot start the table; empty when they can.
    QString error() const;
    // The settings file to start with, as an absolute path; empty for the default one.
    QString settingsFile() const;
    // The language asked for this run only; nullopt when none was.
    std::optional<Language> language() const;
    // The room the player was invited to; nullopt when no invitation was given.
    std::optional<net::Invitation> invitation() const;

private:
    QCommandLineParser parser;
    QCommandLineOption settingsOption;
    QCommandLineOption languageOption;
    bool parsed = false;
};
