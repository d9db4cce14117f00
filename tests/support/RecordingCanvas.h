#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/Canvas.h"

// A canvas that keeps every drawing call, for checking what a frame draws.
class RecordingCanvas final : public Canvas {
  public:
    struct Fill {
        int left, top, right, bottom;
        uint16_t colour;
    };
    struct SpriteCall {
        SpriteSet set;
        int index, x, y;
    };
    struct Text {
        int x, y, size;
        std::string text;
    };
    struct Line {
        int x0, y0, x1, y1;
        Rgb colour;
    };
    enum class Op { FillSurface, FillRect, Sprite, Text, Line, Release, Present };

    std::vector<Op> ops;
    std::vector<Fill> fills;  // FillSurface is kept as a fill of the whole surface
    std::vector<SpriteCall> sprites;
    std::vector<Text> texts;
    std::vector<Line> lines;
    int presents = 0;
    int releases = 0;
    int fontSize = 12;
    int charWidth = 7;  // TextWidth: characters x this width x size / 12

    void FillSurface(uint16_t colour) override {
        ops.push_back(Op::FillSurface);
        fills.push_back({0, 0, 1024, 768, colour});
    }
    void FillRect(int l, int t, int r, int b, uint16_t colour) override {
        ops.push_back(Op::FillRect);
        fills.push_back({l, t, r, b, colour});
    }
    void DrawSprite(SpriteSet set, int index, int x, int y) override {
        ops.push_back(Op::Sprite);
        sprites.push_back({set, index, x, y});
    }
    void SurfaceTextOut(int x, int y, int size, const std::string& text) override {
        ops.push_back(Op::Text);
        fontSize = size;
        texts.push_back({x, y, size, text});
    }
    int TextWidth(const std::string& text) override {
        return static_cast<int>(text.size()) * charWidth * fontSize / 12;
    }
    void SetFontSize(int size) override { fontSize = size; }
    void SetPenColour(Rgb colour) override { pen_ = colour; }
    void MoveTo(int x, int y) override {
        x_ = x;
        y_ = y;
    }
    void LineTo(int x, int y) override {
        ops.push_back(Op::Line);
        lines.push_back({x_, y_, x, y, pen_});
        x_ = x;
        y_ = y;
    }
    void ReleaseText() override {
        ops.push_back(Op::Release);
        ++releases;
    }
    void Present() override {
        ops.push_back(Op::Present);
        ++presents;
    }

    void Clear() { *this = RecordingCanvas(); }

    // The first text drawn at (x, y), or nullptr.
    const Text* TextAt(int x, int y) const {
        for (const Text& t : texts) {
            if (t.x == x && t.y == y) return &t;
        }
        return nullptr;
    }

  private:
    Rgb pen_ = 0;
    int x_ = 0;
    int y_ = 0;
};
