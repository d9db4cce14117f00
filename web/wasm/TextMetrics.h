#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// The surface font (bold "Arial", which the desktop finds as Liberation Sans Bold) measured as
// the desktop's Qt measures it, so that the browser's frames place their text exactly where
// the desktop's do. Qt takes each character's advance in font units scaled to the pixel size
// and cut to 1/64 px, adds the kerning of each neighbouring pair rounded to 1/64 px (halves
// up), and rounds the sum to whole pixels (halves up).
struct GlyphAdvance {
    char32_t code;
    uint16_t units;
};

struct KerningPair {
    char32_t first;
    char32_t second;
    int16_t units;
};

struct SurfaceFontTable {
    int unitsPerEm;
    uint16_t missingUnits;  // a character the font lacks (the desktop would borrow another font)
    const GlyphAdvance* advances;  // sorted by code
    std::size_t advanceCount;
    const KerningPair* kerning;  // sorted by first, then second
    std::size_t kerningCount;
    const int16_t* ascents;  // by pixel size, from 0
    int ascentCount;
};

// Generated at build time from the desktop's own font metrics.
extern const SurfaceFontTable kSurfaceFont;

// Pixel size of a size in points of a 96-dpi screen.
int SurfacePixelSize(int points);

// Width in whole pixels of UTF-8 text at a size in points, as the desktop's canvas gives it.
int SurfaceTextWidth(const SurfaceFontTable& font, std::string_view utf8, int points);
inline int SurfaceTextWidth(std::string_view utf8, int points) {
    return SurfaceTextWidth(kSurfaceFont, utf8, points);
}

// Distance in pixels from the top of a text line to its baseline.
int SurfaceTextAscent(const SurfaceFontTable& font, int points);
inline int SurfaceTextAscent(int points) {
    return SurfaceTextAscent(kSurfaceFont, points);
}
