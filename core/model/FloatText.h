// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Floating-point numbers as text, the same in every build of the program: the desktop's C++ library
// and the browser edition's (whose library has no floating std::to_chars) give the same characters.
// No locale is looked at: "." always.

#include <string>

namespace fundis {

enum class FloatNotation {
    Fixed,       // printf's %.*f
    Scientific,  // printf's %.*e
    General,     // printf's %.*g
};

// printf's form of `notation` with `precision` in the "C" locale (std::to_chars with a precision).
std::string formatFloat(double value, FloatNotation notation, int precision);

// The shortest text that reads back to the same double, in fixed or exponent notation, whichever is
// shorter, fixed on a tie: "0.1", "1e+20", "1505.11" (std::to_chars without a format).
std::string shortestFloat(double value);

// The shortest text that reads back to the same double, in fixed notation: "1000000", "0.00001"
// (std::to_chars with the fixed format and no precision).
std::string shortestFixed(double value);

}  // namespace fundis
