#include "Numbers.h"

#include <gtest/gtest.h>

TEST(Numbers, LeadingNumberIsLenient) {
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {
        {"2", 2},    {"2 ", 2},    {"  7x", 7},         {"\t3", 3},   {"12.5x", 12.5}, {"abc", 0},
        {"", 0},     {"-1", -1},   {"+4", 4},           {".5", 0.5},  {"5.", 5},       {".", 0},
        {"-", 0},    {"1e5", 1},   {"1,5", 1},          {"0060", 60}, {"2 3", 2},      {"-0", 0},
        {"１２", 0}, {"\r\n8", 8}, {"12.34.56", 12.34},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(leadingNumber(QString::fromUtf8(c.text)), c.value) << c.text;
    }
    // Absurd lengths stay finite instead of overflowing.
    EXPECT_TRUE(std::isfinite(leadingNumber(QString(500, '9'))));
    EXPECT_EQ(leadingNumber(QStringLiteral("0.") + QString(500, '0') + "1"), 0);
}

TEST(Numbers, LeadingIntRoundsAndClamps) {
    EXPECT_EQ(leadingInt(u"2.5"), 3);
    EXPECT_EQ(leadingInt(u"-2.5"), -3);
    EXPECT_EQ(leadingInt(u"1.4"), 1);
    EXPECT_EQ(leadingInt(u"-1"), -1);
    EXPECT_EQ(leadingInt(u"99999999999999"), std::numeric_limits<int>::max());
    EXPECT_EQ(leadingInt(u"-99999999999999"), std::numeric_limits<int>::min());
}

TEST(Numbers, PlainDecimalHasNoExponentAndNoTrailingZeros) {
    EXPECT_EQ(plainDecimal(2), "2");
    EXPECT_EQ(plainDecimal(0.5), "0.5");
    EXPECT_EQ(plainDecimal(-1), "-1");
    EXPECT_EQ(plainDecimal(12.34), "12.34");
    EXPECT_EQ(plainDecimal(1e20), "100000000000000000000");
    EXPECT_EQ(plainDecimal(-0.0), "0");
    EXPECT_EQ(plainDecimal(std::numeric_limits<double>::quiet_NaN()), "0");
    for (double v : {0.1, 2.25, 1234.5678, 1e-7})
        EXPECT_DOUBLE_EQ(leadingNumber(plainDecimal(v)), v);
}
