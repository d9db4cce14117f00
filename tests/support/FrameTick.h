#pragma once

#include "engine/Canvas.h"
#include "engine/Experiment.h"
#include "engine/Simulation.h"
#include "ui/texts/PolishTexts.h"

// One tick as the window runs it, up to its present: advance the state, then render it in
// Polish. A tick that draws nothing (mode 0) leaves the canvas alone.
inline FrameResult Tick(Simulation& sim, Canvas& canvas) {
    const FrameResult result = Advance(sim);
    Render(sim, PolishSurfaceTexts(), canvas);
    return result;
}

// The experiment panel's captions as the window words them.
inline ExperimentCaptionTexts Words(const Simulation& sim) {
    return WordCaptions(sim.Captions, PolishSurfaceTexts());
}
