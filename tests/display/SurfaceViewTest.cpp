// The surface shown larger: whole factors keep every surface pixel a sharp square, other factors
// blend instead of making some pixels wider than their neighbours.
#include <gtest/gtest.h>

#include <QPainter>
#include <algorithm>
#include <cstdlib>
#include <random>
#include <set>

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
// and at the scales of 1920 x 1080 and 3840 x 2160 the old whole smoothed picture.
TEST(SurfaceView, PaintingTheChangedTilesShowsWhatTheWholePictureShows) {
    const QRegion whole(0, 0, Surface::kWidth, Surface::kHeight);
    for (double scale : {1.0, 1080.0 / 768, 2160.0 / 768}) {
        Surface surface;
        SurfaceView view(surface);
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
            Painted(view, scale, &shown, SurfaceView::RepaintRegion(changed));
            view.SetWholeRepaint(true);
            const QImage everything = Painted(view, scale, nullptr, whole);
            view.SetWholeRepaint(false);
            // Blending a clipped part rounds a channel by a few levels otherwise than blending
            // the whole; nothing else may differ.
            ASSERT_LE(Farthest(shown, everything), scale == 1.0 ? 0 : 8)
                << "scale " << scale << ", frame " << frame;
            if (scale == 1.0) ASSERT_EQ(shown, surface.Front()) << frame;
        }
        // A frame the same as the last changes nothing and asks for no paint.
        surface.FillSurface(0);
        surface.Present();
        surface.FillSurface(0);
        surface.Present();
        EXPECT_TRUE(surface.Changed().isEmpty());
    }
}
