#pragma once

#include <QString>

// The settings dialog's messages and file-dialog texts. The first two messages differ on purpose
// ("数字" and "数値"): each field keeps its own.
namespace settingsTexts {

inline const QString digitsMessage = QStringLiteral("数字を入力して下さい。(ToT)");
inline const QString numberMessage = QStringLiteral("数値を入力して下さい。(ToT)");
inline const QString smallMessage = QStringLiteral("値が小さいです。(ToT)");
inline const QString largeMessage = QStringLiteral("値が大きいです。(ToT)");
inline const QString fileFilter = QStringLiteral("設定(*.ini)|*.ini");
inline const QString presetFile = QStringLiteral("dice.ini");

}  // namespace settingsTexts
