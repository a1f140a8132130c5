#include "settings/SplitText.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

struct SplitCase {
    QString text;
    QString separator;
    qint32 last;
    QStringList pieces;
};

TEST(SplitText, ReturnsTheLastIndexAndThePiecesLeftToRight)
{
    const SplitCase cases[] = {
        {"a=b", "=", 1, {"a", "b"}},
        {"a=b=c", "=", 2, {"a", "b", "c"}},
        {"abc", "=", 0, {"abc"}},
        {"a=", "=", 1, {"a", ""}},
        {"=a", "=", 1, {"", "a"}},
        {"==", "=", 2, {"", "", ""}},
        {"", "=", 0, {""}},
        {QString("NINZU=3") + QChar(0) + "SCORE=5" + QChar(0), QString(QChar(0)), 2, {"NINZU=3", "SCORE=5", ""}},
        {"a::b:c", "::", 1, {"a", "b:c"}},
        {"aaa", "aa", 1, {"", "a"}},
        {"aXbxc", "x", 1, {"aXb", "c"}},
        {"abc", "", 0, {"abc"}},
        {"", "", 0, {""}},
    };
    for (const SplitCase& c : cases) {
        QStringList pieces{"stale", "stale", "stale", "stale", "stale"};
        EXPECT_EQ(SplitText(c.text, c.separator, pieces), c.last) << c.text.toStdString();
        EXPECT_EQ(pieces, c.pieces) << c.text.toStdString();
    }
}

TEST(SplitText, ThreeHundredSeparatorsGiveThreeHundredAndOnePieces)
{
    QString text;
    for (int i = 0; i < 300; ++i)
        text += QString::number(i) + u'=';
    QStringList pieces;
    ASSERT_EQ(SplitText(text, "=", pieces), 300);
    ASSERT_EQ(pieces.size(), 301);
    EXPECT_EQ(pieces[0], "0");
    EXPECT_EQ(pieces[299], "299");
    EXPECT_EQ(pieces[300], "");
}

TEST(SplitText, SplitsAPieceOfItsOwnArray)
{
    QStringList pieces{"P_NAME0=A", "other"};
    EXPECT_EQ(SplitText(pieces[0], "=", pieces), 1);
    EXPECT_EQ(pieces, QStringList({"P_NAME0", "A"}));
}

}  // namespace
