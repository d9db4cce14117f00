#include "core/Utf8.h"

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsSpace(char32_t c) {
    return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F ||
           c == 0x205F || c == 0x3000;
}

}  // namespace

std::u32string CodePoints(std::string_view text) {
    std::u32string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        int length = 0;
        char32_t c = 0;
        if (lead < 0x80) {
            length = 1;
            c = lead;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            c = lead & 0x1Fu;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            c = lead & 0x0Fu;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            c = lead & 0x07u;
        }
        bool whole = length > 0 && i + static_cast<std::size_t>(length) <= text.size();
        for (int k = 1; whole && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            whole = (next & 0xC0u) == 0x80u;
            c = (c << 6) | (next & 0x3Fu);
        }
        // Overlong forms, surrogates and values beyond Unicode are not characters.
        const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
        if (whole && length > 1 &&
            (c < least[length] || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF)) {
            whole = false;
        }
        if (!whole) {
            out.push_back(kReplacement);
            ++i;
            continue;
        }
        out.push_back(c);
        i += static_cast<std::size_t>(length);
    }
    return out;
}

std::string Utf8(std::u32string_view codePoints) {
    std::string out;
    out.reserve(codePoints.size());
    for (char32_t c : codePoints) {
        if (c >= 0xD800 && (c <= 0xDFFF || c > 0x10FFFF)) c = kReplacement;
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (c >> 12)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (c >> 18)));
            out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

std::string Simplified(std::string_view text) {
    std::u32string out;
    bool gap = false;
    for (char32_t c : CodePoints(text)) {
        if (IsSpace(c)) {
            gap = !out.empty();
            continue;
        }
        if (gap) out.push_back(U' ');
        gap = false;
        out.push_back(c);
    }
    return Utf8(out);
}
