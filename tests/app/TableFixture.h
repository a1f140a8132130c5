#pragma once

#include "app/frmMain.h"
#include "support/ScriptedPlatform.h"
#include "support/TableFolder.h"

#include <QImage>
#include <QLabel>

#include <initializer_list>
#include <map>
#include <memory>

// A table window in a folder of its own, with a settings file the test writes and dice the test
// throws. Draws are scripted in the order the game takes them: one per computer player when the
// bets open, then for every throw three faces followed by fifteen animation faces.
class TableFixture {
public:
    using Faces = std::array<int, 3>;

    TableFixture();
    ~TableFixture();

    // Writes dice.ini from the test defaults with the given entries replaced, then opens the table.
    void open(const std::map<QString, QString>& overrides = {});
    // Opens the table without any settings file.
    void openWithoutSettings();

    // Draws for the computer players' bets (r each), and for throws given as faces (9: out of the bowl).
    void scriptBets(std::initializer_list<float> draws);
    void scriptThrows(std::initializer_list<Faces> throws);

    // A picture file of the folder, and the picture a label shows, comparable with ==.
    QImage picture(const QString& fileName) const;
    static QImage shown(const QLabel* label);

    void newGame();
    void openBets();
    void throwDice();
    void nextTurn();
    void pass();

    ScriptedPlatform platform;
    TableFolder folder;
    std::unique_ptr<frmMain> table;
};
