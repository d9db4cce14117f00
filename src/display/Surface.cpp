#include "display/Surface.h"

#include <QFontMetrics>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "display/Rgb565.h"
#include "display/Sprites.h"

Surface::Surface()
    : back_(kWidth, kHeight, QImage::Format_RGB32),
      front_(kWidth, kHeight, QImage::Format_RGB32),
      fontPixels_(FontPixels(12)) {
    back_.fill(0xFF000000u);
    front_.fill(0xFF000000u);
}

Surface::~Surface() = default;

QFont Surface::SurfaceFont(int size) {
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(FontPixels(size));
    return font;
}

void Surface::FillSurface(uint16_t colour) {
    FillRect(0, 0, kWidth, kHeight, colour);
}

namespace {

// Fills above this many pixels hide what lies under them; smaller ones are simply drawn.
constexpr int kHidingArea = 32 * 32;

void WriteFill(QImage& picture, QRect rect, QRgb colour) {
    rect &= QRect(0, 0, Surface::kWidth, Surface::kHeight);
    if (rect.isEmpty()) return;
    // One detach check for the whole rectangle, not one per row.
    uchar* const bits = picture.bits();
    const qsizetype stride = picture.bytesPerLine();
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(bits + y * stride);
        std::fill(line + rect.left(), line + rect.right() + 1, colour);
    }
}

void WriteSprite(QImage& picture, const Sprite& sprite, int x, int y) {
    uchar* const bits = picture.bits();
    const qsizetype stride = picture.bytesPerLine();
    for (const Sprite::Run& run : sprite.runs) {
        const int row = y + run.y;
        if (row < 0 || row >= Surface::kHeight) continue;
        int from = x + run.x;
        int to = from + run.length;
        const int skip = std::max(0, -from);
        from = std::max(from, 0);
        to = std::min(to, Surface::kWidth);
        if (from >= to) continue;
        const auto* src =
            reinterpret_cast<const QRgb*>(sprite.picture.constScanLine(run.y)) + run.x + skip;
        auto* dst = reinterpret_cast<QRgb*>(bits + row * stride) + from;
        // Runs are a few pixels long: a plain loop beats a call to memmove.
        for (int n = 0; n < to - from; ++n)
            dst[n] = src[n];
    }
}

// Bresenham from (cx, cy) to (x, y), leaving out the end point.
void WriteLine(QImage& picture, int cx, int cy, int x, int y, QRgb pen) {
    const int dx = std::abs(x - cx);
    const int dy = -std::abs(y - cy);
    const int sx = cx < x ? 1 : -1;
    const int sy = cy < y ? 1 : -1;
    int err = dx + dy;
    // One detach check for the whole line, not one per pixel.
    uchar* const bits = picture.bits();
    const qsizetype stride = picture.bytesPerLine();
    while (cx != x || cy != y) {
        if (cx >= 0 && cy >= 0 && cx < Surface::kWidth && cy < Surface::kHeight)
            reinterpret_cast<QRgb*>(bits + cy * stride)[cx] = pen;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            cx += sx;
        }
        if (e2 <= dx) {
            err += dx;
            cy += sy;
        }
    }
}

QRect FillRectOf(const Surface::Command& c) {
    return QRect(QPoint(c.a, c.b), QPoint(c.c - 1, c.d - 1)) &
           QRect(0, 0, Surface::kWidth, Surface::kHeight);
}

}  // namespace

void Surface::FillRect(int left, int top, int right, int bottom, uint16_t colour) {
    Record({Command::Kind::Fill, left, top, right, bottom, Rgb565ToRgb(colour), {}},
           QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)));
}

void Surface::DrawSprite(SpriteSet set, int index, int x, int y) {
    const auto& list = SpriteList(set);
    if (index < 0 || index >= static_cast<int>(list.size())) return;
    const Sprite& sprite = list[static_cast<std::size_t>(index)];
    Record({Command::Kind::Sprite, static_cast<int>(set), index, x, y, 0, {}},
           QRect(x, y, sprite.picture.width(), sprite.picture.height()).adjusted(-1, -1, 1, 1));
}

const QFontMetrics& Surface::MetricsOf(int pixels) {
    auto it = metrics_.find(pixels);
    if (it == metrics_.end()) {
        QFont font = SurfaceFont(12);
        font.setPixelSize(pixels);
        it = metrics_.emplace(pixels, QFontMetrics(font)).first;
    }
    return it->second;
}

int Surface::Advance(int pixels, const std::string& text) {
    if (widths_.size() > 1024) widths_.clear();
    auto [it, added] = widths_.try_emplace({pixels, text}, 0);
    if (added) {
        it->second = MetricsOf(pixels).horizontalAdvance(
            QString::fromUtf8(text.data(), static_cast<int>(text.size())));
    }
    return it->second;
}

void Surface::SurfaceTextOut(int x, int y, int size, const std::string& text) {
    fontPixels_ = FontPixels(size);
    const int width = Advance(fontPixels_, text);
    // Text of a larger font may come out a little wider than this one's.
    Record({Command::Kind::Text, x, y, size, 0, 0, text},
           QRect(x, y, width, MetricsOf(fontPixels_).height()).adjusted(-4, -4, 4 + width / 10, 4));
}

int Surface::TextWidth(const std::string& text) {
    return Advance(fontPixels_, text);
}

void Surface::SetFontSize(int size) {
    fontPixels_ = FontPixels(size);
}

void Surface::SetPenColour(Rgb colour) {
    pen_ = 0xFF000000u | colour;
}

void Surface::MoveTo(int x, int y) {
    penX_ = x;
    penY_ = y;
}

void Surface::LineTo(int x, int y) {
    Record({Command::Kind::Line, penX_, penY_, x, y, pen_, {}},
           QRect(QPoint(std::min(penX_, x), std::min(penY_, y)),
                 QPoint(std::max(penX_, x), std::max(penY_, y)))
               .adjusted(-2, -2, 2, 2));
    penX_ = x;
    penY_ = y;
}

void Surface::ReleaseText() {}

bool Surface::CoversSurface(const Command& c) {
    return c.kind == Command::Kind::Fill && c.a <= 0 && c.b <= 0 && c.c >= kWidth && c.d >= kHeight;
}

std::vector<QRegion> Surface::ShownFills(const std::vector<Command>& commands, std::size_t from) {
    std::vector<QRegion> shown(commands.size() - std::min(from, commands.size()));
    QRegion hidden;
    for (std::size_t i = commands.size(); i-- > from;) {
        const Command& c = commands[i];
        if (c.kind != Command::Kind::Fill) continue;
        const QRect rect = FillRectOf(c);
        if (rect.isEmpty()) continue;
        QRegion& here = shown[i - from];
        if (rect.width() * rect.height() < kHidingArea) {
            here = rect;
            continue;
        }
        here = QRegion(rect) - hidden;
        hidden += rect;
    }
    return shown;
}

void Surface::Rasterise(QImage& picture, const std::vector<Command>& commands, std::size_t from) {
    const std::vector<QRegion> fills = ShownFills(commands, from);
    // Begun at the first text; pixels of the other calls go straight into the picture beside it.
    QPainter painter;
    for (std::size_t i = from; i < commands.size(); ++i) {
        const Command& c = commands[i];
        switch (c.kind) {
            case Command::Kind::Fill:
                for (const QRect& rect : fills[i - from])
                    WriteFill(picture, rect, c.colour);
                break;
            case Command::Kind::Sprite:
                WriteSprite(picture,
                            SpriteList(static_cast<SpriteSet>(c.a))[static_cast<std::size_t>(c.b)],
                            c.c, c.d);
                break;
            case Command::Kind::Line:
                WriteLine(picture, c.a, c.b, c.c, c.d, c.colour);
                break;
            case Command::Kind::Text: {
                if (!painter.isActive()) {
                    painter.begin(&picture);
                    painter.setRenderHint(QPainter::TextAntialiasing, true);
                    painter.setPen(QColor(250, 250, 250));
                    painter.setBrush(Qt::NoBrush);
                }
                const QFont font = SurfaceFont(c.c);
                painter.setFont(font);
                painter.drawText(c.a, c.b + QFontMetrics(font).ascent(),
                                 QString::fromUtf8(c.text.data(), static_cast<int>(c.text.size())));
                break;
            }
        }
    }
}

void Surface::Catch(QImage& picture, const std::vector<Command>& commands, std::size_t& drawn) {
    if (drawn >= commands.size()) return;
    Rasterise(picture, commands, drawn);
    drawn = commands.size();
}

const QImage& Surface::Back() const {
    Catch(back_, backCommands_, backDrawn_);
    return back_;
}

const QImage& Surface::Front() const {
    Catch(front_, frontCommands_, frontDrawn_);
    return front_;
}

void Surface::BeginFrame(const Command* first) {
    frameBegun_ = true;
    // The frame is drawn over the picture presented before the last one, as it stands with all
    // its calls, unless it begins by covering everything.
    if (first == nullptr || !CoversSurface(*first)) Catch(back_, backCommands_, backDrawn_);
    backCommands_.clear();
    backDrawn_ = 0;
}

void Surface::Record(Command command, QRect reach) {
    if (!frameBegun_) BeginFrame(&command);
    constexpr int columns = kWidth / kTile;
    constexpr int rows = kHeight / kTile;
    if (backTiles_.empty()) backTiles_.assign(columns * rows, 0);
    uint64_t hash = 1469598103934665603ull;
    auto mix = [&hash](uint64_t v) { hash = (hash ^ v) * 1099511628211ull; };
    mix(static_cast<uint64_t>(command.kind));
    for (int v : {command.a, command.b, command.c, command.d})
        mix(static_cast<uint32_t>(v));
    mix(command.colour);
    for (char ch : command.text)
        mix(static_cast<unsigned char>(ch));
    reach &= QRect(0, 0, kWidth, kHeight);
    if (!reach.isEmpty()) {
        for (int row = reach.top() / kTile; row <= reach.bottom() / kTile; ++row) {
            for (int column = reach.left() / kTile; column <= reach.right() / kTile; ++column) {
                uint64_t& tile = backTiles_[static_cast<std::size_t>(row * columns + column)];
                tile = (tile ^ hash) * 1099511628211ull + 1;
            }
        }
    }
    backCommands_.push_back(std::move(command));
}

QRegion Surface::ChangedRegion(const QImage& before, const QImage& after) {
    constexpr int columns = kWidth / kTile;
    QRegion changed;
    for (int top = 0; top < kHeight; top += kTile) {
        std::array<bool, columns> dirty{};
        const int bottom = std::min(top + kTile, kHeight);
        for (int y = top; y < bottom; ++y) {
            const auto* a = reinterpret_cast<const QRgb*>(before.constScanLine(y));
            const auto* b = reinterpret_cast<const QRgb*>(after.constScanLine(y));
            for (int c = 0; c < columns; ++c) {
                if (!dirty[c] && std::memcmp(a + c * kTile, b + c * kTile, kTile * sizeof(QRgb)))
                    dirty[c] = true;
            }
        }
        // Neighbouring tiles of a row become one rectangle: fewer, larger paints.
        for (int c = 0; c < columns;) {
            if (!dirty[c]) {
                ++c;
                continue;
            }
            int end = c;
            while (end < columns && dirty[end])
                ++end;
            changed += QRect(c * kTile, top, (end - c) * kTile, bottom - top);
            c = end;
        }
    }
    return changed;
}

void Surface::Present() {
    if (!frameBegun_) BeginFrame(nullptr);
    frameBegun_ = false;
    constexpr int columns = kWidth / kTile;
    if (backTiles_.empty()) backTiles_.assign(columns * (kHeight / kTile), 0);
    if (frontTiles_.size() != backTiles_.size()) {
        commandsChanged_ = QRegion(0, 0, kWidth, kHeight);
    } else {
        commandsChanged_ = QRegion();
        for (std::size_t i = 0; i < backTiles_.size(); ++i) {
            if (backTiles_[i] != frontTiles_[i]) {
                const int column = static_cast<int>(i) % columns;
                const int row = static_cast<int>(i) / columns;
                commandsChanged_ += QRect(column * kTile, row * kTile, kTile, kTile);
            }
        }
    }
    // Two frames that each begin by covering the surface differ in their pixels only where
    // their calls differ; any other frame is compared pixel by pixel.
    const bool bothCover = !frontCommands_.empty() && CoversSurface(frontCommands_.front()) &&
                           !backCommands_.empty() && CoversSurface(backCommands_.front());
    if (pixelsOnDemand_ && bothCover) {
        changed_ = commandsChanged_;
    } else {
        changed_ = ChangedRegion(Front(), Back());
    }
    std::swap(back_, front_);
    std::swap(backDrawn_, frontDrawn_);
    std::swap(backCommands_, frontCommands_);
    std::swap(backTiles_, frontTiles_);
    backTiles_.assign(frontTiles_.size(), 0);
    if (onPresent_) onPresent_();
}
