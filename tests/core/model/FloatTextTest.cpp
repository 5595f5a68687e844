// SPDX-License-Identifier: GPL-3.0-or-later
// The same rows run in the desktop's build and in the browser edition's (under node): the texts
// may not depend on the C++ library the core is built with.
#include "core/model/FloatText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <tuple>

#ifndef __EMSCRIPTEN__
#include <charconv>
#endif

using namespace fundis;

// printf's forms with a precision, as the report, the HTML page and the fills write numbers
TEST(FormatFloat, PrintfFormsWithAPrecision) {
    using N = FloatNotation;
    const std::tuple<double, N, int, const char*> rows[] = {
        // fixed: rounded half to even on the exact binary value, never an exponent
        {12345.6789, N::Fixed, 3, "12345.679"},
        {0.125, N::Fixed, 2, "0.12"},
        {0.375, N::Fixed, 2, "0.38"},
        {2.5, N::Fixed, 0, "2"},
        {-0.0004, N::Fixed, 3, "-0.000"},
        {1e21, N::Fixed, 1, "1000000000000000000000.0"},
        {1.35f, N::Fixed, 7, "1.3500000"},
        {0.1, N::Fixed, 20, "0.10000000000000000555"},
        // scientific: at least two digits of exponent
        {123456789.0, N::Scientific, 6, "1.234568e+08"},
        {-0.00012, N::Scientific, 2, "-1.20e-04"},
        {5e-324, N::Scientific, 3, "4.941e-324"},
        {0.0, N::Scientific, 0, "0e+00"},
        // general: trailing zeros dropped, exponent below -4 or not below the precision
        {100000.0, N::General, 6, "100000"},
        {1000000.0, N::General, 6, "1e+06"},
        {0.0001, N::General, 6, "0.0001"},
        {0.00001, N::General, 6, "1e-05"},
        {2.5, N::General, 15, "2.5"},
        {1.35f, N::General, 15, "1.35000002384186"},
        {123.456, N::General, 2, "1.2e+02"},
        {0.5, N::General, 0, "0.5"},
        {-7.0, N::General, 5, "-7"},
        {1.0 / 3, N::General, 17, "0.33333333333333331"},
    };
    for (const auto& [value, notation, precision, text] : rows) {
        EXPECT_EQ(formatFloat(value, notation, precision), text) << value << " precision " << precision;
    }
}

// The shortest texts that read back: JSON numbers (either notation) and DXF coordinates (fixed)
TEST(ShortestFloat, ShortestTextThatReadsBack) {
    const std::tuple<double, const char*, const char*> rows[] = {
        // value, either notation, fixed only
        {0.0, "0", "0"},
        {-0.0, "-0", "-0"},
        {1.0, "1", "1"},
        {100.0, "100", "100"},
        {1e6, "1e+06", "1000000"},
        {1505.11, "1505.11", "1505.11"},
        {-1505.11, "-1505.11", "-1505.11"},
        {0.1, "0.1", "0.1"},
        {0.0001, "1e-04", "0.0001"},
        {0.00015, "0.00015", "0.00015"},
        {1.5e-7, "1.5e-07", "0.00000015"},
        {1e20, "1e+20", "100000000000000000000"},
        {1.35f, "1.350000023841858", "1.350000023841858"},
        {12345678.0, "12345678", "12345678"},
        // past 2^53 a fixed integer is written with its exact digits
        {1.2345678901234568e20, "123456789012345683968", "123456789012345683968"},
        {5e-324, "5e-324", nullptr},
        {1.7976931348623157e308, "1.7976931348623157e+308", nullptr},
    };
    for (const auto& [value, shortest, fixed] : rows) {
        EXPECT_EQ(shortestFloat(value), shortest) << value;
        if (fixed != nullptr) {
            EXPECT_EQ(shortestFixed(value), fixed) << value;
        }
    }
}

#ifndef __EMSCRIPTEN__
namespace {

std::string standardText(double value, std::chars_format format, int precision) {
    char buffer[1200];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, format, precision);
    return {buffer, result.ptr};
}

std::string standardShortest(double value, bool fixedOnly) {
    char buffer[400];
    const auto result = fixedOnly
                            ? std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed)
                            : std::to_chars(buffer, buffer + sizeof buffer, value);
    return {buffer, result.ptr};
}

}  // namespace

// Where the C++ library has the floating std::to_chars, every form agrees with it: random bit
// patterns over the whole range and decimal-looking values of every magnitude the program meets
TEST(FormatFloat, AgreesWithTheStandardLibrary) {
    std::mt19937_64 random(20240521);
    std::uniform_int_distribution<int> exponent(-30, 30);
    std::uniform_int_distribution<int> mantissa(0, 99999999);
    int compared = 0;
    for (int i = 0; i < 20000; ++i) {
        double value = 0;
        if (i % 2 == 0) {
            const std::uint64_t bits = random();
            std::memcpy(&value, &bits, sizeof value);
            if (!std::isfinite(value)) {
                continue;
            }
        } else {
            value = mantissa(random) * std::pow(10.0, exponent(random));
            if (i % 3 == 0) {
                value = static_cast<float>(-value);
            }
        }
        const std::pair<FloatNotation, std::chars_format> forms[] = {
            {FloatNotation::Fixed, std::chars_format::fixed},
            {FloatNotation::Scientific, std::chars_format::scientific},
            {FloatNotation::General, std::chars_format::general}};
        const int precision = i % 18;
        for (const auto& [notation, format] : forms) {
            if (notation == FloatNotation::Fixed && std::fabs(value) > 1e300) {
                continue;  // past the standard text's buffer
            }
            ASSERT_EQ(formatFloat(value, notation, precision), standardText(value, format, precision))
                << value << " precision " << precision;
        }
        ASSERT_EQ(shortestFloat(value), standardShortest(value, false)) << value;
        if (std::fabs(value) < 1e300 && (value == 0 || std::fabs(value) > 1e-300)) {
            ASSERT_EQ(shortestFixed(value), standardShortest(value, true)) << value;
        }
        ++compared;
    }
    EXPECT_GT(compared, 19000);
}
#endif
