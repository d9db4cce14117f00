#include "engine/PlacementIndex.h"

#include <algorithm>
#include <cmath>

#include "engine/Placement.h"

namespace {
// Cells wider than the contact square (by a margin for the rounding of its bounds), so that
// touching slots sit in the same or in neighbouring cells; the grid covers twice the surface, and
// anything beyond lies in the edge cells, which keeps neighbours neighbours.
constexpr double kMinimumCell = 8.0;
constexpr double kCoveredSide = 2048.0;

int Clamp(double v, int cells) {
    if (!(v >= 0.0)) return 0;  // negative, or not a number
    if (v >= cells - 1) return cells - 1;
    return static_cast<int>(v);
}
}  // namespace

PlacementIndex::PlacementIndex(const SimulationState& s)
    : cellSide_(std::max<double>(s.ParticleSize + 1.0, kMinimumCell)),
      columns_(static_cast<int>(std::ceil(kCoveredSide / cellSide_)) + 1),
      rows_(columns_),
      count_(std::clamp<int>(s.ParticleCount, 0, kParticleCapacity)),
      head_(static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_), 0),
      next_(static_cast<std::size_t>(count_) + 1, 0),
      prev_(static_cast<std::size_t>(count_) + 1, 0),
      cellOf_(static_cast<std::size_t>(count_) + 1, 0) {
    for (int i = 1; i <= count_; ++i)
        Link(i, CellOf(s.PosX[i], s.PosY[i]));
}

int PlacementIndex::CellOf(double x, double y) const {
    return Clamp(std::floor(y / cellSide_), rows_) * columns_ +
           Clamp(std::floor(x / cellSide_), columns_);
}

void PlacementIndex::Link(int i, int cell) {
    const auto slot = static_cast<std::size_t>(i);
    int& first = head_[static_cast<std::size_t>(cell)];
    next_[slot] = first;
    prev_[slot] = 0;
    if (first != 0) prev_[static_cast<std::size_t>(first)] = i;
    first = i;
    cellOf_[slot] = cell;
}

void PlacementIndex::Unlink(int i) {
    const auto slot = static_cast<std::size_t>(i);
    const int before = prev_[slot];
    const int after = next_[slot];
    if (before != 0) {
        next_[static_cast<std::size_t>(before)] = after;
    } else {
        head_[static_cast<std::size_t>(cellOf_[slot])] = after;
    }
    if (after != 0) prev_[static_cast<std::size_t>(after)] = before;
}

bool PlacementIndex::Overlaps(const SimulationState& s, int i) const {
    const int cell = CellOf(s.PosX[i], s.PosY[i]);
    const int row = cell / columns_;
    const int column = cell % columns_;
    for (int r = std::max(row - 1, 0); r <= std::min(row + 1, rows_ - 1); ++r) {
        for (int c = std::max(column - 1, 0); c <= std::min(column + 1, columns_ - 1); ++c) {
            for (int k = head_[static_cast<std::size_t>(r * columns_ + c)]; k != 0;
                 k = next_[static_cast<std::size_t>(k)]) {
                if (k != i && Touches(s, i, k)) return true;
            }
        }
    }
    return false;
}

void PlacementIndex::Moved(const SimulationState& s, int i) {
    if (i < 1 || i > count_) return;
    Unlink(i);
    Link(i, CellOf(s.PosX[i], s.PosY[i]));
}
