#include "engine/NumberFormat.h"

#include <charconv>
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

std::string FormatGeneral(double value, GeneralFormat format, char separator) {
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
        if (digits.size() > 1) out += separator + digits.substr(1);
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
            out += digits.substr(0, intLength) + separator + digits.substr(intLength);
        }
    } else {
        out += std::string("0") + separator +
               std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    }
    return out;
}

std::string FormatFixed(double value, int decimals, char separator) {
    // Rounds the shortest decimal text of the value, the number as the pupil typed it, so that
    // 2,675 and 1,005 both round up; halves go away from zero; -0,00 is shown as 0,00.
    char buffer[400];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::fixed);
    if (error != std::errc() || !std::isfinite(value)) {
        std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
        return buffer;
    }
    std::string text(buffer, end);
    std::size_t point = text.find('.');
    if (point == std::string::npos) {
        point = text.size();
        text += '.';
    }
    text.append(static_cast<std::size_t>(decimals) + 1, '0');
    const bool roundUp = text[point + static_cast<std::size_t>(decimals) + 1] >= '5';
    text.resize(point + static_cast<std::size_t>(decimals) + 1);
    if (decimals == 0) text.pop_back();
    if (roundUp) {
        std::size_t k = text.size();
        while (k > 0) {
            --k;
            if (text[k] == '.') continue;
            if (text[k] != '9') {
                ++text[k];
                break;
            }
            text[k] = '0';
            if (k == 0) text.insert(text.begin(), '1');
        }
    }
    const bool zero = text.find_first_not_of("0.") == std::string::npos;
    if (value < 0 && !zero) text.insert(text.begin(), '-');
    for (char& c : text) {
        if (c == '.') c = separator;
    }
    return text;
}
