#include "engine/ContactGrid.h"

int ContactGrid::CellSizeFor(int particleSize) {
    return std::max(3 * (particleSize + 1), 16);
}

double ContactGrid::SlackFor(int particleSize) {
    return (CellSizeFor(particleSize) - 2.0 * (particleSize + 1)) / 2.0;
}

void ContactGrid::Rebuild(const SimulationState& s) {
    const int cell = CellSizeFor(s.ParticleSize);
    slack_ = SlackFor(s.ParticleSize);
    reach_ = s.ParticleSize + kMargin;
    left_ = s.VesselLeft;
    top_ = s.VesselTop;
    right_ = s.RightLimit();
    bottom_ = s.BottomLimit();
    inverse_ = 1.0 / cell;
    // Inner cells cover the room between the wall lines; at least one even when there is none.
    const auto inner = [cell](double span) {
        return std::max(1, static_cast<int>(std::ceil(span / cell)));
    };
    columns_ = inner(right_ - left_) + 2;
    rows_ = inner(bottom_ - top_) + 2;

    const auto used = static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_);
    if (cells_.size() < used) {
        cells_.resize(used);
        boxes_.resize(used);
    }
    for (std::size_t c = 0; c < used; ++c) {
        cells_[c].clear();
        boxes_[c].Clear();
    }

    // Filing in index order leaves every cell sorted.
    const double* px = s.PosX.Data();
    const double* py = s.PosY.Data();
    for (int k = 1; k <= s.ParticleCount; ++k) {
        const auto c = static_cast<std::size_t>(CellOf(px[k - 1], py[k - 1]));
        cells_[c].push_back(k);
        boxes_[c].Add(px[k - 1], py[k - 1]);
        cell_[static_cast<std::size_t>(k)] = static_cast<int32_t>(c);
    }
}
