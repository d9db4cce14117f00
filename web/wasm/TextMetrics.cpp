#include "TextMetrics.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// The next character of UTF-8 text; a malformed sequence gives U+FFFD for its first byte.
char32_t NextCode(std::string_view text, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(text[at++]);
    if (lead < 0x80) return lead;
    int more = 0;
    char32_t code = 0;
    if ((lead & 0xE0) == 0xC0) {
        more = 1;
        code = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        more = 2;
        code = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        more = 3;
        code = lead & 0x07;
    } else {
        return kReplacement;
    }
    if (at + static_cast<std::size_t>(more) > text.size()) return kReplacement;
    for (int k = 0; k < more; ++k) {
        const auto next = static_cast<unsigned char>(text[at + static_cast<std::size_t>(k)]);
        if ((next & 0xC0) != 0x80) return kReplacement;
        code = (code << 6) | (next & 0x3F);
    }
    at += static_cast<std::size_t>(more);
    return code;
}

int AdvanceUnits(const SurfaceFontTable& font, char32_t code) {
    const GlyphAdvance* end = font.advances + font.advanceCount;
    const GlyphAdvance* found = std::lower_bound(
        font.advances, end, code, [](const GlyphAdvance& g, char32_t c) { return g.code < c; });
    return found != end && found->code == code ? found->units : font.missingUnits;
}

int KerningUnits(const SurfaceFontTable& font, char32_t first, char32_t second) {
    const KerningPair* end = font.kerning + font.kerningCount;
    const KerningPair* found = std::lower_bound(
        font.kerning, end, std::pair{first, second},
        [](const KerningPair& k, const std::pair<char32_t, char32_t>& p) {
            return k.first < p.first || (k.first == p.first && k.second < p.second);
        });
    return found != end && found->first == first && found->second == second ? found->units : 0;
}

// floor(a / b) for b > 0, in whole numbers.
int64_t FloorDivide(int64_t a, int64_t b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

}  // namespace

int SurfacePixelSize(int points) {
    return static_cast<int>(std::lround(points * 4.0 / 3.0));
}

int SurfaceTextWidth(const SurfaceFontTable& font, std::string_view utf8, int points) {
    const int64_t pixels = SurfacePixelSize(points);
    const int64_t em = font.unitsPerEm;
    int64_t width = 0;  // 1/64 px
    char32_t previous = 0;
    bool first = true;
    for (std::size_t at = 0; at < utf8.size();) {
        const char32_t code = NextCode(utf8, at);
        width += FloorDivide(AdvanceUnits(font, code) * pixels * 64, em);
        if (!first)
            width += FloorDivide(KerningUnits(font, previous, code) * pixels * 128 + em, 2 * em);
        previous = code;
        first = false;
    }
    return static_cast<int>(FloorDivide(width + 32, 64));
}

int SurfaceTextAscent(const SurfaceFontTable& font, int points) {
    const int pixels = SurfacePixelSize(points);
    if (pixels < 0 || pixels >= font.ascentCount) return pixels * 9 / 10;
    return font.ascents[pixels];
}
