#include <gtest/gtest.h>

#include <QFontInfo>
#include <random>
#include <string>

#include "display/Rgb565.h"
#include "display/Sprites.h"
#include "display/Surface.h"

namespace {

QRgb At(const Surface& s, int x, int y) {
    return s.Back().pixel(x, y) | 0xFF000000u;
}

}  // namespace

TEST(Rgb565, ShowsTheDocumentedColoursAndRoundTripsEveryValue) {
    EXPECT_EQ(Rgb565ToRgb(1111), qRgb(0, 137, 189));
    EXPECT_EQ(Rgb565ToRgb(11112), qRgb(41, 109, 65));
    EXPECT_EQ(Rgb565ToRgb(0), qRgb(0, 0, 0));
    EXPECT_EQ(Rgb565ToRgb(0xFFFF), qRgb(255, 255, 255));
    for (int v = 0; v <= 0xFFFF; ++v) {
        ASSERT_EQ(RgbToRgb565(Rgb565ToRgb(static_cast<uint16_t>(v))), v) << v;
    }
}

TEST(Surface, FillsReadBackAsTheirSixteenBitValuesWithExclusiveEdges) {
    Surface surface;
    surface.FillSurface(0);
    surface.FillRect(10, 20, 30, 40, 11126);
    EXPECT_EQ(RgbToRgb565(At(surface, 10, 20)), 11126);
    EXPECT_EQ(RgbToRgb565(At(surface, 29, 39)), 11126);
    EXPECT_EQ(RgbToRgb565(At(surface, 30, 39)), 0);  // right edge excluded
    EXPECT_EQ(RgbToRgb565(At(surface, 29, 40)), 0);  // bottom edge excluded
    EXPECT_EQ(RgbToRgb565(At(surface, 9, 20)), 0);
    // Clipped at the surface's edges rather than refused.
    surface.FillRect(-50, 700, 40, 900, 1888);
    EXPECT_EQ(RgbToRgb565(At(surface, 0, 767)), 1888);
    EXPECT_EQ(RgbToRgb565(At(surface, 39, 700)), 1888);
}

TEST(Sprites, HaveTheSizesAndTheSevenPixelMask) {
    const auto& particles = SpriteList(SpriteSet::DXImageList1);
    const auto& instruments = SpriteList(SpriteSet::DXImageList2);
    ASSERT_EQ(particles.size(), 19u);
    ASSERT_EQ(instruments.size(), 5u);
    const int sizes[19] = {1, 2, 3, 5, 7, 9, 11, 15, 20, 1, 2, 3, 5, 7, 9, 11, 15, 20, 7};
    for (int i = 0; i < 19; ++i) {
        EXPECT_EQ(particles[static_cast<size_t>(i)].picture.width(), sizes[i]) << i;
        EXPECT_EQ(particles[static_cast<size_t>(i)].picture.height(), sizes[i]) << i;
    }
    const QSize instrumentSizes[5] = {{20, 397}, {30, 12}, {8, 1}, {43, 395}, {1, 6}};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(instruments[static_cast<size_t>(i)].picture.size(), instrumentSizes[i]) << i;
    }
    EXPECT_FALSE(instruments[2].key.has_value());
    EXPECT_FALSE(instruments[4].key.has_value());

    // Green disc of 7: # transparent, . body RGB(0,128,0), o highlight RGB(0,255,0).
    const char* mask[7] = {"##...##", "#..oo.#", "....oo.", ".....o.",
                           ".......", "#.....#", "##...##"};
    const QImage& disc = particles[4].picture;
    for (int y = 0; y < 7; ++y) {
        for (int x = 0; x < 7; ++x) {
            const QRgb expected = mask[y][x] == '#'   ? qRgb(255, 255, 255)
                                  : mask[y][x] == '.' ? qRgb(0, 128, 0)
                                                      : qRgb(0, 255, 0);
            EXPECT_EQ(disc.pixel(x, y) | 0xFF000000u, expected) << x << "," << y;
        }
    }
    // Small pictures: dots, squares with a top-right pixel, and keyed crosses.
    EXPECT_EQ(particles[0].picture.pixel(0, 0) | 0xFF000000u, qRgb(255, 255, 128));
    EXPECT_EQ(particles[1].picture.pixel(1, 0) | 0xFF000000u, qRgb(255, 255, 255));
    EXPECT_EQ(particles[10].picture.pixel(1, 0) | 0xFF000000u, qRgb(255, 174, 174));
    EXPECT_EQ(*particles[2].key, qRgb(128, 128, 128));
    EXPECT_EQ(*particles[11].key, qRgb(255, 255, 0));
    EXPECT_EQ(particles[11].picture.pixel(1, 1) | 0xFF000000u, qRgb(255, 255, 128));
}

TEST(Surface, SpritesSkipTheirKeyColourAndAreClippedAtTheEdges) {
    Surface surface;
    surface.FillSurface(1111);
    surface.DrawSprite(SpriteSet::DXImageList1, 4, 100, 100);  // 7-px green disc
    EXPECT_EQ(RgbToRgb565(At(surface, 100, 100)), 1111);       // transparent corner
    EXPECT_EQ(At(surface, 103, 100), qRgb(0, 128, 0));
    EXPECT_EQ(At(surface, 104, 101), qRgb(0, 255, 0));

    // Half outside on the left and the bottom: the inside half is drawn.
    surface.DrawSprite(SpriteSet::DXImageList1, 7, -7, 760);  // 15-px disc
    EXPECT_EQ(At(surface, 0, 767), qRgb(128, 0, 0));
    // An opaque picture is copied whole, and an index outside the set draws nothing.
    surface.DrawSprite(SpriteSet::DXImageList2, 2, 1020, 50);
    EXPECT_EQ(At(surface, 1023, 50), qRgb(27, 158, 193));
    surface.DrawSprite(SpriteSet::DXImageList2, 5, 500, 500);
    surface.DrawSprite(SpriteSet::DXImageList1, -1, 500, 500);
    EXPECT_EQ(RgbToRgb565(At(surface, 500, 500)), 1111);
}

TEST(Surface, TextLandsWithItsTopLeftCornerAtThePointInNearWhite) {
    EXPECT_EQ(QFontInfo(Surface::SurfaceFont(12)).pixelSize(), 16);
    Surface surface;
    surface.FillSurface(0);
    surface.SurfaceTextOut(200, 300, 20, "DYFUZJA");
    surface.ReleaseText();
    int minX = 9999, minY = 9999, maxX = -1, maxY = -1;
    bool nearWhite = false;
    for (int y = 250; y < 360; ++y) {
        for (int x = 150; x < 400; ++x) {
            const QRgb c = At(surface, x, y);
            if (c == qRgb(0, 0, 0)) continue;
            minX = std::min(minX, x);
            minY = std::min(minY, y);
            maxX = std::max(maxX, x);
            maxY = std::max(maxY, y);
            if (c == qRgb(250, 250, 250)) nearWhite = true;
        }
    }
    EXPECT_TRUE(nearWhite);
    EXPECT_GE(minX, 200);
    EXPECT_LE(minX, 204);
    EXPECT_GE(minY, 300);
    EXPECT_LE(minY, 308);       // capitals start a little below the line's top
    EXPECT_LE(maxY, 300 + 27);  // 20 pt is 27 px
    EXPECT_NEAR(maxX - 200, surface.TextWidth("DYFUZJA"), 4);
}

TEST(Surface, FontSizeChangesTheMeasuredWidthOnly) {
    Surface surface;
    surface.SurfaceTextOut(0, 0, 12, "p = 0,02 x 10 ");
    const int at12 = surface.TextWidth("p = 0,02 x 10 ");
    surface.SetFontSize(10);
    const int at10 = surface.TextWidth("p = 0,02 x 10 ");
    surface.SetFontSize(12);
    EXPECT_EQ(surface.TextWidth("p = 0,02 x 10 "), at12);
    EXPECT_LT(at10, at12);
    surface.ReleaseText();
}

TEST(Surface, LinesUseThePenAndLeaveOutTheirEndPoint) {
    Surface surface;
    surface.FillSurface(0);
    surface.MoveTo(10, 10);
    surface.LineTo(20, 10);
    EXPECT_EQ(At(surface, 10, 10), qRgb(0, 0, 0));  // black pen from the start
    surface.SetPenColour(MakeRgb(100, 100, 150));
    surface.MoveTo(10, 20);
    surface.LineTo(20, 25);
    EXPECT_EQ(At(surface, 10, 20), qRgb(100, 100, 150));
    EXPECT_EQ(At(surface, 19, 25), qRgb(100, 100, 150));
    EXPECT_EQ(At(surface, 20, 25), qRgb(0, 0, 0));
    // The pen keeps its colour into the next frame.
    surface.Present();
    surface.FillSurface(0);
    surface.MoveTo(0, 0);
    surface.LineTo(0, 5);
    EXPECT_EQ(At(surface, 0, 4), qRgb(100, 100, 150));
}

TEST(Surface, PresentShowsTheFinishedFrame) {
    Surface surface;
    int presented = 0;
    surface.SetPresentHandler([&] { ++presented; });
    surface.FillSurface(1111);
    surface.SurfaceTextOut(10, 10, 12, "x");
    surface.Present();
    EXPECT_EQ(presented, 1);
    EXPECT_EQ(RgbToRgb565(surface.Front().pixel(500, 500)), 1111);
}

namespace {

// A frame of random calls: large and small fills (some past the edges), sprites, lines and
// text, beginning with a cover of the whole surface or not.
void RandomFrame(std::mt19937& random, Canvas& canvas, bool cover) {
    auto pick = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    if (cover) canvas.FillSurface(static_cast<uint16_t>(pick(0, 0xFFFF)));
    const int calls = pick(5, 40);
    for (int n = 0; n < calls; ++n) {
        const int x = pick(-60, 1050);
        const int y = pick(-60, 790);
        switch (pick(0, 4)) {
            case 0:
                canvas.FillRect(x, y, x + pick(1, 400), y + pick(1, 300),
                                static_cast<uint16_t>(pick(0, 0xFFFF)));
                break;
            case 1:
                canvas.FillRect(x, y, x + pick(1, 12), y + pick(1, 12),
                                static_cast<uint16_t>(pick(0, 0xFFFF)));
                break;
            case 2:
                canvas.DrawSprite(SpriteSet::DXImageList1, pick(0, kSpriteCount1 - 1), x, y);
                break;
            case 3:
                canvas.SetPenColour(MakeRgb(pick(0, 255), pick(0, 255), pick(0, 255)));
                canvas.MoveTo(x, y);
                canvas.LineTo(x + pick(-80, 80), y + pick(-80, 80));
                break;
            default:
                canvas.SurfaceTextOut(x, y, pick(8, 20), "p = " + std::to_string(pick(0, 999)));
                break;
        }
    }
}

// Writes every call as it comes: the picture read back after each one.
class CallByCall final : public Canvas {
  public:
    explicit CallByCall(Surface& surface) : s_(surface) {}
    void FillSurface(uint16_t c) override {
        Then([&] { s_.FillSurface(c); });
    }
    void FillRect(int l, int t, int r, int b, uint16_t c) override {
        Then([&] { s_.FillRect(l, t, r, b, c); });
    }
    void DrawSprite(SpriteSet set, int i, int x, int y) override {
        Then([&] { s_.DrawSprite(set, i, x, y); });
    }
    void SurfaceTextOut(int x, int y, int size, const std::string& text) override {
        Then([&] { s_.SurfaceTextOut(x, y, size, text); });
    }
    int TextWidth(const std::string& text) override { return s_.TextWidth(text); }
    void SetFontSize(int size) override { s_.SetFontSize(size); }
    void SetPenColour(Rgb colour) override { s_.SetPenColour(colour); }
    void MoveTo(int x, int y) override { s_.MoveTo(x, y); }
    void LineTo(int x, int y) override {
        Then([&] { s_.LineTo(x, y); });
    }
    void ReleaseText() override { s_.ReleaseText(); }
    void Present() override { s_.Present(); }

  private:
    template <typename Call>
    void Then(Call call) {
        call();
        (void)s_.Back();
    }
    Surface& s_;
};

}  // namespace

// Calls are written into the picture later than they are made, fills hidden by later fills are
// skipped, and a view drawing the calls itself asks for pixels only now and then: the pictures
// are the same as writing each call at once, and the changed tiles hold every changed pixel.
TEST(Surface, WritingCallsLateGivesThePicturesOfWritingThemAtOnce) {
    Surface atOnce, late, onDemand;
    onDemand.SetPixelsOnDemand(true);
    CallByCall byCall(atOnce);
    QImage shown = atOnce.Front();
    for (int frame = 0; frame < 120; ++frame) {
        // Mostly frames that cover the surface first, as the program draws them.
        const bool cover = frame % 7 != 3 && frame % 11 != 5;
        for (Canvas* canvas : {static_cast<Canvas*>(&byCall), static_cast<Canvas*>(&late),
                               static_cast<Canvas*>(&onDemand)}) {
            std::mt19937 random(static_cast<unsigned>(frame));
            RandomFrame(random, *canvas, cover);
            canvas->Present();
        }
        ASSERT_EQ(late.Front(), atOnce.Front()) << frame;
        ASSERT_EQ(late.Changed(), atOnce.Changed()) << frame;
        // Every pixel that changed lies in a tile the view is told to paint again.
        const QImage& now = atOnce.Front();
        for (int y = 0; y < Surface::kHeight; ++y) {
            for (int x = 0; x < Surface::kWidth; ++x) {
                if (now.pixel(x, y) != shown.pixel(x, y)) {
                    ASSERT_TRUE(onDemand.Changed().contains(QPoint(x, y))) << frame;
                }
            }
        }
        shown = now;
        // Now and then somebody looks: the picture is the same whenever it is asked for.
        if (frame % 5 == 0 || frame % 7 == 4) {
            ASSERT_EQ(onDemand.Front(), now) << frame;
        }
    }
}
