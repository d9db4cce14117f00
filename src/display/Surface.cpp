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
      font_(SurfaceFont(12)) {
    back_.fill(0xFF000000u);
    front_.fill(0xFF000000u);
}

Surface::~Surface() {
    if (painter_.isActive()) painter_.end();
}

QFont Surface::SurfaceFont(int size) {
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(static_cast<int>(std::lround(size * 4.0 / 3.0)));
    return font;
}

void Surface::FillSurface(uint16_t colour) {
    FillRect(0, 0, kWidth, kHeight, colour);
}

void Surface::FillRect(int left, int top, int right, int bottom, uint16_t colour) {
    Record({Command::Kind::Fill, left, top, right, bottom, Rgb565ToRgb(colour), {}},
           QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)));
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, kWidth);
    bottom = std::min(bottom, kHeight);
    if (left >= right || top >= bottom) return;
    const QRgb c = Rgb565ToRgb(colour);
    // One detach check for the whole rectangle, not one per row.
    uchar* const bits = back_.bits();
    const qsizetype stride = back_.bytesPerLine();
    for (int y = top; y < bottom; ++y) {
        auto* line = reinterpret_cast<QRgb*>(bits + y * stride);
        std::fill(line + left, line + right, c);
    }
}

void Surface::DrawSprite(SpriteSet set, int index, int x, int y) {
    const auto& list = SpriteList(set);
    if (index < 0 || index >= static_cast<int>(list.size())) return;
    const Sprite& sprite = list[static_cast<std::size_t>(index)];
    Record({Command::Kind::Sprite, static_cast<int>(set), index, x, y, 0, {}},
           QRect(x, y, sprite.picture.width(), sprite.picture.height()).adjusted(-1, -1, 1, 1));
    uchar* const bits = back_.bits();
    const qsizetype stride = back_.bytesPerLine();
    for (const Sprite::Run& run : sprite.runs) {
        const int row = y + run.y;
        if (row < 0 || row >= kHeight) continue;
        int from = x + run.x;
        int to = from + run.length;
        const int skip = std::max(0, -from);
        from = std::max(from, 0);
        to = std::min(to, kWidth);
        if (from >= to) continue;
        const auto* src =
            reinterpret_cast<const QRgb*>(sprite.picture.constScanLine(run.y)) + run.x + skip;
        auto* dst = reinterpret_cast<QRgb*>(bits + row * stride) + from;
        // Runs are a few pixels long: a plain loop beats a call to memmove.
        for (int n = 0; n < to - from; ++n)
            dst[n] = src[n];
    }
}

void Surface::BeginText() {
    if (painter_.isActive()) return;
    painter_.begin(&back_);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
}

void Surface::SurfaceTextOut(int x, int y, int size, const std::string& text) {
    BeginText();
    font_ = SurfaceFont(size);
    painter_.setFont(font_);
    painter_.setPen(QColor(250, 250, 250));
    painter_.setBrush(Qt::NoBrush);
    const QFontMetrics metrics(font_);
    const QString string = QString::fromUtf8(text.data(), static_cast<int>(text.size()));
    painter_.drawText(x, y + metrics.ascent(), string);
    // Text of a larger font may come out a little wider than this one's.
    const int width = metrics.horizontalAdvance(string);
    Record({Command::Kind::Text, x, y, size, 0, 0, text},
           QRect(x, y, width, metrics.height()).adjusted(-4, -4, 4 + width / 10, 4));
}

int Surface::TextWidth(const std::string& text) {
    return QFontMetrics(font_).horizontalAdvance(
        QString::fromUtf8(text.data(), static_cast<int>(text.size())));
}

void Surface::SetFontSize(int size) {
    font_.setPixelSize(static_cast<int>(std::lround(size * 4.0 / 3.0)));
    if (painter_.isActive()) painter_.setFont(font_);
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
    // Bresenham from the current point, leaving out the end point.
    int cx = penX_;
    int cy = penY_;
    const int dx = std::abs(x - cx);
    const int dy = -std::abs(y - cy);
    const int sx = cx < x ? 1 : -1;
    const int sy = cy < y ? 1 : -1;
    int err = dx + dy;
    // One detach check for the whole line, not one per pixel.
    uchar* const bits = back_.bits();
    const qsizetype stride = back_.bytesPerLine();
    while (cx != x || cy != y) {
        if (cx >= 0 && cy >= 0 && cx < kWidth && cy < kHeight)
            reinterpret_cast<QRgb*>(bits + cy * stride)[cx] = pen_;
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
    penX_ = x;
    penY_ = y;
}

void Surface::ReleaseText() {
    if (painter_.isActive()) painter_.end();
}

void Surface::Record(Command command, QRect reach) {
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
    ReleaseText();
    changed_ = ChangedRegion(front_, back_);
    std::swap(back_, front_);
    std::swap(backCommands_, frontCommands_);
    backCommands_.clear();
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
    std::swap(backTiles_, frontTiles_);
    backTiles_.assign(frontTiles_.size(), 0);
    if (onPresent_) onPresent_();
}
