#pragma once

#include <QCoreApplication>
#include <QString>

// The settings dialog's messages and file-dialog texts, in Japanese; shown() gives them in the
// language in force. The first two messages differ on purpose ("数字" and "数値"): each field
// keeps its own.
namespace settingsTexts {

inline constexpr const char* digitsMessage = QT_TRANSLATE_NOOP("frmSet", "数字を入力して下さい。(ToT)");
inline constexpr const char* numberMessage = QT_TRANSLATE_NOOP("frmSet", "数値を入力して下さい。(ToT)");
inline constexpr const char* smallMessage = QT_TRANSLATE_NOOP("frmSet", "値が小さいです。(ToT)");
inline constexpr const char* largeMessage = QT_TRANSLATE_NOOP("frmSet", "値が大きいです。(ToT)");
inline constexpr const char* fileFilter = QT_TRANSLATE_NOOP("frmSet", "設定(*.ini)|*.ini");
inline const QString presetFile = QStringLiteral("dice.ini");

inline QString shown(const char* text) { return QCoreApplication::translate("frmSet", text); }

}  // namespace settingsTexts
