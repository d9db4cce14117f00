// Lines that run over the surface's edges: only the pixels inside are written.
#include <gtest/gtest.h>

#include <vector>

#include "display/Surface.h"

namespace {

constexpr QRgb kPen = 0xFF6496C8u;  // RGB(100, 150, 200)

QRgb At(const Surface& s, int x, int y) {
    return s.Back().pixel(x, y) | 0xFF000000u;
}

// Every pixel of the back picture that is not black.
std::vector<QPoint> Painted(const Surface& s) {
    std::vector<QPoint> points;
    for (int y = 0; y < Surface::kHeight; ++y) {
        for (int x = 0; x < Surface::kWidth; ++x) {
            if (At(s, x, y) != 0xFF000000u) points.emplace_back(x, y);
        }
    }
    return points;
}

void Line(Surface& s, int x0, int y0, int x1, int y1) {
    s.MoveTo(x0, y0);
    s.LineTo(x1, y1);
}

}  // namespace

TEST(SurfaceClipping, LinesCrossingEachEdgeKeepOnlyTheirInsidePixels) {
    Surface surface;
    surface.FillSurface(0);
    surface.SetPenColour(MakeRgb(100, 150, 200));
    Line(surface, -5, 3, 5, 3);           // over the left edge
    Line(surface, 1020, 767, 1030, 767);  // over the right edge, on the last row
    Line(surface, 10, 760, 10, 780);      // over the bottom edge
    Line(surface, -3, -3, 3, 3);          // over the top-left corner
    const std::vector<QPoint> expected = {
        {0, 0},    {1, 1},    {2, 2},      {0, 3},      {1, 3},      {2, 3},     {3, 3},
        {4, 3},    {10, 760}, {10, 761},   {10, 762},   {10, 763},   {10, 764},  {10, 765},
        {10, 766}, {10, 767}, {1020, 767}, {1021, 767}, {1022, 767}, {1023, 767}};
    EXPECT_EQ(Painted(surface), expected);
    for (const QPoint& p : expected)
        EXPECT_EQ(At(surface, p.x(), p.y()), kPen) << p.x() << "," << p.y();
}

TEST(SurfaceClipping, LinesWhollyOutsideWriteNothing) {
    Surface surface;
    surface.FillSurface(0);
    surface.SetPenColour(MakeRgb(255, 255, 255));
    Line(surface, -100, -50, -10, 400);
    Line(surface, 1024, 0, 1500, 767);
    Line(surface, 0, 768, 1023, 900);
    Line(surface, 2000, -3000, -2000, -1);
    EXPECT_TRUE(Painted(surface).empty());
}
