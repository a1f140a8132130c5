#include "settings/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace {

struct IntCase {
    const char* text;
    std::optional<qint32> expected;
};

TEST(NumberText, ToInt32ReadsDecimalsAndRoundsHalvesToEven)
{
    const IntCase cases[] = {
        {"2.5", 2},        {"3.5", 4},          {"-2.5", -2},         {"-3.5", -4},
        {"0.5", 0},        {"1.5", 2},          {"2.4999", 2},        {"2.5001", 3},
        {" 12 ", 12},      {"\t7\t", 7},        {"-3", -3},           {"+3", 3},
        {"1e3", 1000},     {"1E3", 1000},       {"2.5e1", 25},        {"125e-2", 1},
        {"3.0", 3},        {"5.", 5},           {".5", 0},            {"+.5", 0},
        {"-.5", 0},        {"007", 7},          {"1e+2", 100},        {"1e-400", 0},
        {"2147483647", 2147483647},             {"-2147483648", -2147483647 - 1},
        {"2147483647.4", 2147483647},           {"-2147483648.5", -2147483647 - 1},
    };
    for (const IntCase& c : cases)
        EXPECT_EQ(toInt32(QString::fromUtf8(c.text)), c.expected) << c.text;
}

TEST(NumberText, TextThatIsNoDecimalNumberGivesNothing)
{
    const char* const cases[] = {
        "",     " ",    "\t",   "abc",  "0x10", "&H10", "1,000", "1 000", "1_000", "inf",
        "-inf", "nan",  "NaN",  "+",    "-",    ".",    "+.",    "e3",    "1e",    "1e+",
        "1.2.3", "--1", "+-1",  "3a",   "a3",   "１２ａ", "1e3.5", "- 3",   "3-",    "12\n",
        "1d3",  "\x30\xC2\xA0",
    };
    for (const char* text : cases) {
        EXPECT_EQ(parseNumber(QString::fromUtf8(text)), std::nullopt) << text;
        EXPECT_EQ(toInt32(QString::fromUtf8(text)), std::nullopt) << text;
    }
}

TEST(NumberText, FullWidthDigitsSignsAndBlanksReadAsThePlainOnes)
{
    const IntCase cases[] = {
        {"１０", 10},       {"－３", -3},       {"＋３", 3},          {"−３", -3},
        {"\u2212" "7", -7}, {"２．５", 2},     {"　１２　", 12},     {"1０", 10},
        {"１ｅ３", 1000},   {"９９９９", 9999}, {"－２１４７４８３６４８", -2147483647 - 1},
    };
    for (const IntCase& c : cases)
        EXPECT_EQ(toInt32(QString::fromUtf8(c.text)), c.expected) << c.text;
    for (const char* text : {"１　０", "－", "２１４７４８３６４８", "０ｘ１０", "１０円"})
        EXPECT_EQ(toInt32(QString::fromUtf8(text)), std::nullopt) << text;
}

TEST(NumberText, NumbersOutsideTheWidthGiveNothingInsteadOfWrapping)
{
    const char* const outside16[] = {"40000", "32768", "-32769", "32767.5", "65536", "1e30", "-1e30", "1e308"};
    for (const char* text : outside16)
        EXPECT_EQ(toInt16(QString::fromUtf8(text)), std::nullopt) << text;

    const char* const outside32[] = {"99999999999", "2147483648", "-2147483649", "2147483647.5",
                                     "1e30", "1e308", "1e309", "-1e400", "9e99999999999999999999"};
    for (const char* text : outside32)
        EXPECT_EQ(toInt32(QString::fromUtf8(text)), std::nullopt) << text;
}

TEST(NumberText, ToInt16KeepsItsWholeRange)
{
    EXPECT_EQ(toInt16("32767"), qint16(32767));
    EXPECT_EQ(toInt16("-32768"), qint16(-32768));
    EXPECT_EQ(toInt16("32766.5"), qint16(32766));
    EXPECT_EQ(toInt16("-32767.5"), qint16(-32768));
    EXPECT_EQ(toInt16(" 9 "), qint16(9));
}

TEST(NumberText, ParseNumberGivesTheValueBeforeRounding)
{
    EXPECT_DOUBLE_EQ(*parseNumber("2.5"), 2.5);
    EXPECT_DOUBLE_EQ(*parseNumber(" -0.125 "), -0.125);
    EXPECT_DOUBLE_EQ(*parseNumber("1e30"), 1e30);
    EXPECT_EQ(parseNumber("1e400"), std::nullopt);
    EXPECT_EQ(parseNumber("0e99999"), 0.0);
    EXPECT_EQ(parseNumber("0." + QString(5000, u'0') + "1e5001"), 1.0);
}

TEST(NumberText, RoundHalfEvenGoesToTheEvenNeighbourOnHalvesOnly)
{
    const struct {
        double value;
        double expected;
    } cases[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0}, {-1.5, -2}, {2.49, 2}, {2.51, 3}, {-2.51, -3}, {1e300, 1e300},
                 {0.49999999999999994, 0}, {4503599627370495.5, 4503599627370496}, {-4503599627370493.5, -4503599627370494},
                 {0x1p52 + 1, 0x1p52 + 1}, {-0x1p53 - 2, -0x1p53 - 2}, {INFINITY, INFINITY}};
    for (const auto& c : cases)
        EXPECT_EQ(roundHalfEven(c.value), c.expected) << c.value;
    EXPECT_TRUE(std::signbit(roundHalfEven(-0.25)));
    EXPECT_TRUE(std::isnan(roundHalfEven(NAN)));
}

}  // namespace
