#pragma once

#include "game/TableListener.h"
#include "settings/GameSettings.h"

class GameHistory;

// Records the engine's events in a game history: the seats' names from the settings at the start
// of a game, each turn from its bets to its settlement, and the end of the game.
class HistoryRecorder : public TableListener {
public:
    HistoryRecorder(GameHistory& history, const SettingsRecord& settings);

    void gameStarted(const flow::GameStarted& started) override;
    void betsOpened(const flow::BetsOpened& bets) override;
    void diceThrown(const flow::DiceThrown& thrown) override;
    void turnSettled(const flow::TurnSettled& settled) override;
    void gameOver(const flow::GameOver& over) override;

private:
    GameHistory& m_history;
    const SettingsRecord& m_settings;
};
