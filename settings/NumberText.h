#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// A number as the player or a settings file writes it: optional blanks around it, an optional sign,
// digits with an optional decimal point, an optional exponent. The empty text is not a number.
// Full-width digits, signs, point and blank (as the Japanese input method types them) count as the
// plain ones.
std::optional<double> parseNumber(const QString& text);

// To the nearest whole number, a half to the even neighbour (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double value);

// The text as a whole number of the given width; nullopt when it is not a number or does not fit.
std::optional<qint16> toInt16(const QString& text);
std::optional<qint32> toInt32(const QString& text);
