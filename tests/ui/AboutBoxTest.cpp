#include "ui/options/AboutBox.h"

#include "state/Program.h"
#include "support/ScriptedPlatform.h"

#include <QWidget>

#include <gtest/gtest.h>

namespace {

const QString title = QStringLiteral("Qubrin\u3000ﾊﾞｰｼﾞｮﾝ情報");

}  // namespace

TEST(AboutBox, ShowsTheTitleAndTheFiveLinesCharacterForCharacter)
{
    ScriptedPlatform scripted;
    QWidget owner;
    showAboutBox(&owner);

    const QString expected = QStringLiteral("Qubrin Ver1.02\u3000") + QString(18, QLatin1Char(' '))
                             + QStringLiteral("\r\n\r\n")
                             + QStringLiteral("(C) 2026 Qubrin Project") + QString(10, QLatin1Char(' '))
                             + QStringLiteral("\r\n")
                             + QStringLiteral("Made with Qt 6 ― ちんちろりん") + QString(10, QLatin1Char(' '))
                             + QStringLiteral("\r\n")
                             + QStringLiteral("License: GPL-3.0-or-later") + QString(8, QLatin1Char(' '));
    ASSERT_EQ(scripted.informations.size(), 1);
    EXPECT_EQ(scripted.informations[0], title + QLatin1Char('\n') + expected);
    EXPECT_EQ(aboutTitle(), title);
    EXPECT_TRUE(scripted.warnings.isEmpty());
}

TEST(AboutBox, LinesAreSeparatedByCrLfAndPaddedToThirtyThree)
{
    const QString text = aboutText();
    EXPECT_EQ(text.count(QLatin1Char('\n')), 4);
    EXPECT_EQ(text.count(QLatin1Char('\r')), 4);
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 5);
    const int widths[] = {33, 0, 33, 33, 33};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(lines[i].size(), widths[i]) << "line " << i + 1;
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Qubrin Ver1.02\u3000 ")));
    for (const int i : {2, 3})
        EXPECT_FALSE(lines[i].trimmed().isEmpty()) << "line " << i + 1 << " is the maker's notice";
}
