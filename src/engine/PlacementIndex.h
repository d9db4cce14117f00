#pragma once

#include <vector>

#include "engine/SimulationState.h"

// The overlap test of the placements, answered from a grid of cells instead of a pass over
// every slot. Its answer is always that of OverlapsAny: each slot 1..ParticleCount stands in the
// cell of the position it had when it was indexed or last reported moved, and a candidate is
// tested with the same inclusive square against the slots of its own and the eight neighbouring
// cells. A full vessel that runs out of attempts thus costs a few milliseconds, not a second.
class PlacementIndex {
  public:
    // Indexes slots 1..ParticleCount at their present positions, stale ones included.
    explicit PlacementIndex(const SimulationState& s);

    // Does slot i, at its present position, touch any other indexed slot?
    bool Overlaps(const SimulationState& s, int i) const;

    // Slot i now stands where it was placed; slots outside 1..ParticleCount are not indexed.
    void Moved(const SimulationState& s, int i);

  private:
    int CellOf(double x, double y) const;
    void Link(int i, int cell);
    void Unlink(int i);

    double cellSide_;
    int columns_;
    int rows_;
    int count_;
    std::vector<int> head_;    // first slot of each cell, 0 for none
    std::vector<int> next_;    // per slot, the next slot of its cell
    std::vector<int> prev_;    // per slot, the slot before it in its cell, 0 for the first
    std::vector<int> cellOf_;  // per slot, the cell it is linked into
};
