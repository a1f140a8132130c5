#include "net/JsonFields.h"

#include <algorithm>
#include <cctype>

#include <cmath>

namespace net {

QJsonValue JsonFields::field(const char* key)
{
    const QJsonValue value = m_object.value(QLatin1String(key));
    if (value.isUndefined())
        m_ok = false;
    return value;
}

bool JsonFields::isInteger(const QJsonValue& value, qint64 min, qint64 max)
{
    if (!value.isDouble())
        return false;
    const double number = value.toDouble();
    return std::isfinite(number) && std::trunc(number) == number && number >= static_cast<double>(min) &&
           number <= static_cast<double>(max);
}

qint64 JsonFields::integer(const char* key, qint64 min, qint64 max)
{
    const QJsonValue value = field(key);
    if (!isInteger(value, min, max)) {
        m_ok = false;
        return min;
    }
    return static_cast<qint64>(value.toDouble());
}

qint64 JsonFields::integerOr(const char* key, qint64 min, qint64 max, qint64 fallback)
{
    return has(key) ? integer(key, min, max) : fallback;
}

bool JsonFields::boolean(const char* key)
{
    const QJsonValue value = field(key);
    require(value.isBool());
    return value.toBool();
}

QString JsonFields::text(const char* key, int maxLength)
{
    const QJsonValue value = field(key);
    require(value.isString() && value.toString().size() <= maxLength);
    return m_ok ? value.toString() : QString();
}

bool JsonFields::isHex(const QJsonValue& value, int maxLength)
{
    const QString text = value.toString();
    return value.isString() && text.size() <= maxLength &&
           std::all_of(text.cbegin(), text.cend(), [](QChar c) { return std::isxdigit(c.unicode()) != 0 && c.unicode() < 128; });
}

QString JsonFields::hexOr(const char* key, int maxLength)
{
    if (!has(key))
        return {};
    const QJsonValue value = field(key);
    require(isHex(value, maxLength));
    return m_ok ? value.toString().toLower() : QString();
}

QStringList JsonFields::hexesOr(const char* key, int maxCount, int maxLength)
{
    QStringList texts;
    if (!has(key))
        return texts;
    for (const QJsonValue& value : array(key, 0, maxCount)) {
        require(isHex(value, maxLength));
        texts.append(m_ok ? value.toString().toLower() : QString());
    }
    return m_ok ? texts : QStringList();
}

QVector<qint64> JsonFields::integers(const char* key, int minCount, int maxCount, qint64 min, qint64 max)
{
    const QJsonArray values = array(key, minCount, maxCount);
    QVector<qint64> numbers;
    for (const QJsonValue& value : values) {
        require(isInteger(value, min, max));
        numbers.append(m_ok ? static_cast<qint64>(value.toDouble()) : min);
    }
    if (!m_ok)
        numbers.fill(min, minCount);
    return numbers;
}

QJsonArray JsonFields::array(const char* key, int minCount, int maxCount)
{
    const QJsonValue value = field(key);
    require(value.isArray() && value.toArray().size() >= minCount && value.toArray().size() <= maxCount);
    return m_ok ? value.toArray() : QJsonArray();
}

QJsonObject JsonFields::object(const char* key)
{
    const QJsonValue value = field(key);
    require(value.isObject());
    return value.toObject();
}

void JsonFields::require(bool condition)
{
    if (!condition)
        m_ok = false;
}

}  // namespace net
