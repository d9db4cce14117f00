#pragma once

#include <QImage>
#include <optional>
#include <vector>

#include "engine/Canvas.h"

// One picture of a sprite set. The picture keeps its key colour where it is transparent;
// `runs` lists, row by row, the opaque stretches that a copy puts on the surface.
struct Sprite {
    struct Run {
        int y, x, length;
    };
    QImage picture;           // RGB32, as designed, key colour included
    std::optional<QRgb> key;  // transparent colour; none for opaque pictures
    std::vector<Run> runs;    // the pixels that are not the key colour
    QImage transparent;       // ARGB32 premultiplied, key made transparent (for QPainter)
};

// The particle discs (19 items) and the instrument pictures (5 items), drawn by code once.
const std::vector<Sprite>& SpriteList(SpriteSet set);

// The particle pictures as a printer draws them: item kind of the particle set in the top-left
// corner of a white 20 x 20 cell (kinds 0 to 17).
QImage PrintParticlePicture(int kind);
