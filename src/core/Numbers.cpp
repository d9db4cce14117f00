#include "core/Numbers.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// digits × 10^exponent, read without a decimal separator, so that no locale can get in the
// way; strtod rounds correctly in glibc and in musl alike.
double ReadScaled(const std::string& digits, long long exponent) {
    const std::string text = digits + 'e' + std::to_string(exponent);
    return std::strtod(text.c_str(), nullptr);
}

// The value's decimal digits rounded to `count` significant ones, and the exponent of the
// first. snprintf writes the exact binary value correctly rounded; whichever character the
// locale uses as decimal separator is skipped.
ShortestDigits RoundedDigits(double magnitude, int count) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", count - 1, magnitude);
    ShortestDigits out;
    const char* p = buffer;
    for (; *p && *p != 'e'; ++p) {
        if (IsDigit(*p)) out.Digits.push_back(*p);
    }
    out.Exponent = *p == 'e' ? std::atoi(p + 1) : 0;
    return out;
}

double ValueOf(const ShortestDigits& d) {
    return ReadScaled(d.Digits, d.Exponent - static_cast<long long>(d.Digits.size()) + 1);
}

// The digits one unit in the last place up or down, or nothing where that changes their count.
std::optional<ShortestDigits> Neighbour(ShortestDigits d, int step) {
    std::string& s = d.Digits;
    for (std::size_t k = s.size(); k-- > 0;) {
        if (step > 0 && s[k] == '9') {
            s[k] = '0';
            continue;
        }
        if (step < 0 && s[k] == '0') {
            s[k] = '9';
            continue;
        }
        s[k] = static_cast<char>(s[k] + step);
        if (s[0] == '0') return std::nullopt;
        return d;
    }
    return std::nullopt;
}

}  // namespace

std::optional<double> ReadDecimal(std::string_view text) {
    std::string digits;
    long long fraction = -1;  // digits after the separator, once there is one
    for (const char c : text) {
        if (IsDigit(c)) {
            digits.push_back(c);
            if (fraction >= 0) ++fraction;
        } else if ((c == ',' || c == '.') && fraction < 0) {
            fraction = 0;
        } else {
            return std::nullopt;
        }
    }
    if (digits.empty()) return std::nullopt;
    const double value = ReadScaled(digits, fraction > 0 ? -fraction : 0);
    const bool zero = digits.find_first_not_of('0') == std::string::npos;
    if (std::isinf(value) || (value == 0.0 && !zero)) return std::nullopt;
    return value;
}

ShortestDigits ShortestDigitsOf(double value) {
    const double magnitude = std::fabs(value);
    // At a power of two the doubles below lie closer than those above, and a neighbour of the
    // correctly rounded digits may read back where they do not.
    int binaryExponent = 0;
    const bool powerOfTwo = std::frexp(magnitude, &binaryExponent) == 0.5;
    for (int count = 1; count < 17; ++count) {
        const ShortestDigits d = RoundedDigits(magnitude, count);
        if (ValueOf(d) == magnitude) return d;
        if (!powerOfTwo) continue;
        for (const int step : {1, -1}) {
            const std::optional<ShortestDigits> n = Neighbour(d, step);
            if (n && ValueOf(*n) == magnitude) return *n;
        }
    }
    ShortestDigits d = RoundedDigits(magnitude, 17);
    while (d.Digits.size() > 1 && d.Digits.back() == '0')
        d.Digits.pop_back();
    return d;
}

std::string ShortestDecimal(double value) {
    if (std::isnan(value)) return "nan";
    if (std::isinf(value)) return value > 0 ? "inf" : "-inf";
    if (value == 0.0) return "0";
    std::string out = value < 0 ? "-" : "";
    ShortestDigits d = ShortestDigitsOf(value);
    while (d.Digits.size() > 1 && d.Digits.back() == '0')
        d.Digits.pop_back();
    const auto count = static_cast<long long>(d.Digits.size());
    if (d.Exponent < 0) {
        return out + "0." + std::string(static_cast<std::size_t>(-d.Exponent - 1), '0') + d.Digits;
    }
    const long long whole = d.Exponent + 1;
    if (count <= whole) {
        return out + d.Digits + std::string(static_cast<std::size_t>(whole - count), '0');
    }
    return out + d.Digits.substr(0, static_cast<std::size_t>(whole)) + '.' +
           d.Digits.substr(static_cast<std::size_t>(whole));
}

double PowerOfTen(int exponent) {
    return ReadScaled("1", exponent);
}

int DecimalExponent(double value) {
    const double magnitude = std::fabs(value);
    int exponent = RoundedDigits(magnitude, 17).Exponent;
    // The double nearest to a power of ten counts as that power, as log10 rounds it.
    if (PowerOfTen(exponent + 1) <= magnitude) ++exponent;
    if (magnitude < PowerOfTen(exponent)) --exponent;
    return exponent;
}
