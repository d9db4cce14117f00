#pragma once

#include <optional>
#include <string>
#include <string_view>

// Numbers read and written the same way by every compiler and C library, whatever the
// process's locale: no floating-point std::to_chars (libc++ has none) and no function of the
// maths library whose last bit may differ between libraries.

// A number as a pupil writes it: digits with at most one decimal separator, the comma or the
// point, anywhere ("12,5", "0.", ".5"). Nothing for any other text, and for a number too large
// for a double or so small that it would read as zero.
std::optional<double> ReadDecimal(std::string_view text);

// The fewest significant digits that read back as the same value, with the decimal exponent of
// the first: 0.0125 is {"125", -2}. The value is finite and not zero; its sign is left out.
struct ShortestDigits {
    std::string Digits;
    int Exponent = 0;
};
ShortestDigits ShortestDigitsOf(double value);

// The value in plain decimal notation with the point and no exponent, in the fewest digits
// that read back as the same value: "12.5", "1000000", "0.000001".
std::string ShortestDecimal(double value);

// The nearest double to 10^exponent.
double PowerOfTen(int exponent);

// The power of ten of a value's first significant digit, as floor(log10(|value|)) gives it for
// a finite value that is not zero.
int DecimalExponent(double value);
