#include "engine/HistogramRender.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/ExactMeasures.h"
#include "engine/ModeTable.h"
#include "engine/Simulation.h"

namespace {

constexpr uint16_t kBarColour = 0x4C9F;  // light blue
constexpr Rgb kCurveColour = MakeRgb(255, 200, 0);
constexpr Rgb kAxisColour = MakeRgb(200, 200, 200);

}  // namespace

std::optional<HistogramPlace> HistogramPlaceOf(int mode) {
    return ModeOf(mode).Histogram;
}

void RenderSpeedHistogram(const SimulationState& s, const HistogramPlace& place,
                          const std::string& caption, Canvas& canvas) {
    const int n = s.ParticleCount;
    const int bottom = place.Top + place.Height;
    canvas.SurfaceTextOut(place.Left, place.Top - 18, 10, caption);
    canvas.SetPenColour(kAxisColour);
    canvas.MoveTo(place.Left, bottom);
    canvas.LineTo(place.Left + place.Width, bottom);
    const double meanSquare = MeanSquareSpeed(s, 1, n);
    if (n < 1 || !(meanSquare > 0.0)) return;

    // Heights as densities: the curve's peak, at v = rms / sqrt2, stands at 80% of the box,
    // unless a bar stands higher; then the tallest bar fills the box, so that none is cut.
    const double top = 3.0 * std::sqrt(meanSquare);
    const double binWidth = top / kHistogramBins;
    const double peak = MaxwellDensity2D(std::sqrt(meanSquare / 2.0), meanSquare);
    const std::vector<int> counts = SpeedHistogram(s, 1, n, kHistogramBins, top);
    const double tallest = *std::max_element(counts.begin(), counts.end()) / (n * binWidth);
    const double scale = std::min(0.8 * place.Height / peak, place.Height / tallest);
    const double barPixels = static_cast<double>(place.Width) / kHistogramBins;
    for (int k = 0; k < kHistogramBins; ++k) {
        const double density = counts[static_cast<std::size_t>(k)] / (n * binWidth);
        const int height = std::min(place.Height, static_cast<int>(std::lround(density * scale)));
        if (height <= 0) continue;
        // Each bar covers its whole bin: the next one starts where it ends.
        const int left = place.Left + static_cast<int>(std::lround(k * barPixels));
        const int right = place.Left + static_cast<int>(std::lround((k + 1) * barPixels));
        canvas.FillRect(left, bottom - height, right, bottom, kBarColour);
    }
    canvas.SetPenColour(kCurveColour);
    for (int x = 0; x <= place.Width; x += 2) {
        const double v = top * x / place.Width;
        const int y =
            bottom - static_cast<int>(std::lround(MaxwellDensity2D(v, meanSquare) * scale));
        if (x == 0)
            canvas.MoveTo(place.Left + x, y);
        else
            canvas.LineTo(place.Left + x, y);
    }
}
