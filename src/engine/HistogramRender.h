#pragma once

#include <optional>
#include <string>

#include "engine/Canvas.h"
#include "engine/SimulationState.h"

// Where a mode has room for the speed histogram beside its vessel and instruments.
struct HistogramPlace {
    int Left, Top, Width, Height;  // the bars' box; the caption stands above it
};

std::optional<HistogramPlace> HistogramPlaceOf(int mode);

inline constexpr int kHistogramBins = 20;

// The particles' speeds as bars over 0..3 rms, with the 2-D Maxwell-Boltzmann density of the
// same mean energy drawn over them: the described gas keeps its start-up shape, the exact one
// relaxes to the curve.
void RenderSpeedHistogram(const SimulationState& s, const HistogramPlace& place,
                          const std::string& caption, Canvas& canvas);
