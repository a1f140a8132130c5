#include "settings/NumberText.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }
bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// The Japanese input method types digits, signs, the point and the blank full-width; they stand for
// the plain ones. The minus sign U+2212 is what some editors put for "-".
QChar halfWidth(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'\uFF10' && u <= u'\uFF19')
        return QChar(char16_t(u - u'\uFF10' + u'0'));
    switch (u) {
    case u'\uFF0B': return u'+';
    case u'\uFF0D':
    case u'\u2212': return u'-';
    case u'\uFF0E': return u'.';
    case u'\uFF45': return u'e';
    case u'\uFF25': return u'E';
    case u'\u3000': return u' ';
    default: return c;
    }
}

template <typename Int>
std::optional<Int> toInt(const QString& text)
{
    const std::optional<double> number = parseNumber(text);
    if (!number)
        return std::nullopt;
    const double rounded = roundHalfEven(*number);
    // Compared as doubles before the cast: a double outside the target's range must never be cast.
    if (!(rounded >= std::numeric_limits<Int>::min() && rounded <= std::numeric_limits<Int>::max()))
        return std::nullopt;
    return static_cast<Int>(rounded);
}

}  // namespace

std::optional<double> parseNumber(const QString& written)
{
    QString text = written;
    for (QChar& c : text)
        c = halfWidth(c);
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;

    // Checked by hand first: std::from_chars alone would take "inf", "nan" and hex digits' letters.
    std::string ascii;
    ascii.reserve(static_cast<size_t>(end - begin));
    qsizetype i = begin;
    bool negative = false;
    if (i < end && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (negative)
        ascii.push_back('-');

    qsizetype digits = 0;
    qsizetype firstNonZero = -1;  // index among the mantissa's digits
    qsizetype integerDigits = 0;
    bool point = false;
    for (; i < end; ++i) {
        const QChar c = text[i];
        if (isDigit(c)) {
            if (firstNonZero < 0 && c != u'0')
                firstNonZero = digits;
            ++digits;
            if (!point)
                ++integerDigits;
            ascii.push_back(static_cast<char>(c.unicode()));
        } else if (c == u'.' && !point) {
            point = true;
            ascii.push_back('.');
        } else {
            break;
        }
    }
    if (digits == 0)
        return std::nullopt;

    long long exponent = 0;  // saturated: only its sign matters once it is this large
    if (i < end && (text[i] == u'e' || text[i] == u'E')) {
        ascii.push_back('e');
        ++i;
        bool negativeExponent = false;
        if (i < end && (text[i] == u'+' || text[i] == u'-')) {
            negativeExponent = text[i] == u'-';
            ascii.push_back(static_cast<char>(text[i].unicode()));
            ++i;
        }
        qsizetype exponentDigits = 0;
        for (; i < end && isDigit(text[i]); ++i, ++exponentDigits) {
            ascii.push_back(static_cast<char>(text[i].unicode()));
            if (exponent < 1'000'000'000)
                exponent = exponent * 10 + (text[i].unicode() - u'0');
        }
        if (exponentDigits == 0)
            return std::nullopt;
        if (negativeExponent)
            exponent = -exponent;
    }
    if (i != end)
        return std::nullopt;

    double value = 0.0;
    const auto [last, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (last != ascii.data() + ascii.size())
        return std::nullopt;
    if (error == std::errc::result_out_of_range) {
        // Too large for a double is no number at all; too small is zero.
        if (firstNonZero < 0)
            return negative ? -0.0 : 0.0;
        const long long magnitude = integerDigits - firstNonZero - 1 + exponent;
        if (magnitude > 0)
            return std::nullopt;
        return negative ? -0.0 : 0.0;
    }
    if (error != std::errc())
        return std::nullopt;
    return value;
}

double roundHalfEven(double value)
{
    // Adding and taking away 2^52 leaves no fraction bits, so the sum is rounded by the hardware
    // to the nearest even neighbour; larger magnitudes are whole already, and NaN stays NaN. The
    // same as std::nearbyint, without a call into the maths library for every computer bet.
    constexpr double wholeFrom = 0x1p52;
    if (!(std::fabs(value) < wholeFrom))
        return value;
    const double rounded = value >= 0 ? (value + wholeFrom) - wholeFrom : (value - wholeFrom) + wholeFrom;
    return std::copysign(rounded, value);  // keeps -0.4 -> -0
}

std::optional<qint16> toInt16(const QString& text)
{
    return toInt<qint16>(text);
}

std::optional<qint32> toInt32(const QString& text)
{
    return toInt<qint32>(text);
}
