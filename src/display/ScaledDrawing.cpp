#include "display/ScaledDrawing.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "display/Sprites.h"

bool ScaledDrawing::Drawable(const std::vector<Surface::Command>& commands) {
    return !commands.empty() && Surface::CoversSurface(commands.front());
}

const QImage& ScaledDrawing::SpriteAt(int set, int index, int width, int height, double scale) {
    if (scale != spriteScale_) {
        sprites_.clear();
        spriteScale_ = scale;
    }
    auto [it, added] = sprites_.try_emplace({set, index, width, height});
    if (added) {
        const Sprite& sprite =
            SpriteList(static_cast<SpriteSet>(set))[static_cast<std::size_t>(index)];
        it->second = sprite.transparent.scaled(width, height, Qt::IgnoreAspectRatio,
                                               Qt::SmoothTransformation);
    }
    return it->second;
}

const std::pair<QFont, int>& ScaledDrawing::FontOf(int size) {
    auto [it, added] = fonts_.try_emplace(size);
    if (added) {
        const QFont font = Surface::SurfaceFont(size);
        it->second = {font, QFontMetrics(font).ascent()};
    }
    return it->second;
}

void ScaledDrawing::Paint(QPainter& painter, const std::vector<Surface::Command>& commands,
                          const QRegion& region) {
    using Kind = Surface::Command::Kind;
    const QTransform device = painter.deviceTransform();
    const double scale = device.m11();
    const double dx = device.dx();
    const double dy = device.dy();
    // Edges of surface pixels land on whole device pixels, the same way for every call.
    auto X = [&](double x) { return static_cast<int>(std::lround(x * scale + dx)); };
    auto Y = [&](double y) { return static_cast<int>(std::lround(y * scale + dy)); };

    painter.save();
    const QTransform surface = painter.worldTransform();
    painter.setClipRegion(region & QRect(0, 0, Surface::kWidth, Surface::kHeight),
                          Qt::IntersectClip);
    // From here on, coordinates are the device's pixels.
    const QTransform pixels = device.inverted() * surface;
    painter.setWorldTransform(pixels);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);

    auto fill = [&](int left, int top, int right, int bottom, QRgb colour) {
        left = std::max(left, 0);
        top = std::max(top, 0);
        right = std::min(right, Surface::kWidth);
        bottom = std::min(bottom, Surface::kHeight);
        if (left >= right || top >= bottom) return;
        const int l = X(left);
        const int t = Y(top);
        painter.fillRect(l, t, X(right) - l, Y(bottom) - t, QColor::fromRgb(colour));
    };

    // Each device pixel of the background is filled once, not once per fill laid over it.
    const std::vector<QRegion> fills = Surface::ShownFills(commands, 0);
    for (std::size_t i = 0; i < commands.size(); ++i) {
        const Surface::Command& c = commands[i];
        switch (c.kind) {
            case Kind::Fill:
                for (const QRect& rect : fills[i])
                    fill(rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1, c.colour);
                break;
            case Kind::Sprite: {
                // On the device's grid, so that pieces laid side by side (a pipe, a liquid column)
                // meet without gaps; at most two sizes of each sprite per scale and axis.
                const QImage& source =
                    SpriteList(static_cast<SpriteSet>(c.a))[static_cast<std::size_t>(c.b)]
                        .transparent;
                const int l = X(c.c);
                const int t = Y(c.d);
                const int w = X(c.c + source.width()) - l;
                const int h = Y(c.d + source.height()) - t;
                if (w > 0 && h > 0) painter.drawImage(l, t, SpriteAt(c.a, c.b, w, h, scale));
                break;
            }
            case Kind::Text: {
                // Laid out as on the surface, then drawn through the enlargement: the glyphs are
                // rendered at the device's size and stand where the surface's stand.
                const auto& [font, ascent] = FontOf(c.c);
                painter.setWorldTransform(surface);
                painter.setFont(font);
                painter.setPen(QColor(250, 250, 250));
                painter.drawText(c.a, c.b + ascent,
                                 QString::fromUtf8(c.text.data(), static_cast<int>(c.text.size())));
                painter.setWorldTransform(pixels);
                break;
            }
            case Kind::Line: {
                const int x0 = c.a, y0 = c.b, x1 = c.c, y1 = c.d;
                if (x0 == x1 && y0 == y1) break;
                // Straight lines are rows or columns of whole pixels, so fills.
                if (y0 == y1) {
                    fill(std::min(x0, x1 + 1), y0, std::max(x0, x1 - 1) + 1, y0 + 1, c.colour);
                    break;
                }
                if (x0 == x1) {
                    fill(x0, std::min(y0, y1 + 1), x0 + 1, std::max(y0, y1 - 1) + 1, c.colour);
                    break;
                }
                // A slanted line covers as many pixels as the surface's does: one per step along
                // its longer axis, from the start pixel's edge to the end pixel's edge.
                const double ddx = x1 - x0;
                const double ddy = y1 - y0;
                const double steps = std::max(std::abs(ddx), std::abs(ddy));
                const double length = std::hypot(ddx, ddy);
                const double hx = 0.5 * ddx / steps;
                const double hy = 0.5 * ddy / steps;
                const QPointF from((x0 + 0.5 - hx) * scale + dx, (y0 + 0.5 - hy) * scale + dy);
                const QPointF to((x1 + 0.5 - hx) * scale + dx, (y1 + 0.5 - hy) * scale + dy);
                // Without antialiasing: smoothing hundreds of vectors would cost more than the
                // enlarged picture it replaces.
                painter.setPen(QPen(QColor::fromRgb(c.colour), scale * steps / length,
                                    Qt::SolidLine, Qt::FlatCap));
                painter.drawLine(from, to);
                break;
            }
        }
    }
    painter.restore();
}
