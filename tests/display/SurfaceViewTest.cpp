// The surface shown larger: whole factors keep every surface pixel a sharp square, other factors
// blend instead of making some pixels wider than their neighbours.
#include <gtest/gtest.h>

#include <QPainter>
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
