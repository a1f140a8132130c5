#pragma once

#include "game/ComputerCharacter.h"

#include <QComboBox>

// A choice of the computer characters, in the order of rules::Character and named in the language
// in force: who plays a player's seat while the player's connection is away.
class CharacterBox : public QComboBox {
    Q_OBJECT
public:
    explicit CharacterBox(QWidget* parent);

    rules::Character character() const;

protected:
    void changeEvent(QEvent* event) override;

private:
    void showNames();
};
