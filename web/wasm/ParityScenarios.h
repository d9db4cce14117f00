#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/Simulation.h"

// Runs that the browser must play exactly as the desktop does: every mode on both gas models
// from the controls' start values and a fixed seed, the histogram and the view options, and the
// window's changes between ticks (pause and resume, track bars, restart). The desktop's side
// and the page's side both take them from here.
struct ParityScenario {
    std::string name;
    int mode;
    GasModel model;
    bool histogram;
    ViewOptions view;
    uint64_t seed;
    int ticks;
};

const std::vector<ParityScenario>& ParityScenarios();
const ParityScenario* FindParityScenario(const std::string& name);

// The clock's reading before the first tick, and its step per tick.
inline constexpr int64_t kParityStart = 1'000'000;
inline constexpr int64_t kParityTick = 16;

// Chooses the model and the view, sets the seed and starts the mode. False if it did not start.
bool StartParityScenario(Simulation& sim, const ParityScenario& run);

// What the window does just before tick n (counted from 1), if anything.
void ActBeforeTick(Simulation& sim, const ParityScenario& run, int tick);
