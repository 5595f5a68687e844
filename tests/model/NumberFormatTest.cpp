#include "model/NumberFormat.h"

#include <gtest/gtest.h>

#include <cmath>

using fundis::formatFixed;
using fundis::formatGeneral;
using fundis::textToFloat;
using fundis::textToInt;

// The report's fixed form: 7 significant digits first, then 3 decimals
TEST(FormatFixed, RoundsToSevenDigitsThenShowsDecimals) {
    struct Row {
        double value;
        int decimals;
        char sep;
        const char* text;
    };
    const Row rows[] = {
        {12345.6789, 3, '.', "12345.680"}, {12.5, 3, '.', "12.500"},           {12.5, 3, ',', "12,500"},
        {1.35f, 3, '.', "1.350"},          {1.95f, 3, ',', "1,950"},           {-0.0001, 3, '.', "0.000"},
        {-0.0, 3, '.', "0.000"},           {-12.3456, 3, '.', "-12.346"},      {11.0, 0, '.', "11"},
        {14.0000004, 0, '.', "14"},        {1234567.8, 3, '.', "1234568.000"}, {0.0012565, 3, '.', "0.001"},
        {12.56, 3, ',', "12,560"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(formatFixed(row.value, row.decimals, row.sep), row.text) << row.value;
    }
}

TEST(FormatFixed, LargeValuesFallBackToExponent) {
    const std::string text = formatFixed(123456789.0, 3, '.');
    EXPECT_NE(text.find('E'), std::string::npos) << text;
}

// %g with 6 and 5 significant digits, the stream default and the L/H rewrite
TEST(FormatGeneral, DropsTrailingZerosAndUsesExponentOutsideRange) {
    EXPECT_EQ(formatGeneral(18.0f, 6), "18");
    EXPECT_EQ(formatGeneral(18.25f, 6), "18.25");
    EXPECT_EQ(formatGeneral(1.234567f, 6), "1.23457");
    EXPECT_EQ(formatGeneral(1.234567f, 5), "1.2346");
    EXPECT_EQ(formatGeneral(static_cast<float>(1e6 * 1.1), 6), "1.1e+06");
    EXPECT_EQ(formatGeneral(static_cast<float>(0.00001 * 1.1), 6), "1.1e-05");
    EXPECT_EQ(formatGeneral(2.7f, 15), "2.70000004768372");
    EXPECT_EQ(formatGeneral(4.0f, 15), "4");
    EXPECT_EQ(formatGeneral(1.5f, 15), "1.5");
}

// Text to number as the C locale reads it
TEST(TextToFloat, ReadsLeadingNumberOnly) {
    struct Row {
        const char* text;
        float value;
    };
    const Row rows[] = {
        {"", 0.0f},         {"0,5", 0.0f},      {"0.5", 0.5f},    {" 12abc", 12.0f},
        {"-0.150", -0.15f}, {"+3", 3.0f},       {"1e3", 1000.0f}, {"1e", 1.0f},
        {"abc", 0.0f},      {".5", 0.5f},       {"5.", 5.0f},     {"-", 0.0f},
        {"\t\n7", 7.0f},    {"2.5E-1x", 0.25f}, {"0x10", 0.0f},   {"inf", 0.0f},
    };
    for (const Row& row : rows) {
        EXPECT_FLOAT_EQ(textToFloat(row.text), row.value) << '"' << row.text << '"';
    }
    EXPECT_TRUE(std::isinf(textToFloat("1e999")));
}

TEST(TextToInt, ReadsSignAndDigits) {
    bool ok = false;
    EXPECT_EQ(textToInt(" 12", &ok), 12);
    EXPECT_TRUE(ok);
    EXPECT_EQ(textToInt("-3x", &ok), -3);
    EXPECT_EQ(textToInt("x", &ok), 0);
    EXPECT_FALSE(ok);
    EXPECT_EQ(textToInt("99999999999999", &ok), 2147483647);
}
