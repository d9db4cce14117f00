#pragma once

#include <cstdint>
#include <string>

// The two sprite sets: particle discs, and the pictures of the thermometer and manometer.
enum class SpriteSet { DXImageList1, DXImageList2 };

inline constexpr int kSpriteCount1 = 19;
inline constexpr int kSpriteCount2 = 5;

// 24-bit colour of text, lines and pictures: 0xRRGGBB.
using Rgb = uint32_t;
constexpr Rgb MakeRgb(int r, int g, int b) {
    return (static_cast<Rgb>(r) << 16) | (static_cast<Rgb>(g) << 8) | static_cast<Rgb>(b);
}

// The drawing operations of a frame. Fill colours are raw 16-bit RGB565 values; rectangles
// exclude their right and bottom edges; text is UTF-8, its size in points of a 96-dpi screen.
class Canvas {
  public:
    virtual ~Canvas() = default;

    virtual void FillSurface(uint16_t colour) = 0;
    virtual void FillRect(int left, int top, int right, int bottom, uint16_t colour) = 0;
    virtual void DrawSprite(SpriteSet set, int index, int x, int y) = 0;
    // Bold Arial, RGB(250, 250, 250), transparent background, top-left corner at (x, y).
    virtual void SurfaceTextOut(int x, int y, int size, const std::string& text) = 0;
    // Width in pixels of text in the current font (the last one set by SurfaceTextOut or
    // SetFontSize).
    virtual int TextWidth(const std::string& text) = 0;
    virtual void SetFontSize(int size) = 0;
    virtual void SetPenColour(Rgb colour) = 0;
    virtual void MoveTo(int x, int y) = 0;
    // A 1-pixel line in the pen's colour, excluding the end point.
    virtual void LineTo(int x, int y) = 0;
    virtual void ReleaseText() = 0;
    // Shows the frame drawn so far. The window calls it after a render; renderers never do.
    virtual void Present() = 0;
};

// A canvas that draws nothing, for measuring the simulation alone.
class NullCanvas final : public Canvas {
  public:
    void FillSurface(uint16_t) override {}
    void FillRect(int, int, int, int, uint16_t) override {}
    void DrawSprite(SpriteSet, int, int, int) override {}
    void SurfaceTextOut(int, int, int, const std::string&) override {}
    int TextWidth(const std::string& text) override { return static_cast<int>(text.size()) * 8; }
    void SetFontSize(int) override {}
    void SetPenColour(Rgb) override {}
    void MoveTo(int, int) override {}
    void LineTo(int, int) override {}
    void ReleaseText() override {}
    void Present() override {}
};
