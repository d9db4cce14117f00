#pragma once

// The contact square of two particles whose corners stand at (xi, yi) and (xk, yk): inclusive
// on all four bounds. Placement, the plain contact loop and the grid search all decide through
// this one expression, so that they agree to the last bit.
inline bool SquaresTouch(double xi, double yi, double xk, double yk, double size) {
    return xk - size <= xi && xi <= xk + size && yk - size <= yi && yi <= yk + size;
}
