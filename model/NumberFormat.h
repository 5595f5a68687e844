#pragma once

// Number <-> text in the forms the program shows and stores.

#include <string>
#include <string_view>

namespace fundis {

// Report, printed report and scheme table: rounded to 7 significant digits, then shown with
// `decimals` places ("12345.6789" -> "12345.680"); a value too large for 7 digits in its integer
// part falls back to exponent notation. Never prints a negative zero.
std::string formatFixed(double value, int decimals, char decimalSeparator);

// The report's usual form: 3 decimals.
inline std::string formatReport(double value, char decimalSeparator) {
    return formatFixed(value, 3, decimalSeparator);
}

// General notation of %g / a default text stream: trailing zeros dropped, "." as separator,
// exponent form when the exponent is below -4 or not below the precision.
std::string formatGeneral(double value, int significantDigits);

// An edit's text as a number, the way the C locale's decimal conversion reads it: leading white
// space skipped, optional sign, digits with "." and an optional exponent, stopping at the first
// character that does not fit. No number at the start (the empty text included) gives 0.
float textToFloat(std::string_view text);

// The same for a decimal integer: white space, optional sign, digits; no digits give 0.
// `ok` (when given) tells whether any digits were found.
int textToInt(std::string_view text, bool* ok = nullptr);

}  // namespace fundis
