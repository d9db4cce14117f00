#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRegion>
#include <cmath>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "engine/Canvas.h"

// The off-screen drawing surface: a 1024 x 768 picture that every frame is drawn on from
// scratch and then presented in one step. A frame's draw calls are recorded and written into
// the picture when it is presented, or only when someone asks for the picture while a view
// draws the calls itself (pixels on demand): then nobody pays for pixels no one looks at.
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
    const QImage& Back() const;
    const QImage& Front() const;

    // A view that draws the presented calls at its device's pixels wants the surface's own
    // pixels only when asked for them: presents then neither write nor compare pictures, and
    // Changed() is the tiles whose calls changed.
    void SetPixelsOnDemand(bool onDemand) { pixelsOnDemand_ = onDemand; }

    // Called after each Present with the new picture (the window repaints from it).
    void SetPresentHandler(std::function<void()> handler) { onPresent_ = std::move(handler); }

    // Where the last presented picture differs from the one before it, in whole tiles: the
    // only part a window needs to paint again. Empty when nothing changed. With pixels on
    // demand, the tiles whose draw calls changed, which hold every changed pixel.
    const QRegion& Changed() const { return changed_; }

    // The tiles in which two pictures of the surface's size differ.
    static QRegion ChangedRegion(const QImage& before, const QImage& after);
    static constexpr int kTile = 32;
    static_assert(kWidth % kTile == 0 && kHeight % kTile == 0);

    // Bold Arial at a point size of a 96-dpi screen.
    static QFont SurfaceFont(int size);
    // Its pixel size: points of a 96-dpi screen.
    static int FontPixels(int size) { return static_cast<int>(std::lround(size * 4.0 / 3.0)); }

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

    // Whether a call covers the whole surface, so that nothing drawn before it shows.
    static bool CoversSurface(const Command& command);

    // Where each fill of `commands` from `from` on still shows once the later fills are drawn
    // (fills are opaque), in surface pixels and inside the surface; indexed from `from`, empty
    // for other calls. Only large fills hide others: a few rectangles, not one per particle.
    static std::vector<QRegion> ShownFills(const std::vector<Command>& commands, std::size_t from);

    // The tiles in which the last presented draw calls differ from the ones before: drawn again
    // at a device's own pixels, these are the tiles that may look different, even where the
    // surface's own pixels came out the same (a vector turned by less than a pixel).
    const QRegion& CommandsChanged() const { return commandsChanged_; }

  private:
    // Starts the next frame at its first call (null for a frame presented with none).
    void BeginFrame(const Command* first);
    void Record(Command command, QRect reach);
    // Writes the calls of `commands` from `from` on into `picture`, in order. A fill that later
    // fills cover is written only where it still shows.
    static void Rasterise(QImage& picture, const std::vector<Command>& commands, std::size_t from);
    // Brings a picture up to date with its frame's calls.
    static void Catch(QImage& picture, const std::vector<Command>& commands, std::size_t& drawn);

    // Each picture with the calls of its frame; the calls before `drawn` are in its pixels.
    mutable QImage back_;
    mutable QImage front_;
    mutable std::size_t backDrawn_ = 0;
    mutable std::size_t frontDrawn_ = 0;
    bool pixelsOnDemand_ = false;
    bool frameBegun_ = false;  // the frame being drawn has its first call
    // The current font's pixel size (bold Arial), and the metrics and widths measured so far:
    // the same captions are measured every frame.
    int fontPixels_;
    const QFontMetrics& MetricsOf(int pixels);
    int Advance(int pixels, const std::string& text);
    std::map<int, QFontMetrics> metrics_;
    std::map<std::pair<int, std::string>, int> widths_;
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
