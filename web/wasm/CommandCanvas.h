#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/Canvas.h"

// The browser's canvas: every drawing call of a frame, in order, as a few 32-bit words in one
// buffer (texts as UTF-8 in a second one), which the page reads from the module's memory and
// replays on an HTML canvas, instead of one call into the page per drawing call. Each command
// starts with its letter, then its arguments:
//   'S' colour                       FillSurface (RGB565)
//   'F' left top right bottom colour FillRect
//   'D' set index x y                DrawSprite
//   'T' x y size offset length       SurfaceTextOut (the text at offset in the text buffer)
//   'W' width offset length          TextWidth: the width it answered, for the record
//   'Z' size                         SetFontSize
//   'P' rgb                          SetPenColour
//   'M' x y                          MoveTo
//   'L' x y                          LineTo
//   'R'                              ReleaseText
//   '!'                              Present
// Widths are the desktop's (TextMetrics.h), so that the engine places its text as there.
class CommandCanvas final : public Canvas {
  public:
    // Starts the next frame's buffers; the pen and the font size carry over, as on the desktop.
    void Clear();
    const std::vector<int32_t>& Words() const { return words_; }
    const std::string& Texts() const { return texts_; }

    void FillSurface(uint16_t colour) override;
    void FillRect(int left, int top, int right, int bottom, uint16_t colour) override;
    void DrawSprite(SpriteSet set, int index, int x, int y) override;
    void SurfaceTextOut(int x, int y, int size, const std::string& text) override;
    int TextWidth(const std::string& text) override;
    void SetFontSize(int size) override;
    void SetPenColour(Rgb colour) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void ReleaseText() override;
    void Present() override;

  private:
    void Text(const std::string& text);

    std::vector<int32_t> words_;
    std::string texts_;
    int fontSize_ = 12;
};
