#include "ui/stats/RowLabel.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QWidget>

#include <gtest/gtest.h>

TEST(frmTotalRowLabel, RowsFollowLineEndsAndWrapAtWholeCells)
{
    const struct {
        const char* text;
        int cells;
        QStringList rows;
    } cases[] = {
        {"", 0, {""}},
        {"7\r\n0\r\n", 0, {"7", "0"}},
        {"7\r\n\r\n3", 0, {"7", "", "3"}},
        {"1\n2\r3\r\n", 0, {"1", "2", "3"}},
        {"あいうえおかきくけこさ", 0, {"あいうえおかきくけこさ"}},
        // Half-width characters take half a cell.
        {"abcdefghij", 5, {"abcdefghij"}},
        {"abcdefghijk", 5, {"abcdefghij", "k"}},
        {"1のゾロ目２のゾロ目", 5, {"1のゾロ目", "２のゾロ目"}},
        {"ｼﾞｮﾝ・ｽﾐｽ", 5, {"ｼﾞｮﾝ・ｽﾐｽ"}},
        // The blanks at a wrap are dropped on both sides; those inside a row and before the first
        // wrap stay.
        {"あいうえお　　　かき", 5, {"あいうえお", "かき"}},
        {"シゴロ　　　６の目　　　", 5, {"シゴロ", "６の目"}},
        {"場　外　　　ヒフミ　", 5, {"場　外", "ヒフミ"}},
        {"　あ", 5, {"　あ"}},
        {"あいうえお　　", 5, {"あいうえお"}},
        // A line end starts a row of its own, wrapped or not.
        {"あいうえおか\r\nき", 5, {"あいうえお", "か", "き"}},
        // A character beyond the basic plane is never split.
        {"あいう😀え", 4, {"あいう😀", "え"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RowLabel::wrapRows(QString::fromUtf8(c.text), c.cells), c.rows) << c.text << " / " << c.cells;
}

TEST(frmTotalRowLabel, RowTooWideIsNarrowedThenElidedButNeverOverflows)
{
    QFont font;
    font.setPixelSize(12);
    const QFontMetricsF metrics(font);
    const QString name = QStringLiteral("コンピュータ");
    const double natural = metrics.horizontalAdvance(name);

    const RowLabel::Fit roomy = RowLabel::fitRow(metrics, name, natural + 5);
    EXPECT_EQ(roomy.text, name);
    EXPECT_EQ(roomy.squeeze, 1.0);

    const RowLabel::Fit tight = RowLabel::fitRow(metrics, name, natural * 0.8);
    EXPECT_EQ(tight.text, name);
    EXPECT_NEAR(tight.squeeze, 0.8, 1e-6);

    for (const double width : {natural * 0.5, 20.0, 1.0}) {
        const RowLabel::Fit cut = RowLabel::fitRow(metrics, name, width);
        EXPECT_EQ(cut.squeeze, RowLabel::MinSqueeze);
        EXPECT_NE(cut.text, name);
        EXPECT_LE(metrics.horizontalAdvance(cut.text) * cut.squeeze, width) << width;
    }
}

TEST(frmTotalRowLabel, PaintsOnlyTheRowsThatFitWhollyAtTheirPitch)
{
    QWidget parent;
    RowLabel label(12, &parent);
    label.setGeometry(0, 0, 60, 50);
    label.setText(QStringLiteral("1\r\n2\r\n3\r\n4\r\n5\r\n"));
    EXPECT_EQ(label.rows().size(), 5);
    EXPECT_EQ(label.visibleRows(), 4);

    QPalette palette = label.palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    label.setPalette(palette);
    label.setAutoFillBackground(true);
    const QImage image = label.grab().toImage();
    const auto inkInRow = [&](int row) {
        for (int y = row * 12; y < std::min(image.height(), (row + 1) * 12); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qGray(image.pixel(x, y)) < 160)
                    return true;
        return false;
    };
    for (int row = 0; row < 4; ++row)
        EXPECT_TRUE(inkInRow(row)) << row;
    EXPECT_FALSE(inkInRow(4)) << "the fifth row is only partly inside";
}
