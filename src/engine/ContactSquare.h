#pragma once

// The contact square of two particles whose corners stand at (xi, yi) and (xk, yk): inclusive
// on all four bounds. Placement, the plain contact loop and the grid search all decide through
// these four comparisons, so that they agree to the last bit.
inline bool SquaresTouch(double xi, double yi, double xk, double yk, double size) {
    return xk - size <= xi && xi <= xk + size && yk - size <= yi && yi <= yk + size;
}

// The same four comparisons, all of them made: no branch to mispredict where, in a crowd,
// touching and missing come in no foreseeable order.
inline bool SquaresTouchBranchless(double xi, double yi, double xk, double yk, double size) {
    return (xk - size <= xi) & (xi <= xk + size) & (yk - size <= yi) & (yi <= yk + size);
}
