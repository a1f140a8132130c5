#include "support/TableFolder.h"

#include "settings/AppFolder.h"
#include "state/Program.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringEncoder>

#include <gtest/gtest.h>

TableFolder::TableFolder()
{
    program::reset();
    setAppFolderForTests(m_dir.path());
}

TableFolder::~TableFolder()
{
    setAppFolderForTests(QString());
    program::reset();
}

void TableFolder::copyBuilt(const QStringList& patterns) const
{
    const QDir built(QCoreApplication::applicationDirPath());
    for (const QString& name : built.entryList(patterns, QDir::Files))
        QFile::copy(built.filePath(name), m_dir.filePath(name));
}

QString TableFolder::write(const QString& name, const QByteArray& bytes) const
{
    const QString path = m_dir.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    EXPECT_EQ(file.write(bytes), bytes.size()) << path.toStdString();
    return path;
}

QByteArray TableFolder::cp932(const QString& text)
{
    QStringEncoder encoder("windows-31j");
    return encoder(text);
}

QByteArray TableFolder::settingsSection(const QStringList& lines)
{
    QString text = QStringLiteral("[DiceGame]\r\n");
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    return cp932(text);
}
