// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Number <-> text in the forms the program shows and stores. None of them looks at the process
// locale: files always hold ".", the report takes its separator as a parameter.

#include <string>
#include <string_view>

namespace fundis {

// The decimal separator of the user's LC_NUMERIC (from the environment), asked of the C library
// without switching the process's locale; "." when it is not one ASCII character. The window's
// report and fundis-cli both show numbers with it.
char userDecimalSeparator();

// Report, printed report and scheme table: rounded to 7 significant digits, then shown with
// `decimals` places ("12345.6789" -> "12345.680"); a value too large for 7 digits in its integer
// part falls back to exponent notation. Never prints a negative zero.
std::string formatFixed(double value, int decimals, char decimalSeparator);

// General notation of %g / a default text stream: trailing zeros dropped, "." as separator,
// exponent form when the exponent is below -4 or not below the precision.
std::string formatGeneral(double value, int significantDigits);

// The number at the start of a text, read the way the C locale's decimal conversion reads it but
// with "." or "," as the decimal separator: leading white space skipped, optional sign, digits with
// one separator and an optional exponent, stopping at the first character that does not fit.
// `length` counts the characters taken.
struct LeadingNumber {
    bool found = false;
    double value = 0.0;
    std::size_t length = 0;
};
LeadingNumber readLeadingNumber(std::string_view text);

// An edit's text as a number, as readLeadingNumber reads it ("18,5" is 18.5). No number at the
// start (the empty text included) gives 0.
float textToFloat(std::string_view text);

// The text is one number as textToFloat reads it, with nothing before or after it.
bool isNumberText(std::string_view text);

// A text as the files keep it: one number with a decimal comma gets the point ("18,5" -> "18.5");
// any other text stays as it is.
std::string numberTextForFile(std::string text);

// The decimal integer at the start of a text, as a formatted stream reads it: white space (line
// ends too), an optional sign, digits. `fits` is false when it does not fit an int.
struct LeadingInteger {
    bool found = false;
    bool fits = true;
    int value = 0;  // clamped to the int range
    std::size_t length = 0;
};
LeadingInteger readLeadingInteger(std::string_view text);

// The same as a number of an edit: no digits give 0. `ok` (when given) tells whether any digits
// were found.
int textToInt(std::string_view text, bool* ok = nullptr);

}  // namespace fundis
