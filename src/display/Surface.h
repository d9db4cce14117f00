#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRegion>
#include <functional>
#include <string>
#include <vector>

#include "engine/Canvas.h"

// The off-screen drawing surface: a 1024 x 768 picture that every frame is drawn on from
// scratch and then presented in one step. Fills, sprites and lines write pixels directly;
// text goes through a painter that ReleaseText ends.
class Surface final : public Canvas {
  public:
    static constexpr int kWidth = 1024;
    static constexpr int kHeight = 768;

    Surface();
    ~Surface() override;

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

    // The picture drawn so far in this frame, and the last one presented.
    const QImage& Back() const { return back_; }
    const QImage& Front() const { return front_; }

    // Called after each Present with the new picture (the window repaints from it).
    void SetPresentHandler(std::function<void()> handler) { onPresent_ = std::move(handler); }

    // Where the last presented picture differs from the one before it, in whole tiles: the
    // only part a window needs to paint again. Empty when nothing changed.
    const QRegion& Changed() const { return changed_; }

    // The tiles in which two pictures of the surface's size differ.
    static QRegion ChangedRegion(const QImage& before, const QImage& after);
    static constexpr int kTile = 32;
    static_assert(kWidth % kTile == 0 && kHeight % kTile == 0);

    // Bold Arial at a point size of a 96-dpi screen.
    static QFont SurfaceFont(int size);

    // One draw call of a frame, kept so that a scaled view can draw the frame again at its
    // device's own pixels instead of enlarging the picture.
    struct Command {
        enum class Kind : uint8_t { Fill, Sprite, Text, Line };
        Kind kind;
        // Fill: left, top, right, bottom; Sprite: set, index, x, y; Text: x, y, size;
        // Line: from x, from y, to x, to y.
        int a, b, c, d;
        QRgb colour;  // of a fill or a line
        std::string text;
    };
    // The draw calls of the last presented picture, in order.
    const std::vector<Command>& FrontCommands() const { return frontCommands_; }

    // The tiles in which the last presented draw calls differ from the ones before: drawn again
    // at a device's own pixels, these are the tiles that may look different, even where the
    // surface's own pixels came out the same (a vector turned by less than a pixel).
    const QRegion& CommandsChanged() const { return commandsChanged_; }

  private:
    void BeginText();
    void Record(Command command, QRect reach);

    QImage back_;
    QImage front_;
    QPainter painter_;
    QFont font_;
    QRgb pen_ = 0xFF000000u;
    int penX_ = 0;
    int penY_ = 0;
    std::function<void()> onPresent_;
    std::vector<Command> backCommands_;
    std::vector<Command> frontCommands_;
    // For each tile, a hash of the draw calls that reach it, in order: the frame being drawn's
    // and the last presented one's.
    std::vector<uint64_t> backTiles_;
    std::vector<uint64_t> frontTiles_;
    QRegion commandsChanged_{0, 0, kWidth, kHeight};
    QRegion changed_{0, 0, kWidth, kHeight};
};
