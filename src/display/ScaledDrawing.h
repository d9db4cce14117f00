#pragma once

#include <QFont>
#include <QImage>
#include <QRegion>
#include <array>
#include <map>
#include <vector>

#include "display/Surface.h"

class QPainter;

// Draws a frame's draw calls again at the pixels of the device a painter scales the surface onto:
// fills and lines on the device's pixel grid, sprites enlarged once per scale with smoothing, text
// laid out as on the surface and rendered at the device's size. Sharper than the enlarged picture,
// and far cheaper than smoothing the whole picture every frame.
class ScaledDrawing {
  public:
    // Whether the frame can be drawn from its calls alone: it begins by covering the surface.
    static bool Drawable(const std::vector<Surface::Command>& commands);

    // Paints `region` (surface pixels) of the frame through `painter`, whose transform must be a
    // plain enlargement and shift.
    void Paint(QPainter& painter, const std::vector<Surface::Command>& commands,
               const QRegion& region);

  private:
    const QImage& SpriteAt(int set, int index, int width, int height, double scale);
    const std::pair<QFont, int>& FontOf(int size);

    double spriteScale_ = 0;
    std::map<std::array<int, 4>, QImage> sprites_;  // by set, index, width and height
    std::map<int, std::pair<QFont, int>> fonts_;    // the surface's font and its ascent
};
