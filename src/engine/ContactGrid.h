#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "engine/ContactSquare.h"
#include "engine/SimulationState.h"

// Particles 1..ParticleCount filed into cells by the corner of their sprite, so that the contact
// step looks only at the particles near a position instead of at all of them.
//
// It decides nothing by itself: candidates are tested with SquaresTouch, the very expression of
// the plain loop, in increasing index order, and a search stops at the first that touches - the
// partner the plain loop would meet next. Each cell keeps its particles sorted by index, so that
// after a step back the search goes on past the last partner without testing anyone twice.
//
// The lattice: square cells over the inside of the vessel, and one border column (row) on each
// side for everything standing on a wall line or beyond it. The clamp puts particles exactly on
// the wall lines, and crowded vessels stack them there, often hundreds on one corner point; the
// border cells keep such heaps apart from the particles inside, so that the box of a cell (below)
// can tell when a heap is out of reach.
//
// A search covers a region a little larger than the contact square, so that it can go on after
// a short step back. It must hold every particle that could touch i while i's contact square
// lies in that region (it may hold more):
//  - the cell of a position is a clamped, monotone function of it, so the cells from the one of
//    the region's low corner to the one of its high corner hold every position inside it;
//  - each cell keeps a box around every position filed in it this tick (the box only grows
//    until the next rebuild), and a cell whose box misses the region is left out;
//  - from cells with few particles, only those standing inside the region are kept.
// Cells are also passed over while their box misses the contact square of i where it stands
// at the moment. Wherever a position is judged against a square, the square is widened by a
// small margin that covers any rounding of its bounds. That holds within a billion pixels of
// the origin; beyond it (stale positions can lie anywhere) every cell in range is walked whole.
class ContactGrid {
  public:
    // Files particles 1..ParticleCount anew on a lattice fitted to the current vessel and
    // particle size. Between two ticks anything may have moved the particles (the partition
    // strip, the track bars, a new initialisation), so every tick starts here.
    void Rebuild(const SimulationState& s);

    // Files particle i at the place where it stands now.
    void Update(const SimulationState& s, int i) {
        const double x = s.PosX.Data()[i - 1];
        const double y = s.PosY.Data()[i - 1];
        const int to = CellOf(x, y);
        boxes_[static_cast<std::size_t>(to)].Add(x, y);
        const int from = cell_[static_cast<std::size_t>(i)];
        if (to == from) return;
        std::vector<int32_t>& old = cells_[static_cast<std::size_t>(from)];
        old.erase(std::lower_bound(old.begin(), old.end(), i));
        std::vector<int32_t>& cell = cells_[static_cast<std::size_t>(to)];
        cell.insert(std::lower_bound(cell.begin(), cell.end(), i), i);
        cell_[static_cast<std::size_t>(i)] = to;
    }

    // Calls exchange(k) for every partner k of particle i in the order of the plain loop: the
    // smallest index that touches i, then the smallest above it that touches i where the
    // exchange has put it, and so on. Every particle but i must stand where it was last filed.
    template <class Exchange>
    void ForEachPartner(const SimulationState& s, int i, Exchange&& exchange) const {
        const double size = s.ParticleSize;
        const double* px = s.PosX.Data();
        const double* py = s.PosY.Data();
        Scan scan;
        Begin(scan, s, i, 0);
        Cursor* cursors = scan.cursors;
        double xi = px[i - 1];
        double yi = py[i - 1];
        for (;;) {
            // Cursors [0, live) take part; the cells of the others are out of reach from here.
            int live = InReachFirst(scan, 0, xi, yi);
            if (live == 0) return;
            // The cursor with the smallest index runs alone up to the next smallest one.
            int m = 0;
            int limit = std::numeric_limits<int>::max();
            for (int c = 1; c < live; ++c) {
                if (*cursors[c].at < *cursors[m].at) {
                    limit = *cursors[m].at;
                    m = c;
                } else if (*cursors[c].at < limit) {
                    limit = *cursors[c].at;
                }
            }
            Cursor& run = cursors[m];
            const int32_t* at = run.at;
            bool goesOn = true;
            while (goesOn) {
                const int k = *at++;
                goesOn = at != run.end && *at < limit;
                if (!(SquaresTouchBranchless(xi, yi, px[k - 1], py[k - 1], size) & (k != i)))
                    continue;
                // Cells out of reach had nobody to meet below k either.
                for (int c = live; c < scan.open;) {
                    cursors[c].at = std::upper_bound(cursors[c].at, cursors[c].end, k);
                    if (cursors[c].at == cursors[c].end)
                        cursors[c] = cursors[--scan.open];
                    else
                        ++c;
                }
                exchange(k);
                xi = px[i - 1];
                yi = py[i - 1];
                if (!Covers(scan, xi, yi)) {
                    Begin(scan, s, i, k);
                    at = nullptr;
                    break;
                }
                // The run goes on while its cell stays in reach and no other cell comes in.
                if (InReachFirst(scan, live, xi, yi) != live || !InReach(scan, run.box, xi, yi))
                    break;
            }
            if (at == nullptr) continue;
            if (at == run.end) {
                run = cursors[--scan.open];
            } else {
                run.at = at;
            }
        }
    }

    // Edge length of an inner cell for a particle size, and the slack by which a search
    // reaches beyond the contact square; together they keep a region narrower than a cell.
    static int CellSizeFor(int particleSize);
    static double SlackFor(int particleSize);

    int Columns() const { return columns_; }
    int Rows() const { return rows_; }
    // Cell number (row * Columns() + column) in which particle i is filed.
    int CellOfParticle(int i) const { return cell_[static_cast<std::size_t>(i)]; }
    // Cell number of a position.
    int CellOf(double x, double y) const { return Row(y) * columns_ + Column(x); }

  private:
    // The smallest rectangle around the positions filed in a cell.
    struct Box {
        double left, right, top, bottom;
        void Clear() {
            left = top = std::numeric_limits<double>::infinity();
            right = bottom = -std::numeric_limits<double>::infinity();
        }
        void Add(double x, double y) {
            if (x < left) left = x;
            if (x > right) right = x;
            if (y < top) top = y;
            if (y > bottom) bottom = y;
        }
        bool IsPoint() const { return left == right && top == bottom; }
        bool Meets(double l, double r, double t, double b) const {
            return left <= r && l <= right && top <= b && t <= bottom;
        }
    };

    // Cells with at most kSifted particles, or kSiftedSpread if they do not all stand on one
    // point, are sifted when a search starts: only those above the last partner and standing
    // inside the region are kept. Fuller cells, and heaps stacked on one point (a corner), are
    // walked lazily: the first partner in a heap usually ends the walk, and a point's box
    // tells exactly when the heap is out of reach.
    static constexpr int kSifted = 24;
    static constexpr int kSiftedSpread = 96;

    // Added to the contact square wherever a position is judged. Rounding its four bounds
    // moves them by less than a millionth of a pixel within a billion pixels of the origin.
    static constexpr double kMargin = 1.0 / 1024;

    // A search: one cursor per cell of the region, over the cell's sorted indices (or those
    // sifted from them), each at the next index not yet looked at.
    struct Cursor {
        const int32_t* at;
        const int32_t* end;
        const Box* box;  // none for a sifted run: all of it stands in the region
    };
    struct Scan {
        Cursor cursors[9];  // a region, narrower than a cell, spans at most 3 x 3 of them
        int open = 0;
        bool judged = false;  // were positions and boxes used to leave particles out?
        // Where i may stand for the search to go on: its contact square stays in the region.
        double fromX = 0.0, toX = -1.0, fromY = 0.0, toY = -1.0;
        int32_t sifted[9 * kSiftedSpread];
    };

    // Starts a search among particles above `after` around the place where i stands now.
    void Begin(Scan& scan, const SimulationState& s, int i, int after) const {
        const double reach = s.ParticleSize + kMargin + slack_;
        const double* px = s.PosX.Data();
        const double* py = s.PosY.Data();
        const double xi = px[i - 1];
        const double yi = py[i - 1];
        const double left = xi - reach;
        const double right = xi + reach;
        const double top = yi - reach;
        const double bottom = yi + reach;
        const bool judged = Near(xi, yi);
        const double square = s.ParticleSize + kMargin;
        scan.fromX = left + square;
        scan.toX = right - square;
        scan.fromY = top + square;
        scan.toY = bottom - square;
        scan.judged = judged;
        scan.open = 0;
        int sifted = 0;
        const int x0 = Column(left);
        const int x1 = Column(right);
        const int y0 = Row(top);
        const int y1 = Row(bottom);
        for (int row = y0; row <= y1; ++row) {
            for (int column = x0; column <= x1; ++column) {
                const auto c = static_cast<std::size_t>(row * columns_ + column);
                const Box& box = boxes_[c];
                if (judged && !box.Meets(left, right, top, bottom)) continue;
                const std::vector<int32_t>& cell = cells_[c];
                const int32_t* at = cell.data();
                const int32_t* end = at + cell.size();
                const auto count = end - at;
                if (judged && (count <= kSifted || (count <= kSiftedSpread && !box.IsPoint()))) {
                    int32_t* const first = scan.sifted + sifted;
                    for (; at != end; ++at) {
                        const int k = *at;
                        const double x = px[k - 1];
                        const double y = py[k - 1];
                        scan.sifted[sifted] = k;
                        sifted +=
                            (k > after) & (left <= x) & (x <= right) & (top <= y) & (y <= bottom);
                    }
                    if (scan.sifted + sifted != first)
                        scan.cursors[scan.open++] = {first, scan.sifted + sifted, nullptr};
                    continue;
                }
                if (after != 0) at = std::upper_bound(at, end, after);
                if (at != end) scan.cursors[scan.open++] = {at, end, &box};
            }
        }
    }

    // Does the search still cover the contact square at (x, y)? Then it can simply go on.
    static bool Covers(const Scan& scan, double x, double y) {
        return scan.fromX <= x && x <= scan.toX && scan.fromY <= y && y <= scan.toY;
    }

    // Moves the cursors among [from, open) whose cells the contact square at (x, y) reaches to
    // the front of that stretch; returns where the others begin. Cursors before `from` are
    // left as they are.
    int InReachFirst(Scan& scan, int from, double x, double y) const {
        if (!scan.judged) return scan.open;
        int reached = from;
        for (int c = from; c < scan.open; ++c) {
            if (InReach(scan, scan.cursors[c].box, x, y))
                std::swap(scan.cursors[c], scan.cursors[reached++]);
        }
        return reached;
    }

    // Could a particle filed in the cell of this box touch one standing at (x, y)?
    // While the search covers i, i stays as near the origin as where the search began.
    bool InReach(const Scan& scan, const Box* box, double x, double y) const {
        return !box || !scan.judged || box->Meets(x - reach_, x + reach_, y - reach_, y + reach_);
    }

    // Border cell 0 up to the low wall line, inner cells 1..count-2, border cell count-1 from
    // the high wall line on. Not-a-number goes to cell 0.
    static int Band(double v, double low, double high, double inverse, int count) {
        if (!(v > low)) return 0;
        if (v >= high) return count - 1;
        const double t = (v - low) * inverse;
        const double last = count - 3;
        return 1 + (t < last ? static_cast<int>(t) : count - 3);
    }
    int Column(double x) const { return Band(x, left_, right_, inverse_, columns_); }
    int Row(double y) const { return Band(y, top_, bottom_, inverse_, rows_); }
    static bool Near(double x, double y) { return std::fabs(x) < 1e9 && std::fabs(y) < 1e9; }

    double left_ = 0.0, right_ = 0.0, top_ = 0.0, bottom_ = 0.0;  // the wall lines
    double inverse_ = 1.0;
    double slack_ = 0.0;
    double reach_ = 0.0;  // half the contact square with its margin
    int columns_ = 3;
    int rows_ = 3;
    // The particles of each cell in increasing order, and the box around their positions.
    // Kept from tick to tick and only ever grown, so that a running simulation does not
    // allocate.
    std::vector<std::vector<int32_t>> cells_ = std::vector<std::vector<int32_t>>(9);
    std::vector<Box> boxes_ = std::vector<Box>(9);
    // Cell of each particle number (element 0 unused).
    std::vector<int32_t> cell_ = std::vector<int32_t>(kParticleCapacity + 1, 0);
};
