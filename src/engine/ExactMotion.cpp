#include "engine/ExactMotion.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>

#include "engine/Heap.h"

namespace {

constexpr double kNever = std::numeric_limits<double>::infinity();
constexpr int kMaxCellsPerSide = 1024;

std::size_t At(int i) {
    return static_cast<std::size_t>(i);
}

}  // namespace

void ExactMotion::Load(const SimulationState& s) {
    n_ = s.ParticleCount;
    d_ = s.ParticleSize;
    d2_ = d_ * d_;
    left_ = s.VesselLeft;
    top_ = s.VesselTop;
    right_ = std::max<double>(s.RightLimit(), left_);
    bottom_ = std::max<double>(s.BottomLimit(), top_);
    const auto size = At(n_);
    for (auto* a : {&x_, &y_, &u_, &v_, &t_, &speed_})
        a->assign(size, 0.0);
    count_.assign(size, 0);
    const double divisor = s.StepDivisor;
    for (int k = 0; k < n_; ++k) {
        const auto q = At(k);
        // Anything may have put a particle outside (a smaller vessel chosen on the track bar).
        x_[q] = std::clamp(s.PosX.Data()[k], left_, right_);
        if (const Strip* strip = StripOf(k))
            x_[q] = std::clamp(x_[q], strip->low, std::max(strip->low, strip->high));
        y_[q] = std::clamp(s.PosY.Data()[k], top_, bottom_);
        // A vessel no wider (higher) than a particle leaves it no room to move that way; the
        // velocity stays as it is for a larger vessel later.
        u_[q] = right_ > left_ ? s.VelX.Data()[k] / divisor : 0.0;
        v_[q] = bottom_ > top_ ? s.VelY.Data()[k] / divisor : 0.0;
        speed_[q] = std::sqrt(u_[q] * u_[q] + v_[q] * v_[q]);
    }
}

void ExactMotion::Store(SimulationState& s) const {
    const double divisor = s.StepDivisor;
    for (int k = 0; k < n_; ++k) {
        const auto q = At(k);
        s.PosX.Data()[k] = std::clamp(x_[q], left_, right_);
        // A tick cut short moved the rest plainly: a group still ends it in its strip.
        if (const Strip* strip = StripOf(k))
            s.PosX.Data()[k] =
                std::clamp(s.PosX.Data()[k], strip->low, std::max(strip->low, strip->high));
        s.PosY.Data()[k] = std::clamp(y_[q], top_, bottom_);
        // Untouched velocities keep their exact bits.
        if (count_[q] == 0) continue;
        if (right_ > left_) s.VelX.Data()[k] = u_[q] * divisor;
        if (bottom_ > top_) s.VelY.Data()[k] = v_[q] * divisor;
    }
}

// About one particle per cell, and never narrower than a particle.
void ExactMotion::BuildGrid() {
    const double width = right_ - left_;
    const double height = bottom_ - top_;
    const double side = std::max(d_ * (1.0 + 1e-9) + 1e-9,
                                 std::sqrt((width + d_) * (height + d_) / std::max(n_, 1)));
    cols_ = std::clamp(static_cast<int>(width / side), 1, kMaxCellsPerSide);
    rows_ = std::clamp(static_cast<int>(height / side), 1, kMaxCellsPerSide);
    cellW_ = width / cols_;
    cellH_ = height / rows_;
    head_.assign(At(cols_ * rows_), -1);
    for (auto* a : {&cellX_, &cellY_, &next_, &prev_})
        a->assign(At(n_), -1);
    for (int k = 0; k < n_; ++k) {
        const auto q = At(k);
        const int cx = cellW_ > 0.0 ? static_cast<int>((x_[q] - left_) / cellW_) : 0;
        const int cy = cellH_ > 0.0 ? static_cast<int>((y_[q] - top_) / cellH_) : 0;
        cellX_[q] = std::clamp(cx, 0, cols_ - 1);
        cellY_[q] = std::clamp(cy, 0, rows_ - 1);
        Link(k, cellY_[q] * cols_ + cellX_[q]);
    }
}

void ExactMotion::Link(int i, int cell) {
    const auto q = At(i);
    int32_t& head = head_[At(cell)];
    prev_[q] = -1;
    next_[q] = head;
    if (head >= 0) prev_[At(head)] = i;
    head = i;
}

void ExactMotion::Unlink(int i) {
    const auto q = At(i);
    if (prev_[q] >= 0)
        next_[At(prev_[q])] = next_[q];
    else
        head_[At(cellY_[q] * cols_ + cellX_[q])] = next_[q];
    if (next_[q] >= 0) prev_[At(next_[q])] = prev_[q];
}

void ExactMotion::Push(const Event& e) {
    queue_.push_back(e);
    HeapPush(queue_, std::greater<Event>());
}

void ExactMotion::MoveTo(int i, double t) {
    const auto q = At(i);
    const double dt = t - t_[q];
    if (dt <= 0.0) return;
    x_[q] += u_[q] * dt;
    y_[q] += v_[q] * dt;
    totals_.Distance += speed_[q] * dt;
    t_[q] = t;
}

void ExactMotion::PredictWall(int i, double now) {
    const auto q = At(i);
    double best = kNever;
    int wall = 0;
    if (u_[q] > 0.0) {
        best = std::max(0.0, (right_ - x_[q]) / u_[q]);
        wall = kRightWall;
    } else if (u_[q] < 0.0) {
        best = std::max(0.0, (left_ - x_[q]) / u_[q]);
        wall = kLeftWall;
    }
    if (v_[q] > 0.0) {
        const double ty = std::max(0.0, (bottom_ - y_[q]) / v_[q]);
        if (ty < best) best = ty, wall = kBottomWall;
    } else if (v_[q] < 0.0) {
        const double ty = std::max(0.0, (top_ - y_[q]) / v_[q]);
        if (ty < best) best = ty, wall = kTopWall;
    }
    if (wall != 0 && now + best <= 1.0) Push({now + best, i, -wall, count_[q], 0});
    if (const Strip* strip = StripOf(i)) PredictStrip(i, *strip, now);
}

void ExactMotion::PredictStrip(int i, const Strip& strip, double now) {
    const auto q = At(i);
    double t = kNever;
    int32_t edge = 0;
    if (u_[q] > 0.0 && strip.high < right_) {
        t = std::max(0.0, (strip.high - x_[q]) / u_[q]);
        edge = kStripHigh;
    } else if (u_[q] < 0.0 && strip.low > left_) {
        t = std::max(0.0, (strip.low - x_[q]) / u_[q]);
        edge = kStripLow;
    }
    if (edge != 0 && now + t <= 1.0) Push({now + t, i, edge, count_[q], 0});
}

void ExactMotion::BounceOffStrip(int i, int32_t edge) {
    const auto q = At(i);
    const Strip& strip = *StripOf(i);
    x_[q] = edge == kStripLow ? strip.low : strip.high;
    u_[q] = -u_[q];
    ++count_[q];
    Show(i);
}

// The next time particle i leaves its cell for a neighbouring one; the event's cj keeps the
// direction (0..3: left, up, right, down).
void ExactMotion::PredictCrossing(int i, double now) {
    const auto q = At(i);
    double best = kNever;
    uint32_t way = 0;
    if (u_[q] > 0.0 && cellX_[q] < cols_ - 1) {
        best = std::max(0.0, (left_ + (cellX_[q] + 1) * cellW_ - x_[q]) / u_[q]);
        way = 2;
    } else if (u_[q] < 0.0 && cellX_[q] > 0) {
        best = std::max(0.0, (left_ + cellX_[q] * cellW_ - x_[q]) / u_[q]);
        way = 0;
    }
    if (v_[q] > 0.0 && cellY_[q] < rows_ - 1) {
        const double ty = std::max(0.0, (top_ + (cellY_[q] + 1) * cellH_ - y_[q]) / v_[q]);
        if (ty < best) best = ty, way = 3;
    } else if (v_[q] < 0.0 && cellY_[q] > 0) {
        const double ty = std::max(0.0, (top_ + cellY_[q] * cellH_ - y_[q]) / v_[q]);
        if (ty < best) best = ty, way = 1;
    }
    if (now + best <= 1.0) Push({now + best, i, kCross, count_[q], way});
}

void ExactMotion::PredictPair(int i, int j, double now) {
    if (++pairs_ > kPairLimit) return;  // the tick is cut short below
    const auto a = At(i);
    const auto b = At(j);
    const double lag = now - t_[b];
    const double dx = x_[b] + u_[b] * lag - x_[a];
    const double dy = y_[b] + v_[b] * lag - y_[a];
    const double du = u_[b] - u_[a];
    const double dv = v_[b] - v_[a];
    const double approach = dx * du + dy * dv;
    if (approach >= 0.0) return;  // moving apart, or together at the same speed
    const double gap = dx * dx + dy * dy - d2_;
    double s = 0.0;
    if (gap > 0.0) {
        const double disc = approach * approach - (du * du + dv * dv) * gap;
        if (disc < 0.0) return;  // they pass each other
        s = gap / (-approach + std::sqrt(disc));
    }
    if (now + s > 1.0) return;
    if (i < j)
        Push({now + s, i, j, count_[a], count_[b]});
    else
        Push({now + s, j, i, count_[b], count_[a]});
}

void ExactMotion::PredictCell(int i, int cx, int cy, double now) {
    if (cx < 0 || cy < 0 || cx >= cols_ || cy >= rows_) return;
    for (int j = head_[At(cy * cols_ + cx)]; j >= 0; j = next_[At(j)])
        if (j != i) PredictPair(i, j, now);
}

// Everything particle i may meet next, after its velocity changed.
void ExactMotion::Predict(int i, double now) {
    const auto q = At(i);
    PredictWall(i, now);
    PredictCrossing(i, now);
    for (int cy = cellY_[q] - 1; cy <= cellY_[q] + 1; ++cy)
        for (int cx = cellX_[q] - 1; cx <= cellX_[q] + 1; ++cx)
            PredictCell(i, cx, cy, now);
}

// Particle i enters a neighbouring cell: it may now meet the row or column of cells that has
// come into its reach. What it was to meet before stays valid, its velocity being the same.
void ExactMotion::Cross(int i, uint32_t way, double now) {
    const auto q = At(i);
    MoveTo(i, now);
    Unlink(i);
    const int dx = way == 0 ? -1 : way == 2 ? 1 : 0;
    const int dy = way == 1 ? -1 : way == 3 ? 1 : 0;
    cellX_[q] += dx;
    cellY_[q] += dy;
    Link(i, cellY_[q] * cols_ + cellX_[q]);
    for (int k = -1; k <= 1; ++k) {
        if (dx != 0)
            PredictCell(i, cellX_[q] + dx, cellY_[q] + k, now);
        else
            PredictCell(i, cellX_[q] + k, cellY_[q] + dy, now);
    }
    PredictCrossing(i, now);
}

void ExactMotion::Show(int i) {
    state_->PosX.Data()[i] = x_[At(i)];
    state_->PosY.Data()[i] = y_[At(i)];
}

void ExactMotion::Meet(int i, int j, double now, ExactHooks& hooks) {
    const auto a = At(i);
    const auto b = At(j);
    MoveTo(i, now);
    MoveTo(j, now);
    const double dx = x_[b] - x_[a];
    const double dy = y_[b] - y_[a];
    const double dist = std::sqrt(dx * dx + dy * dy);
    if (dist > 0.0) {
        const double nx = dx / dist;
        const double ny = dy / dist;
        const double along = (u_[b] - u_[a]) * nx + (v_[b] - v_[a]) * ny;
        if (along < 0.0) {
            Show(i);
            Show(j);
            hooks.Contact(i + 1, j + 1);
            ++totals_.Collisions;
            u_[a] += along * nx;
            v_[a] += along * ny;
            u_[b] -= along * nx;
            v_[b] -= along * ny;
        }
    }
    for (auto q : {a, b}) {
        ++count_[q];
        speed_[q] = std::sqrt(u_[q] * u_[q] + v_[q] * v_[q]);
    }
    Predict(i, now);
    Predict(j, now);
}

void ExactMotion::Bounce(int i, Wall wall, double divisor, ExactHooks& hooks) {
    const auto q = At(i);
    double impulse;
    if (wall == kLeftWall || wall == kRightWall) {
        x_[q] = wall == kLeftWall ? left_ : right_;
        impulse = 2.0 * std::abs(u_[q]);
        u_[q] = -u_[q];
    } else {
        y_[q] = wall == kTopWall ? top_ : bottom_;
        impulse = 2.0 * std::abs(v_[q]);
        v_[q] = -v_[q];
    }
    ++count_[q];
    ++totals_.WallBounces;
    totals_.Impulse += impulse * divisor;
    Show(i);
    hooks.WallBounce(i + 1, wall, impulse * divisor);
}

void ExactMotion::Advance(SimulationState& s, ExactHooks& hooks) {
    Load(s);
    if (n_ == 0 || s.StepDivisor == 0.0) return;
    state_ = &s;
    pairs_ = 0;
    BuildGrid();

    // Every pair of neighbouring cells once: each cell with itself and four of its neighbours.
    queue_.clear();
    for (int i = 0; i < n_; ++i) {
        const auto q = At(i);
        PredictWall(i, 0.0);
        PredictCrossing(i, 0.0);
        for (int j = next_[q]; j >= 0; j = next_[At(j)])
            PredictPair(i, j, 0.0);
        const int cx = cellX_[q];
        const int cy = cellY_[q];
        PredictCell(i, cx + 1, cy - 1, 0.0);
        PredictCell(i, cx + 1, cy, 0.0);
        PredictCell(i, cx + 1, cy + 1, 0.0);
        PredictCell(i, cx, cy + 1, 0.0);
    }

    int64_t events = 0;
    while (!queue_.empty()) {
        HeapPop(queue_, std::greater<Event>());
        const Event e = queue_.back();
        if (count_[At(e.i)] != e.ci || (e.j >= 0 && count_[At(e.j)] != e.cj)) {
            queue_.pop_back();
            continue;
        }
        if (++events > EventLimit(n_) || pairs_ > kPairLimit) {
            ++totals_.CutTicks;
            break;
        }
        queue_.pop_back();
        if (e.j == kCross) {
            Cross(e.i, e.cj, e.t);
        } else if (e.j >= 0) {
            Meet(e.i, e.j, e.t, hooks);
        } else if (e.j == kStripLow || e.j == kStripHigh) {
            MoveTo(e.i, e.t);
            BounceOffStrip(e.i, e.j);
            Predict(e.i, e.t);
        } else {
            MoveTo(e.i, e.t);
            Bounce(e.i, static_cast<Wall>(-e.j), s.StepDivisor, hooks);
            Predict(e.i, e.t);
        }
    }
    queue_.clear();
    for (int k = 0; k < n_; ++k)
        MoveTo(k, 1.0);
    totals_.Time += 1.0;
    Store(s);
}
