#pragma once

#include <array>
#include <climits>
#include <cstdint>
#include <vector>

#include "engine/ContactSquare.h"
#include "engine/SimulationState.h"

// Particles 1..ParticleCount filed into square cells by the corner of their sprite, so that the
// contact step looks only at the few particles near a position instead of at all of them.
//
// It decides nothing by itself: every candidate it finds is tested with SquaresTouch, the very
// expression of the plain loop, and NextPartner returns the smallest such index, which is what
// the plain loop would meet next. The cells only have to include every particle that could
// touch; a one-pixel margin around the contact square covers any rounding of the bounds.
//
// Positions outside the lattice (stale particles after a failed placement, a step back through
// a wall) are filed in its border cells: the cell index is a clamped, monotone function of the
// position, so two touching particles still lie in neighbouring cells.
class ContactGrid {
  public:
    // Files particles 1..ParticleCount anew on a lattice fitted to the current vessel and
    // particle size. Between two ticks anything may have moved the particles (the partition
    // strip, the track bars, a new initialisation), so every tick starts here.
    void Rebuild(const SimulationState& s);

    // Moves particle i into the cell of the place where it stands now.
    void Update(const SimulationState& s, int i) {
        const int cell = CellOf(s.PosX.Data()[i - 1], s.PosY.Data()[i - 1]);
        if (cell == cell_[static_cast<std::size_t>(i)]) return;
        Unlink(i);
        Link(i, cell);
    }

    // The smallest k > after, k != i, among particles 1..ParticleCount, whose square touches
    // particle i at the place where i stands now; 0 when there is none. Every particle but i
    // must stand where it was last filed (i itself is looked up by its current position).
    int NextPartner(const SimulationState& s, int i, int after) const {
        const double size = s.ParticleSize;
        const double* px = s.PosX.Data();
        const double* py = s.PosY.Data();
        const double xi = px[i - 1];
        const double yi = py[i - 1];
        const int reach = static_cast<int>(s.ParticleSize) + 1;
        const int x0 = Column(xi - reach);
        const int x1 = Column(xi + reach);
        const int y0 = Row(yi - reach);
        const int y1 = Row(yi + reach);
        int best = INT_MAX;
        for (int row = y0; row <= y1; ++row) {
            const int32_t* cells = head_.data() + static_cast<std::size_t>(row) * columns_;
            for (int column = x0; column <= x1; ++column) {
                for (int k = cells[column]; k != 0; k = next_[static_cast<std::size_t>(k)]) {
                    if (k > after && k < best && k != i &&
                        SquaresTouch(xi, yi, px[k - 1], py[k - 1], size))
                        best = k;
                }
            }
        }
        return best == INT_MAX ? 0 : best;
    }

    // Edge length of a cell for a particle size: wide enough that a contact square with its
    // margin spans at most two cells in each direction.
    static int CellSizeFor(int particleSize);

    int Columns() const { return columns_; }
    int Rows() const { return rows_; }
    // Cell number (row * Columns() + column) in which particle i is filed.
    int CellOfParticle(int i) const { return cell_[static_cast<std::size_t>(i)]; }
    // Cell number of a position, clamped into the lattice.
    int CellOf(double x, double y) const { return Row(y) * columns_ + Column(x); }

  private:
    static int Clamped(double t, int count, double last) {
        if (!(t > 0.0)) return 0;  // also a position that is not a number
        if (t >= last) return count - 1;
        return static_cast<int>(t);
    }
    int Column(double x) const { return Clamped((x - originX_) * inverse_, columns_, lastColumn_); }
    int Row(double y) const { return Clamped((y - originY_) * inverse_, rows_, lastRow_); }

    void Link(int i, int cell) {
        const auto at = static_cast<std::size_t>(i);
        const int first = head_[static_cast<std::size_t>(cell)];
        next_[at] = first;
        prev_[at] = 0;
        if (first != 0) prev_[static_cast<std::size_t>(first)] = i;
        head_[static_cast<std::size_t>(cell)] = i;
        cell_[at] = cell;
    }
    void Unlink(int i) {
        const auto at = static_cast<std::size_t>(i);
        const int before = prev_[at];
        const int after = next_[at];
        if (before != 0)
            next_[static_cast<std::size_t>(before)] = after;
        else
            head_[static_cast<std::size_t>(cell_[at])] = after;
        if (after != 0) prev_[static_cast<std::size_t>(after)] = before;
    }

    double originX_ = 0.0;
    double originY_ = 0.0;
    double inverse_ = 1.0;
    int columns_ = 1;
    int rows_ = 1;
    double lastColumn_ = 0.0;
    double lastRow_ = 0.0;
    // First particle of each cell, 0 for an empty one; grown once, never shrunk.
    std::vector<int32_t> head_ = std::vector<int32_t>(1, 0);
    // Per particle number (element 0 unused, 0 meaning none): the cell's doubly linked list.
    std::array<int32_t, kParticleCapacity + 1> next_{};
    std::array<int32_t, kParticleCapacity + 1> prev_{};
    std::array<int32_t, kParticleCapacity + 1> cell_{};
};
