#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

// The readme a newcomer opens says how to start the game, with nothing left to fill in.
TEST(Readme, TellsHowToStartTheGameWithNoPlaceholderLeft)
{
    QFile built(QCoreApplication::applicationDirPath() + QStringLiteral("/Readme.txt"));
    ASSERT_TRUE(built.open(QIODevice::ReadOnly));
    const QString readme = QString::fromUtf8(built.readAll());
    EXPECT_TRUE(readme.contains(QStringLiteral("\n  ./run.sh\n")));
    const QRegularExpression placeholder(QStringLiteral("[<‹〈＜][^>›〉＞\\n]*[>›〉＞]|@[A-Z_]+@"));
    const QRegularExpressionMatch found = placeholder.match(readme);
    EXPECT_FALSE(found.hasMatch()) << found.captured().toStdString();
}
