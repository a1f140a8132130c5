#pragma once

#include "game/HandRanking.h"

#include <QColor>

// Colours that the table and the windows opened from it share.
namespace tableColours {

inline const QColor PlayerPanel(192, 255, 192);  // a player's seat panel
inline const QColor BankerPanel(196, 196, 255);  // the banker's seat panel
inline const QColor FrameFill(255, 251, 240);    // the cream of seat frames and picture panels

// A seat's hand by its class (rules::HandColour): points, triples and シゴロ, losing hands.
inline const QColor HandBlack(0, 0, 0);
inline const QColor HandBlue(0, 0, 255);
inline const QColor HandRed(255, 0, 0);

inline QColor ofHand(rules::HandColour colour)
{
    switch (colour) {
    case rules::HandColour::Blue:
        return HandBlue;
    case rules::HandColour::Red:
        return HandRed;
    case rules::HandColour::Black:
        break;
    }
    return HandBlack;
}

}  // namespace tableColours
