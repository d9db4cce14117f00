#include "engine/ExactMeasures.h"

#include <algorithm>
#include <cmath>

#include "engine/PortableMath.h"

namespace {

// As the exact motion takes a speed: sqrt is exact in every build, where hypot is not.
double Speed(const SimulationState& s, int i) {
    return std::sqrt(s.VelX[i] * s.VelX[i] + s.VelY[i] * s.VelY[i]);
}

}  // namespace

double MeanSquareSpeed(const SimulationState& s, int from, int to) {
    if (to < from) return 0.0;
    double sum = 0.0;
    for (int i = from; i <= to; ++i)
        sum += s.VelX[i] * s.VelX[i] + s.VelY[i] * s.VelY[i];
    return sum / (to - from + 1);
}

double MaxwellCdf2D(double v, double meanSquare) {
    if (v <= 0.0 || meanSquare <= 0.0) return v > 0.0 ? 1.0 : 0.0;
    return -PortableExpm1(-v * v / meanSquare);
}

double MaxwellDensity2D(double v, double meanSquare) {
    if (v <= 0.0 || meanSquare <= 0.0) return 0.0;
    return 2.0 * v / meanSquare * PortableExp(-v * v / meanSquare);
}

double MaxwellDistance(const SimulationState& s, int from, int to) {
    if (to - from + 1 < 2) return 0.0;
    std::vector<double> speeds;
    speeds.reserve(static_cast<std::size_t>(to - from + 1));
    for (int i = from; i <= to; ++i)
        speeds.push_back(Speed(s, i));
    std::sort(speeds.begin(), speeds.end());
    const double meanSquare = MeanSquareSpeed(s, from, to);
    const auto n = static_cast<double>(speeds.size());
    double worst = 0.0;
    for (std::size_t k = 0; k < speeds.size(); ++k) {
        const double f = MaxwellCdf2D(speeds[k], meanSquare);
        worst =
            std::max({worst, f - static_cast<double>(k) / n, static_cast<double>(k + 1) / n - f});
    }
    return worst;
}

std::vector<int> SpeedHistogram(const SimulationState& s, int from, int to, int bins, double top) {
    std::vector<int> counts(static_cast<std::size_t>(std::max(bins, 0)), 0);
    if (bins <= 0 || !(top > 0.0)) return counts;
    for (int i = from; i <= to; ++i) {
        const double v = Speed(s, i);
        const double place = v / top * bins;
        const int bin = place >= bins ? bins - 1 : static_cast<int>(place);
        ++counts[static_cast<std::size_t>(std::max(bin, 0))];
    }
    return counts;
}

double FreePath2D(double area, int n, double d) {
    if (n <= 0 || d <= 0.0) return 0.0;
    return area / (2.0 * std::sqrt(2.0) * n * d);
}

namespace {

// Ten minutes at 60 ticks a second: more than any thin gas needs.
constexpr std::size_t kKeptTicks = 36000;

}  // namespace

void PressureWindow::Reset(int64_t now, int64_t settleHits) {
    since_ = now;
    hits_ = 0;
    settleHits_ = settleHits;
    ticks_.clear();
}

void PressureWindow::Add(int64_t tick, double impulse, int64_t hits) {
    hits_ += hits;
    ticks_.push_back({tick, impulse, hits});
    if (ticks_.size() > kKeptTicks) {
        since_ = ticks_.front().at;
        ticks_.pop_front();
    }
}

double PressureWindow::Pressure(int64_t now, double wallLength) const {
    if (now <= since_ || wallLength <= 0.0) return 0.0;
    double impulse = 0.0;
    int64_t hits = 0;
    int64_t from = now;
    for (auto it = ticks_.rbegin(); it != ticks_.rend(); ++it) {
        if (now - from >= window_ && hits >= minHits_) break;
        impulse += it->impulse;
        hits += it->hits;
        from = it->at - 1;  // the tick covers the time since the one before
    }
    from = std::max(from, since_);
    if (now - from < window_) from = std::max(since_, now - window_);
    return impulse / (static_cast<double>(now - from) * wallLength);
}
