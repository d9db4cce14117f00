#include "display/ScaledDrawing.h"

#include <QFontMetrics>
#include <QPaintEngine>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "display/Sprites.h"

namespace {

// The picture the painter writes into, where it is a plain 32-bit one that lines may be written
// into directly (a window's backing store or an image); null otherwise.
QImage* PlainPicture(QPainter& painter) {
    QPaintEngine* engine = painter.paintEngine();
    if (engine == nullptr || engine->type() != QPaintEngine::Raster) return nullptr;
    QPaintDevice* device = engine->paintDevice();
    if (device == nullptr || device->devType() != QInternal::Image) return nullptr;
    auto* image = static_cast<QImage*>(device);
    const QImage::Format format = image->format();
    if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32 &&
        format != QImage::Format_ARGB32_Premultiplied)
        return nullptr;
    return image;
}

// A slanted line of the surface in device pixels: along its longer axis, from `from` to `to`
// (end left out), a band `scale` pixels across per device pixel, centred on the line through the
// centres of the surface's end pixels. The surface's line, enlarged.
struct DeviceLine {
    bool across;  // the longer axis is x
    int from, to;
    // In 1/65536 of a pixel, so that a step along the axis is one addition: the band's edges at
    // device pixel a are (low + step * a) >> 16 and (high + step * a) >> 16.
    int64_t low, high, step;
    double centre, slope;  // the band's centre at a is centre + slope * a
    QRgb colour;
};

int Floor(double v) {
    const int i = static_cast<int>(v);
    return i - (v < i ? 1 : 0);
}

DeviceLine ToDevice(double scale, double dx, double dy, int x0, int y0, int x1, int y1,
                    QRgb colour) {
    DeviceLine line{};
    line.across = std::abs(x1 - x0) >= std::abs(y1 - y0);
    const int a0 = line.across ? x0 : y0, a1 = line.across ? x1 : y1;
    const int b0 = line.across ? y0 : x0, b1 = line.across ? y1 : x1;
    const double shiftA = line.across ? dx : dy;
    const double shiftB = line.across ? dy : dx;
    line.slope = double(b1 - b0) / (a1 - a0);
    line.centre = (b0 + 0.5 + ((0.5 - shiftA) / scale - (a0 + 0.5)) * line.slope) * scale + shiftB;
    constexpr double kOne = 65536.0;
    line.step = std::llround(line.slope * kOne);
    // Shown smaller than the surface, a line stays one device pixel across, without gaps.
    const double width = std::max(scale, 1.0);
    line.low = std::llround((line.centre - width / 2 + 0.5) * kOne);
    line.high = std::llround((line.centre + width / 2 + 0.5) * kOne);
    // The surface's pixels along the axis: from the start, leaving out the end.
    const int first = a1 > a0 ? a0 : a1 + 1;
    const int last = a1 > a0 ? a1 - 1 : a0;
    line.from = static_cast<int>(std::lround(first * scale + shiftA));
    line.to = static_cast<int>(std::lround((last + 1) * scale + shiftA));
    line.colour = colour;
    return line;
}

// Writes the line into a 32-bit picture, inside `clip`.
void Write(QImage& picture, const QRegion& clip, const DeviceLine& line, double scale) {
    uchar* const bits = picture.bits();
    const qsizetype stride = picture.bytesPerLine();
    // Moving one pixel along the axis, and one across it.
    const qsizetype alongStep = line.across ? 4 : stride;
    const qsizetype acrossStep = line.across ? stride : 4;
    for (const QRect& rect : clip) {
        const int lowB = line.across ? rect.top() : rect.left();
        const int highB = line.across ? rect.bottom() : rect.right();
        int begin = std::max(line.from, line.across ? rect.left() : rect.top());
        int end = std::min(line.to, (line.across ? rect.right() : rect.bottom()) + 1);
        // Only where the band can meet the rectangle across the axis.
        const double u = (lowB - scale - 1 - line.centre) / line.slope;
        const double v = (highB + scale + 1 - line.centre) / line.slope;
        begin = std::max(begin, Floor(std::min(u, v)));
        end = std::min(end, Floor(std::max(u, v)) + 2);
        if (begin >= end) continue;
        int64_t top = line.low + line.step * begin;
        int64_t bottom = line.high + line.step * begin;
        uchar* row = bits + begin * alongStep;
        for (int a = begin; a < end; ++a, top += line.step, bottom += line.step, row += alongStep) {
            const int b0 = std::max(static_cast<int>(top >> 16), lowB);
            const int b1 = std::min(static_cast<int>(bottom >> 16), highB + 1);
            uchar* pixel = row + b0 * acrossStep;
            for (int b = b0; b < b1; ++b, pixel += acrossStep)
                *reinterpret_cast<QRgb*>(pixel) = line.colour;
        }
    }
}

}  // namespace

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

    // Slanted lines (hundreds of long vectors) are written straight into a plain picture, inside
    // the painter's clip and the region, in device pixels.
    QImage* picture = PlainPicture(painter);
    QRegion lineLimit;
    if (picture != nullptr) {
        lineLimit = painter.paintEngine()->systemClip();
        if (lineLimit.isEmpty()) lineLimit = picture->rect();
        lineLimit &= picture->rect();
    }
    // Each device pixel of the background is filled once, not once per fill laid over it.
    const std::vector<QRegion> fills = Surface::ShownFills(commands, 0);
    // The rows of the surface each call may reach, and slanted lines in device pixels.
    std::vector<std::pair<int, int>> rows(commands.size());
    std::vector<DeviceLine> lines(picture != nullptr ? commands.size() : 0);
    for (std::size_t i = 0; i < commands.size(); ++i) {
        const Surface::Command& c = commands[i];
        switch (c.kind) {
            case Kind::Fill: {
                const QRect shown = fills[i].boundingRect();
                rows[i] = {shown.top(), shown.top() + shown.height()};
                break;
            }
            case Kind::Sprite:
                rows[i] = {
                    c.d - 1,
                    c.d + 1 +
                        SpriteList(static_cast<SpriteSet>(c.a))[static_cast<std::size_t>(c.b)]
                            .transparent.height()};
                break;
            case Kind::Text:
                // Glyphs rendered larger may reach a little past the surface's own.
                rows[i] = {c.b - 8, c.b + FontOf(c.c).second * 2 + 8};
                break;
            case Kind::Line:
                rows[i] = {std::min(c.b, c.d) - 2, std::max(c.b, c.d) + 3};
                if (picture != nullptr && c.a != c.c && c.b != c.d)
                    lines[i] = ToDevice(scale, dx, dy, c.a, c.b, c.c, c.d, c.colour);
                break;
        }
    }
    // Band after band of rows, each with all its calls: what a band's fills write is still in the
    // cache when its pictures and lines are laid over it. About a hundred device rows a band:
    // fewer, larger bands where the enlargement is small and the picture fits the cache anyway.
    const int kBand = std::clamp(static_cast<int>(std::ceil(96 / scale)), 16, Surface::kHeight);
    const QRegion inside = region & QRect(0, 0, Surface::kWidth, Surface::kHeight);
    for (int bandTop = 0; bandTop < Surface::kHeight; bandTop += kBand) {
        const QRect bandRect(0, bandTop, Surface::kWidth, kBand);
        const QRegion band = inside & bandRect;
        if (band.isEmpty()) continue;
        painter.save();
        painter.setWorldTransform(surface);
        painter.setClipRegion(band, Qt::IntersectClip);
        painter.setWorldTransform(pixels);
        QRegion lineClip;
        if (picture != nullptr) {
            for (const QRect& rect : band) {
                lineClip += QRect(QPoint(X(rect.left()), Y(rect.top())),
                                  QPoint(X(rect.right() + 1) - 1, Y(rect.bottom() + 1) - 1));
            }
            lineClip &= lineLimit;
        }
        for (std::size_t i = 0; i < commands.size(); ++i) {
            if (rows[i].second <= bandTop || rows[i].first >= bandTop + kBand) continue;
            const Surface::Command& c = commands[i];
            switch (c.kind) {
                case Kind::Fill:
                    for (const QRect& rect : fills[i] & bandRect)
                        fill(rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1,
                             c.colour);
                    break;
                case Kind::Sprite: {
                    // On the device's grid, so that pieces laid side by side (a pipe, a liquid
                    // column) meet without gaps; at most two sizes of each sprite per scale and
                    // axis.
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
                    // Laid out as on the surface, then drawn through the enlargement: the glyphs
                    // are rendered at the device's size and stand where the surface's stand.
                    const auto& [font, ascent] = FontOf(c.c);
                    painter.setWorldTransform(surface);
                    painter.setFont(font);
                    painter.setPen(QColor(250, 250, 250));
                    painter.drawText(
                        c.a, c.b + ascent,
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
                    if (picture != nullptr) {
                        Write(*picture, lineClip, lines[i], scale);
                        break;
                    }
                    // A slanted line covers as many pixels as the surface's does: one per step
                    // along its longer axis, from the start pixel's edge to the end pixel's edge.
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
    painter.restore();
}
