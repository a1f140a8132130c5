#pragma once

#include "settings/ProfileSection.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>
#include <string_view>

inline void PrintTo(const ProfileEntry& entry, std::ostream* os)
{
    *os << '{' << entry.key.toStdString() << ", " << entry.value.toStdString() << '}';
}

inline QByteArray bytesOf(std::string_view text)
{
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

// Real files in a fresh folder of their own.
class ProfileFileTest : public ::testing::Test {
protected:
    QString path(const QString& name = "dice.ini") const { return dir.filePath(name); }

    void put(const QString& file, const QByteArray& bytes) const
    {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        ASSERT_EQ(out.write(bytes), bytes.size());
    }

    static QByteArray contents(const QString& file)
    {
        QFile in(file);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray("<unreadable>");
    }

    QTemporaryDir dir;
};
