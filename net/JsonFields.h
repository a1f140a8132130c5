#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <QVector>
#include <QtGlobal>

namespace net {

// Reads the fields of one message and checks each against its type and range. The first field
// that fails makes the whole reader fail; the values read after that are defaults to be ignored.
class JsonFields {
public:
    explicit JsonFields(const QJsonObject& object) : m_object(object) {}

    bool ok() const { return m_ok; }
    bool has(const char* key) const { return m_object.contains(QLatin1String(key)); }

    // A whole number within min..max (JSON numbers are doubles: a fraction fails).
    qint64 integer(const char* key, qint64 min, qint64 max);
    // The same, or `fallback` when the field is absent.
    qint64 integerOr(const char* key, qint64 min, qint64 max, qint64 fallback);
    bool boolean(const char* key);
    // Text of at most maxLength UTF-16 units.
    QString text(const char* key, int maxLength);
    // Lower-case hex digits, at most maxLength of them (upper-case ones are taken as lower-case);
    // empty when the field is absent.
    QString hexOr(const char* key, int maxLength);
    // An array of at most maxCount such texts; empty when the field is absent.
    QStringList hexesOr(const char* key, int maxCount, int maxLength);
    // An array of minCount..maxCount whole numbers, each within min..max.
    QVector<qint64> integers(const char* key, int minCount, int maxCount, qint64 min, qint64 max);
    // An array of count..maxCount elements, for the caller to read one by one.
    QJsonArray array(const char* key, int minCount, int maxCount);
    QJsonObject object(const char* key);
    // Fails the reader when a condition between fields does not hold.
    void require(bool condition);

    static bool isInteger(const QJsonValue& value, qint64 min, qint64 max);
    static bool isHex(const QJsonValue& value, int maxLength);

private:
    QJsonValue field(const char* key);

    QJsonObject m_object;
    bool m_ok = true;
};

}  // namespace net
