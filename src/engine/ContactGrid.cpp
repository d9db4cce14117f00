#include "engine/ContactGrid.h"

#include <algorithm>

int ContactGrid::CellSizeFor(int particleSize) {
    return std::max(2 * particleSize + 2, 16);
}

void ContactGrid::Rebuild(const SimulationState& s) {
    const int cell = CellSizeFor(s.ParticleSize);
    // One spare cell on every side: a particle standing on a wall line is an ordinary case.
    originX_ = static_cast<double>(s.VesselLeft) - cell;
    originY_ = static_cast<double>(s.VesselTop) - cell;
    inverse_ = 1.0 / cell;
    columns_ = (s.VesselWidth + 2 * cell) / cell + 1;
    rows_ = (s.VesselHeight + 2 * cell) / cell + 1;
    lastColumn_ = columns_ - 1;
    lastRow_ = rows_ - 1;
    head_.assign(static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_), 0);

    const double* px = s.PosX.Data();
    const double* py = s.PosY.Data();
    for (int k = 1; k <= s.ParticleCount; ++k)
        Link(k, CellOf(px[k - 1], py[k - 1]));
}
