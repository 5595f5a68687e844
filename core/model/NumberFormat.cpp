// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/model/NumberFormat.h"

#include <langinfo.h>
#include <locale.h>  // NOLINT(modernize-deprecated-headers): newlocale and locale_t are POSIX, not <clocale>

#include <fast_float/fast_float.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

#include "core/model/FloatText.h"

// Every conversion here is locale-free: the desktop runs with the user's LC_NUMERIC (a decimal comma
// in a Russian locale), while the tables, the .dan files and kp.ini always use ".".

namespace fundis {

namespace {

std::string withSeparator(std::string text, char decimalSeparator) {
    std::replace(text.begin(), text.end(), '.', decimalSeparator);
    return text;
}

bool isZeroText(const std::string& text) { return text.find_first_not_of("-0.") == std::string::npos; }

bool isBlank(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r' || ch == '\v' || ch == '\f';
}

bool isDigit(char ch) { return ch >= '0' && ch <= '9'; }

// Moves `pos` past leading blanks and a sign; true for a minus.
bool skipBlanksAndSign(std::string_view text, std::size_t& pos) {
    while (pos < text.size() && isBlank(text[pos])) {
        ++pos;
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    return negative;
}

}  // namespace

char userDecimalSeparator() {
    char separator = '.';
    const locale_t user = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr));
    if (user != static_cast<locale_t>(nullptr)) {
        const char* point = nl_langinfo_l(RADIXCHAR, user);
        if (point != nullptr && std::strlen(point) == 1 && static_cast<unsigned char>(point[0]) < 128) {
            separator = point[0];
        }
        freelocale(user);
    }
    return separator;
}

std::string formatFixed(double value, int decimals, char decimalSeparator) {
    if (!std::isfinite(value)) {
        return std::isnan(value) ? "NAN" : (value > 0 ? "INF" : "-INF");
    }
    constexpr int kPrecision = 7;
    // one rounding, at whichever comes first: the last decimal or the 7th significant digit
    const int exponent = value == 0.0 ? 0 : static_cast<int>(std::floor(std::log10(std::fabs(value))));
    const int shown = std::min(decimals, kPrecision - 1 - exponent);
    if (shown < 0) {
        std::string text = formatFloat(value, FloatNotation::Scientific, kPrecision - 1);
        std::replace(text.begin(), text.end(), 'e', 'E');
        return withSeparator(text, decimalSeparator);
    }
    std::string text = formatFloat(value, FloatNotation::Fixed, shown);
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
    if (!std::isfinite(value)) {
        return std::isnan(value) ? "nan" : (value > 0 ? "inf" : "-inf");
    }
    return formatFloat(value, FloatNotation::General, significantDigits);
}

LeadingNumber readLeadingNumber(std::string_view text) {
    LeadingNumber number;
    std::size_t pos = 0;
    const bool negative = skipBlanksAndSign(text, pos);
    const std::size_t digitsStart = pos;
    std::size_t mantissaDigits = 0;
    while (pos < text.size() && isDigit(text[pos])) {
        ++pos;
        ++mantissaDigits;
    }
    // "." or "," as the decimal separator: a Russian user, and files written in a Russian locale,
    // write "18,5"
    char separator = '.';
    if (pos < text.size() && (text[pos] == '.' || text[pos] == ',')) {
        separator = text[pos];
        ++pos;
        while (pos < text.size() && isDigit(text[pos])) {
            ++pos;
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0) {
        return number;
    }
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t exponentPos = pos + 1;
        if (exponentPos < text.size() && (text[exponentPos] == '+' || text[exponentPos] == '-')) {
            ++exponentPos;
        }
        if (exponentPos < text.size() && isDigit(text[exponentPos])) {
            pos = exponentPos;
            while (pos < text.size() && isDigit(text[pos])) {
                ++pos;
            }
        }
    }
    // fast_float gives infinity or zero out of range, as the C conversion does
    double value = 0.0;
    fast_float::from_chars_advanced(text.data() + digitsStart, text.data() + pos, value,
                                    fast_float::parse_options{fast_float::chars_format::general, separator});
    number.found = true;
    number.value = negative ? -value : value;
    number.length = pos;
    return number;
}

float textToFloat(std::string_view text) { return static_cast<float>(readLeadingNumber(text).value); }

bool isNumberText(std::string_view text) {
    if (text.empty() || isBlank(text.front())) {
        return false;
    }
    const LeadingNumber number = readLeadingNumber(text);
    return number.found && number.length == text.size();
}

std::string numberTextForFile(std::string text) {
    if (isNumberText(text)) {
        std::replace(text.begin(), text.end(), ',', '.');
    }
    return text;
}

LeadingInteger readLeadingInteger(std::string_view text) {
    LeadingInteger number;
    std::size_t pos = 0;
    const bool negative = skipBlanksAndSign(text, pos);
    long long value = 0;
    while (pos < text.size() && isDigit(text[pos])) {
        number.found = true;
        if (value <= std::numeric_limits<int>::max() + 1LL) {
            value = value * 10 + (text[pos] - '0');
        }
        ++pos;
    }
    if (!number.found) {
        return number;
    }
    if (negative) {
        value = -value;
    }
    number.fits = value >= std::numeric_limits<int>::min() && value <= std::numeric_limits<int>::max();
    number.value = static_cast<int>(
        std::clamp<long long>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
    number.length = pos;
    return number;
}

int textToInt(std::string_view text, bool* ok) {
    const LeadingInteger number = readLeadingInteger(text);
    if (ok != nullptr) {
        *ok = number.found;
    }
    return number.value;
}

}  // namespace fundis
