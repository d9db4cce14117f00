#include "engine/NumberFormat.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

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

// The shortest digits that read back as the value (positive, finite), and the decimal exponent
// of the first: as std::to_chars chooses them, which not every standard library offers for
// floating point. The correctly rounded n digits are the closest of their length; just above a
// power of two the gap below the value is half the gap above, and there the next n digits up
// may read back where the closest do not.
struct Shortest {
    std::string digits;
    int exponent = 0;
};

Shortest ShortestDigits(double magnitude) {
    char buffer[40];
    for (int precision = 1; precision <= 17; ++precision) {
        std::snprintf(buffer, sizeof buffer, "%.*e", precision - 1, magnitude);
        const char* e = std::strchr(buffer, 'e');
        Shortest s;
        for (const char* p = buffer; p != e; ++p) {
            if (*p != '.') s.digits.push_back(*p);
        }
        s.exponent = std::atoi(e + 1);
        if (std::strtod(buffer, nullptr) == magnitude) return s;
        if (std::strtod(buffer, nullptr) > magnitude) continue;
        // One unit up in the last digit.
        std::string up = s.digits;
        std::size_t k = up.size();
        while (k > 0 && up[k - 1] == '9')
            up[--k] = '0';
        int exponent = s.exponent;
        if (k == 0) {
            up.insert(up.begin(), '1');
            up.pop_back();
            ++exponent;
        } else {
            ++up[k - 1];
        }
        const std::string text =
            up.substr(0, 1) + "." + up.substr(1) + "e" + std::to_string(exponent);
        if (std::strtod(text.c_str(), nullptr) == magnitude) return {up, exponent};
    }
    return {};  // not reached: 17 digits always read back
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

std::string ShortestFixed(double value) {
    if (!std::isfinite(value)) return value != value ? "nan" : (value > 0 ? "inf" : "-inf");
    if (value == 0.0) return std::signbit(value) ? "-0" : "0";
    // From 2^53 on every double is a whole number, and written out in full it is as short as
    // any text that reads back, and the closest: that is the one to take.
    if (std::fabs(value) >= 0x1p53) {
        char buffer[320];
        std::snprintf(buffer, sizeof buffer, "%.0f", value);
        return buffer;
    }
    Shortest s = ShortestDigits(std::fabs(value));
    while (s.digits.size() > 1 && s.digits.back() == '0')
        s.digits.pop_back();
    std::string text = value < 0 ? "-" : "";
    const auto digits = static_cast<int>(s.digits.size());
    if (s.exponent < 0) {
        text += "0." + std::string(static_cast<std::size_t>(-s.exponent - 1), '0') + s.digits;
    } else if (s.exponent + 1 >= digits) {
        text += s.digits + std::string(static_cast<std::size_t>(s.exponent + 1 - digits), '0');
    } else {
        const auto point = static_cast<std::size_t>(s.exponent) + 1;
        text += s.digits.substr(0, point) + "." + s.digits.substr(point);
    }
    return text;
}

std::string FormatFixed(double value, int decimals, char separator) {
    // Rounds the shortest decimal text of the value, the number as the pupil typed it, so that
    // 2,675 and 1,005 both round up; halves go away from zero; -0,00 is shown as 0,00.
    if (!std::isfinite(value)) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
        return buffer;
    }
    std::string text = ShortestFixed(std::fabs(value));
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
