#pragma once

#include <QColor>
#include <cstdint>

// The 16-bit surface colours: 5 bits red, 6 green, 5 blue, each scaled to 0..255 and truncated
// (1111 shows as RGB(0, 137, 189), 11112 as RGB(41, 109, 65)).
constexpr QRgb Rgb565ToRgb(uint16_t v) {
    const unsigned r = ((v >> 11) & 31u) * 255u / 31u;
    const unsigned g = ((v >> 5) & 63u) * 255u / 63u;
    const unsigned b = (v & 31u) * 255u / 31u;
    return 0xFF000000u | (r << 16) | (g << 8) | b;
}

// The 16-bit value a shown colour came from; exact for every colour Rgb565ToRgb gives.
constexpr uint16_t RgbToRgb565(QRgb c) {
    const unsigned r = (qRed(c) * 31u + 127u) / 255u;
    const unsigned g = (qGreen(c) * 63u + 127u) / 255u;
    const unsigned b = (qBlue(c) * 31u + 127u) / 255u;
    return static_cast<uint16_t>((r << 11) | (g << 5) | b);
}
