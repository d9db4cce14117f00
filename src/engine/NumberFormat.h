#pragma once

#include <string>

// The general number formats of the program's texts: at most the given number of significant
// digits, shortest form, no trailing zeros, the comma as decimal separator unless another is
// given (the English texts write a point), and exponent form ("1,234E-5", "1,2346E-006") only
// where fixed notation does not fit.
enum class GeneralFormat {
    G3,   // status lines: speeds, free path
    G4,   // heat-transport temperatures; exponent below 0,0001
    G5,   // temperature and pressure lines; exponent of at least 3 digits
    G15,  // printed table values
};

std::string FormatGeneral(double value, GeneralFormat format, char separator = ',');

// The shortest decimal text in fixed notation that reads back as the value, with a point, as
// std::to_chars(value, std::chars_format::fixed) writes it; the same digits with every compiler.
std::string ShortestFixed(double value);

// Fixed notation with the given number of decimals, as the pattern "0.00" with a comma (or the
// separator given).
std::string FormatFixed(double value, int decimals, char separator = ',');

// Whole numbers are written in plain decimal.
inline std::string FormatInt(long long value) {
    return std::to_string(value);
}
