// The surface shown larger: enlarged as a picture, whole factors keep every surface pixel a sharp
// square and other factors blend; drawn again at the device's pixels, the frame comes close to
// the enlarged picture with nothing missing; at its own size it is the surface pixel for pixel.
#include <gtest/gtest.h>

#include <QPainter>
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <set>

#include "FrameTick.h"
#include "TestSim.h"
#include "display/Surface.h"
#include "display/SurfaceView.h"

namespace {

// One-pixel columns of white and black over the whole surface, presented.
void Stripes(Surface& surface) {
    surface.FillSurface(0);
    for (int x = 0; x < Surface::kWidth; x += 2)
        surface.FillRect(x, 0, x + 1, 16, 0xFFFF);
    surface.ReleaseText();
    surface.Present();
}

QImage Shown(SurfaceView& view, double scale) {
    QImage image(qRound(64 * scale), qRound(16 * scale), QImage::Format_RGB32);
    image.fill(Qt::red);
    QPainter painter(&image);
    painter.scale(scale, scale);
    view.render(&painter, QPoint(), QRegion(0, 0, 64, 16));
    return image;
}

std::set<int> GreysOfRow(const QImage& image, int y) {
    std::set<int> greys;
    for (int x = 0; x < image.width(); ++x)
        greys.insert(qGray(image.pixel(x, y)));
    return greys;
}

}  // namespace

TEST(SurfaceView, WholeFactorsMakeSharpSquaresOtherFactorsBlend) {
    Surface surface;
    Stripes(surface);
    SurfaceView view(surface);
    view.SetPictureScaling(true);

    const QImage doubled = Shown(view, 2.0);
    for (int x = 0; x < 64; ++x) {
        const QRgb expected = x % 2 == 0 ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
        for (int dx = 0; dx < 2; ++dx) {
            for (int dy = 0; dy < 2; ++dy) {
                ASSERT_EQ(doubled.pixel(2 * x + dx, 10 + dy) | 0xFF000000u, expected) << x;
            }
        }
    }
    EXPECT_EQ(GreysOfRow(Shown(view, 3.0), 20), (std::set<int>{0, 255}));

    // Nearest-neighbour at 1.5 would give only black and white, in columns of one and two.
    const std::set<int> blended = GreysOfRow(Shown(view, 1.5), 10);
    EXPECT_GT(blended.size(), 2u);
}

namespace {

// A frame like a running simulation's: the same background and caption, a few discs moved.
void MovingFrame(Surface& surface, std::mt19937& random, int frame) {
    surface.FillSurface(0x0010);
    surface.FillRect(100, 100, 600, 600, 0x4208);
    for (int i = 0; i < 6; ++i) {
        const int x = 100 + static_cast<int>(random() % 480);
        const int y = 100 + static_cast<int>(random() % 480);
        surface.DrawSprite(SpriteSet::DXImageList1, i, x, y);
    }
    // Long still lines across tiles that change and tiles that do not, and a moving one.
    surface.SetPenColour(MakeRgb(90, 200, 90));
    surface.MoveTo(30, 40);
    surface.LineTo(1010, 700);
    surface.MoveTo(1000, 10);
    surface.LineTo(60, 760);
    surface.MoveTo(333, 0);
    surface.LineTo(420, 767);
    surface.SetPenColour(MakeRgb(200, 40, 40));
    surface.MoveTo(700, 300);
    surface.LineTo(700 + frame * 7, 330 + frame * 3);
    surface.SurfaceTextOut(720, 100, 12, "p = " + std::to_string(1000 + frame * 13));
    surface.SurfaceTextOut(720, 140, 12, "N = 500");
    surface.ReleaseText();
    surface.Present();
}

int Farthest(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return 256;
    int farthest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            farthest = std::max({farthest, std::abs(qRed(p) - qRed(q)),
                                 std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
        }
    }
    return farthest;
}

QImage Painted(SurfaceView& view, double scale, QImage* onto, const QRegion& region) {
    QImage fresh(qRound(Surface::kWidth * scale), qRound(Surface::kHeight * scale),
                 QImage::Format_RGB32);
    fresh.fill(Qt::red);
    QImage& image = onto ? *onto : fresh;
    QPainter painter(&image);
    painter.scale(scale, scale);
    // render() puts the region's corner at the offset given.
    view.render(&painter, region.boundingRect().topLeft(), region);
    painter.end();
    return image;
}

}  // namespace

// Painting only the tiles a present changed, frame after frame, leaves on the screen what
// painting the whole picture every frame gives: at 1024 x 768 pixel for pixel the surface itself,
// and at the scales of 1920 x 1080 and 3840 x 2160 the old whole smoothed picture, or, drawn at
// the device's pixels, exactly the whole frame drawn so.
TEST(SurfaceView, PaintingTheChangedTilesShowsWhatTheWholePictureShows) {
    const QRegion whole(0, 0, Surface::kWidth, Surface::kHeight);
    for (const auto& [scale, picture] : {std::pair{1.0, false},
                                         {1080.0 / 768, true},
                                         {2160.0 / 768, true},
                                         {1080.0 / 768, false},
                                         {2160.0 / 768, false}}) {
        Surface surface;
        SurfaceView view(surface);
        view.SetPictureScaling(picture);
        std::mt19937 random(7);
        MovingFrame(surface, random, 0);
        QImage shown = Painted(view, scale, nullptr, whole);
        for (int frame = 1; frame <= 12; ++frame) {
            MovingFrame(surface, random, frame);
            const QRegion changed = surface.Changed();
            ASSERT_FALSE(changed.isEmpty());
            // The still background and caption are not painted again.
            ASSERT_LT(changed.boundingRect().width() * changed.boundingRect().height(),
                      Surface::kWidth * Surface::kHeight * 3 / 4);
            Painted(view, scale, &shown, view.AfterPresent());
            view.SetWholeRepaint(true);
            const QImage everything = Painted(view, scale, nullptr, whole);
            view.SetWholeRepaint(false);
            // Blending a clipped part rounds a channel by a few levels otherwise than blending
            // the whole; nothing else may differ.
            ASSERT_LE(Farthest(shown, everything), scale == 1.0 || !picture ? 0 : 8)
                << "scale " << scale << ", picture " << picture << ", frame " << frame;
            if (scale == 1.0) {
                ASSERT_EQ(shown, surface.Front()) << frame;
            }
        }
        // A frame the same as the last changes nothing and asks for no paint.
        surface.FillSurface(0);
        surface.Present();
        surface.FillSurface(0);
        surface.Present();
        EXPECT_TRUE(surface.Changed().isEmpty());
        EXPECT_TRUE(surface.CommandsChanged().isEmpty());
    }
}

namespace {

// The pressure experiment at its heaviest: 500 particles at the top speed factor with their
// velocity vectors, the instruments and the captions.
void PressureFrame(Surface& surface) {
    TestSim t(5);
    ExperimentControls(t.C(), 500, 10, 2, 650, 300);
    InitMode(*t.sim, kModePressure);
    for (int tick = 0; tick < 20; ++tick) {
        t.clock.Advance(17);
        Tick(*t.sim, surface);
        surface.ReleaseText();
        surface.Present();
    }
}

}  // namespace

// Drawn at the device's pixels, a frame keeps the smoothed enlargement's colours: sharp edges
// against soft ones differ pixel by pixel, but every 8 x 8 block of the surface holds the same
// amount of each colour, so no disc, vector, instrument or caption is missing or misplaced.
TEST(SurfaceView, DrawingAtTheDevicesPixelsComesCloseToTheSmoothedPicture) {
    Surface surface;
    PressureFrame(surface);
    SurfaceView view(surface);
    const QRegion whole(0, 0, Surface::kWidth, Surface::kHeight);
    for (double scale : {1080.0 / 768, 2160.0 / 768}) {
        view.SetPictureScaling(true);
        const QImage smoothed = Painted(view, scale, nullptr, whole);
        view.SetPictureScaling(false);
        const QImage drawn = Painted(view, scale, nullptr, whole);
        ASSERT_EQ(drawn.size(), smoothed.size());
        constexpr int kBlock = 8;
        constexpr int kColumns = Surface::kWidth / kBlock;
        // Per block: the sums of the channels' differences, and the pixels.
        std::vector<std::array<double, 3>> blocks(kColumns * (Surface::kHeight / kBlock));
        std::vector<int> counts(blocks.size(), 0);
        double total = 0;
        for (int y = 0; y < drawn.height(); ++y) {
            for (int x = 0; x < drawn.width(); ++x) {
                const QRgb p = drawn.pixel(x, y);
                const QRgb q = smoothed.pixel(x, y);
                ASSERT_NE(p | 0xFF000000u, 0xFFFF0000u) << "unpainted at " << x << ", " << y;
                total += (std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                          std::abs(qBlue(p) - qBlue(q))) /
                         3.0;
                const int row = std::min(static_cast<int>(y / scale), Surface::kHeight - 1);
                const int column = std::min(static_cast<int>(x / scale), Surface::kWidth - 1);
                const auto block =
                    static_cast<std::size_t>(row / kBlock * kColumns + column / kBlock);
                blocks[block][0] += qRed(p) - qRed(q);
                blocks[block][1] += qGreen(p) - qGreen(q);
                blocks[block][2] += qBlue(p) - qBlue(q);
                ++counts[block];
            }
        }
        // Text rendered at the device's size is a little heavier than enlarged small text, and
        // every block is allowed that; a disc or a caption one pixel off, or a kind of call left
        // out, shows in hundreds of blocks.
        int far = 0;
        double worst = 0;
        for (std::size_t i = 0; i < blocks.size(); ++i) {
            const double d =
                std::max({std::abs(blocks[i][0]), std::abs(blocks[i][1]), std::abs(blocks[i][2])}) /
                counts[i];
            worst = std::max(worst, d);
            if (d > 10) ++far;
        }
        EXPECT_LT(total / (drawn.width() * drawn.height()), 12.0) << scale;
        EXPECT_LT(worst, 40.0) << scale;
        EXPECT_LT(far, static_cast<int>(blocks.size()) / 200) << scale;
    }
}

// Drawn at the device's pixels, a slanted line is unbroken along its longer axis and as wide as
// a surface pixel enlarged: at least one device pixel when shown smaller, about `scale` larger.
TEST(SurfaceView, SlantedLinesAreUnbrokenAndAsWideAsAnEnlargedPixel) {
    Surface surface;
    surface.FillSurface(0);
    surface.SetPenColour(MakeRgb(255, 0, 0));
    surface.MoveTo(100, 100);
    surface.LineTo(900, 400);  // longer across
    surface.MoveTo(950, 50);
    surface.LineTo(700, 700);  // longer down
    surface.Present();
    SurfaceView view(surface);
    const QRegion whole(0, 0, Surface::kWidth, Surface::kHeight);
    for (double scale : {0.85, 1080.0 / 768, 2160.0 / 768}) {
        const QImage shown = Painted(view, scale, nullptr, whole);
        auto red = [&](int x, int y) { return shown.pixel(x, y) == qRgb(255, 0, 0); };
        const int margin = static_cast<int>(std::ceil(scale)) + 1;
        int widest = 0;
        for (int x = static_cast<int>(100 * scale) + margin; x < 900 * scale - margin; ++x) {
            int count = 0;
            for (int y = static_cast<int>(90 * scale); y < 410 * scale; ++y)
                count += red(x, y) ? 1 : 0;
            ASSERT_GE(count, 1) << "scale " << scale << ", column " << x;
            if (x < 690 * scale) widest = std::max(widest, count);  // left of the other line
        }
        EXPECT_LE(widest, std::max(1, static_cast<int>(std::ceil(scale)))) << scale;
        for (int y = static_cast<int>(50 * scale) + margin; y < 700 * scale - margin; ++y) {
            int count = 0;
            for (int x = static_cast<int>(690 * scale); x < 960 * scale; ++x)
                count += red(x, y) ? 1 : 0;
            ASSERT_GE(count, 1) << "scale " << scale << ", row " << y;
        }
    }
}
