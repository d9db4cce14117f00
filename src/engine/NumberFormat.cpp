#include "engine/NumberFormat.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

struct Rule {
    int precision;
    int exponentDigits;
    double fixedFrom;  // smaller magnitudes (other than 0) take exponent form
};

Rule RuleOf(GeneralFormat f) {
    switch (f) {
        case GeneralFormat::G3:
            return {3, 1, 0.00001};
        case GeneralFormat::G4:
            return {4, 1, 0.0001};
        case GeneralFormat::G5:
            return {5, 3, 0.00001};
        case GeneralFormat::G15:
            return {15, 1, 0.00001};
    }
    return {15, 1, 0.00001};
}

void StripTrailingZeros(std::string& digits) {
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
}

}  // namespace

std::string FormatGeneral(double value, GeneralFormat format) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
    if (value == 0.0) return "0";

    const Rule rule = RuleOf(format);
    const double magnitude = std::fabs(value);

    // Round to the significant digits once, in decimal: "d.ddd...e+XX".
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", rule.precision - 1, magnitude);
    std::string digits;
    const char* p = buffer;
    for (; *p != 'e'; ++p) {
        if (*p != '.') digits.push_back(*p);
    }
    const int exponent = std::atoi(p + 1);
    StripTrailingZeros(digits);

    std::string out = value < 0 ? "-" : "";
    if (exponent >= rule.precision || magnitude < rule.fixedFrom) {
        out += digits[0];
        if (digits.size() > 1) out += "," + digits.substr(1);
        std::string e = std::to_string(std::abs(exponent));
        if (static_cast<int>(e.size()) < rule.exponentDigits) {
            e.insert(0, static_cast<std::size_t>(rule.exponentDigits) - e.size(), '0');
        }
        out += exponent < 0 ? "E-" : "E";
        out += e;
        return out;
    }
    if (exponent >= 0) {
        const auto intLength = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= intLength) {
            out += digits + std::string(intLength - digits.size(), '0');
        } else {
            out += digits.substr(0, intLength) + "," + digits.substr(intLength);
        }
    } else {
        out += "0," + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    }
    return out;
}

std::string FormatFixed(double value, int decimals) {
    // Halves round away from zero, as a display format does; -0,00 is shown as 0,00.
    const double scale = std::pow(10.0, decimals);
    double rounded = std::round(value * scale) / scale;
    if (rounded == 0.0) rounded = 0.0;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, rounded);
    std::string out = buffer;
    for (char& c : out) {
        if (c == '.') c = ',';
    }
    return out;
}
