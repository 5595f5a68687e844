#include "model/NumberFormat.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace fundis {

namespace {

std::string withSeparator(std::string text, char decimalSeparator) {
    for (char& ch : text) {
        if (ch == '.') {
            ch = decimalSeparator;
        }
    }
    return text;
}

bool isZeroText(const std::string& text) {
    for (char ch : text) {
        if (ch != '-' && ch != '0' && ch != '.' && ch != ',') {
            return false;
        }
    }
    return true;
}

}  // namespace

std::string formatFixed(double value, int decimals, char decimalSeparator) {
    if (!std::isfinite(value)) {
        return std::isnan(value) ? "NAN" : (value > 0 ? "INF" : "-INF");
    }
    constexpr int kPrecision = 7;
    // one rounding, at whichever comes first: the last decimal or the 7th significant digit
    const int exponent = value == 0.0 ? 0 : static_cast<int>(std::floor(std::log10(std::fabs(value))));
    const int shown = std::min(decimals, kPrecision - 1 - exponent);
    char buffer[64];
    if (shown < 0) {
        std::snprintf(buffer, sizeof buffer, "%.*E", kPrecision - 1, value);
        return withSeparator(buffer, decimalSeparator);
    }
    std::snprintf(buffer, sizeof buffer, "%.*f", shown, value);
    std::string text = buffer;
    if (shown < decimals) {
        if (shown == 0) {
            text += '.';
        }
        text.append(static_cast<std::size_t>(decimals - shown), '0');
    }
    if (text.front() == '-' && isZeroText(text)) {
        text.erase(0, 1);
    }
    return withSeparator(text, decimalSeparator);
}

std::string formatGeneral(double value, int significantDigits) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*g", significantDigits, value);
    return buffer;
}

float textToFloat(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && std::isspace(static_cast<unsigned char>(text[pos]))) {
        ++pos;
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    const std::size_t digitsStart = pos;
    auto isDigit = [&](std::size_t i) { return i < text.size() && text[i] >= '0' && text[i] <= '9'; };
    std::size_t mantissaDigits = 0;
    while (isDigit(pos)) {
        ++pos;
        ++mantissaDigits;
    }
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        while (isDigit(pos)) {
            ++pos;
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0) {
        return 0.0f;
    }
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t exponentPos = pos + 1;
        if (exponentPos < text.size() && (text[exponentPos] == '+' || text[exponentPos] == '-')) {
            ++exponentPos;
        }
        if (isDigit(exponentPos)) {
            pos = exponentPos;
            while (isDigit(pos)) {
                ++pos;
            }
        }
    }
    double value = 0.0;
    const auto result = std::from_chars(text.data() + digitsStart, text.data() + pos, value);
    if (result.ec == std::errc::result_out_of_range) {
        // from_chars leaves the value alone on overflow; strtod's answer is HUGE_VAL or 0
        value = std::strtod(std::string(text.substr(digitsStart, pos - digitsStart)).c_str(), nullptr);
    }
    return static_cast<float>(negative ? -value : value);
}

int textToInt(std::string_view text, bool* ok) {
    std::size_t pos = 0;
    while (pos < text.size() && std::isspace(static_cast<unsigned char>(text[pos]))) {
        ++pos;
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    long long value = 0;
    bool anyDigit = false;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
        anyDigit = true;
        if (value < 10000000000LL) {
            value = value * 10 + (text[pos] - '0');
        }
        ++pos;
    }
    if (ok != nullptr) {
        *ok = anyDigit;
    }
    if (negative) {
        value = -value;
    }
    if (value > 2147483647LL) {
        value = 2147483647LL;
    }
    if (value < -2147483648LL) {
        value = -2147483648LL;
    }
    return static_cast<int>(value);
}

}  // namespace fundis
