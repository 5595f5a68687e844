// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/model/FloatText.h"

// Debian's libfmt, header-only: nothing to link in either build
#define FMT_HEADER_ONLY
#include <fmt/format.h>

#include <cmath>
#include <cstdlib>

namespace fundis {

namespace {

// The shortest round-trip digits of a finite, non-zero value and the exponent of its first digit:
// 1505.11 gives "150511" and 3.
struct Digits {
    std::string digits;
    int exponent = 0;
};

Digits shortestDigits(double magnitude) {
    // libfmt's own layout of the shortest digits ("1505.11", "1e+20", "1.5e-07"), taken apart
    const std::string text = fmt::format("{}", magnitude);
    const std::size_t e = text.find('e');
    const std::string mantissa = text.substr(0, e);
    int exponent = e == std::string::npos ? 0 : std::atoi(text.c_str() + e + 1);
    const std::size_t point = mantissa.find('.');
    const std::string whole = mantissa.substr(0, point);
    const std::string all = point == std::string::npos ? whole : whole + mantissa.substr(point + 1);
    const std::size_t first = all.find_first_not_of('0');
    const std::size_t last = all.find_last_not_of('0');
    Digits digits;
    digits.digits = all.substr(first, last - first + 1);
    digits.exponent = exponent + static_cast<int>(whole.size()) - 1 - static_cast<int>(first);
    return digits;
}

std::string fixedLayout(double value, const Digits& d) {
    const int count = static_cast<int>(d.digits.size());
    if (d.exponent >= count - 1) {
        // an integer: its exact digits, which are the shortest (and nearest) that read back
        return fmt::format("{:.0f}", value);
    }
    const std::string sign = value < 0 ? "-" : "";
    if (d.exponent >= 0) {
        const auto split = static_cast<std::size_t>(d.exponent) + 1;
        return sign + d.digits.substr(0, split) + "." + d.digits.substr(split);
    }
    return sign + "0." + std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + d.digits;
}

std::string scientificLayout(double value, const Digits& d) {
    std::string text = value < 0 ? "-" : "";
    text += d.digits.front();
    if (d.digits.size() > 1) {
        text += "." + d.digits.substr(1);
    }
    return text + fmt::format("e{}{:02d}", d.exponent < 0 ? '-' : '+', std::abs(d.exponent));
}

bool plainText(double value) { return value == 0.0 || !std::isfinite(value); }

}  // namespace

std::string formatFloat(double value, FloatNotation notation, int precision) {
    switch (notation) {
        case FloatNotation::Fixed:
            return fmt::format("{:.{}f}", value, precision);
        case FloatNotation::Scientific:
            return fmt::format("{:.{}e}", value, precision);
        case FloatNotation::General:
            break;
    }
    return fmt::format("{:.{}g}", value, precision);
}

std::string shortestFloat(double value) {
    if (plainText(value)) {
        return fmt::format("{}", value);
    }
    const Digits d = shortestDigits(std::fabs(value));
    std::string fixed = fixedLayout(value, d);
    std::string scientific = scientificLayout(value, d);
    return scientific.size() < fixed.size() ? scientific : fixed;
}

std::string shortestFixed(double value) {
    if (plainText(value)) {
        return fmt::format("{}", value);
    }
    return fixedLayout(value, shortestDigits(std::fabs(value)));
}

}  // namespace fundis
