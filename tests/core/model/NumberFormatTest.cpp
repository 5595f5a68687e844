// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/model/NumberFormat.h"

#include <gtest/gtest.h>

#include <locale.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <string>
#include <tuple>
#include <utility>

using namespace fundis;

// The report's fixed form: 7 significant digits first, then the decimals; never a negative zero
TEST(FormatFixed, RoundsToSevenDigitsThenShowsDecimals) {
    const std::tuple<double, int, char, const char*> rows[] = {
        {12345.6789, 3, '.', "12345.680"}, {12.5, 3, '.', "12.500"},           {12.5, 3, ',', "12,500"},
        {1.35f, 3, '.', "1.350"},          {1.95f, 3, ',', "1,950"},           {-0.0001, 3, '.', "0.000"},
        {-0.0, 3, '.', "0.000"},           {-12.3456, 3, '.', "-12.346"},      {11.0, 0, '.', "11"},
        {14.0000004, 0, '.', "14"},        {1234567.8, 3, '.', "1234568.000"}, {0.0012565, 3, '.', "0.001"}};
    for (const auto& [value, decimals, separator, text] : rows) {
        EXPECT_EQ(formatFixed(value, decimals, separator), text) << value;
    }
    // too large for 7 digits before the point: exponent form, still with the separator asked for
    const std::string large = formatFixed(123456789.0, 3, ',');
    EXPECT_TRUE(large.find('E') != std::string::npos && large.find('.') == std::string::npos) << large;
}

// An edit's text as the C locale's decimal conversion reads it, with "." or "," as the decimal
// separator: the number at its start; and whether the whole text is that number
TEST(TextToFloat, ReadsTheLeadingNumberOnly) {
    const std::tuple<const char*, float, bool> rows[] = {
        {"", 0.0f, false},        {"0,5", 0.5f, true},       {"0.5", 0.5f, true},
        {" 12abc", 12.0f, false}, {"-0.150", -0.15f, true},  {"+3", 3.0f, true},
        {"1e3", 1000.0f, true},   {"1e", 1.0f, false},       {"abc", 0.0f, false},
        {".5", 0.5f, true},       {"5.", 5.0f, true},        {"-", 0.0f, false},
        {"\t\n7", 7.0f, false},   {"2.5E-1x", 0.25f, false}, {"0x10", 0.0f, false},
        {"inf", 0.0f, false},     {"1 100", 1.0f, false},    {"12 ", 12.0f, false},
        {"1e-999", 0.0f, true},   {"18,5", 18.5f, true},     {"1,2.3", 1.2f, false},
        {",5", 0.5f, true},       {"-2,5e1", -25.0f, true}};
    for (const auto& [text, value, whole] : rows) {
        EXPECT_FLOAT_EQ(textToFloat(text), value) << '"' << text << '"';
        EXPECT_EQ(isNumberText(text), whole) << '"' << text << '"';
    }
    EXPECT_TRUE(std::isinf(textToFloat("1e999")));
}

// A file's integers (list indices, counts): the leading integer, and whether it fits an int
TEST(ReadLeadingInteger, ValueAndFit) {
    const std::tuple<const char*, int, bool> rows[] = {{"12 x", 12, true},
                                                       {"-2147483648", -2147483648, true},
                                                       {"2147483647", 2147483647, true},
                                                       {"2147483648", 2147483647, false},
                                                       {"21474836479", 2147483647, false},
                                                       {"-99999999999999999999", -2147483648, false}};
    for (const auto& [text, value, fits] : rows) {
        const LeadingInteger read = readLeadingInteger(text);
        EXPECT_TRUE(read.found) << text;
        EXPECT_EQ(read.value, value) << text;
        EXPECT_EQ(read.fits, fits) << text;
    }
}

// The window and fundis-cli take the separator the user's environment names (LC_ALL before
// LC_NUMERIC before LANG), without switching the process's own numeric locale
TEST(UserDecimalSeparator, FromTheEnvironmentNotTheProcess) {
    const char* saved = std::getenv("LC_ALL");
    const std::string kept = saved != nullptr ? saved : "";
    const std::string processLocale = std::setlocale(LC_NUMERIC, nullptr);
    const std::pair<const char*, char> rows[] = {{"C", '.'}, {"ru_RU.UTF-8", ','}, {"en_US.UTF-8", '.'}};
    for (const auto& [name, separator] : rows) {
        const locale_t probe = newlocale(LC_NUMERIC_MASK, name, static_cast<locale_t>(nullptr));
        if (probe == static_cast<locale_t>(nullptr)) {
            continue;  // not generated on this machine
        }
        freelocale(probe);
        setenv("LC_ALL", name, 1);
        EXPECT_EQ(userDecimalSeparator(), separator) << name;
        EXPECT_EQ(std::setlocale(LC_NUMERIC, nullptr), processLocale) << name;
    }
    setenv("LC_ALL", "no_SUCH.locale", 1);
    EXPECT_EQ(userDecimalSeparator(), '.');
    if (saved != nullptr) {
        setenv("LC_ALL", kept.c_str(), 1);
    } else {
        unsetenv("LC_ALL");
    }
}
