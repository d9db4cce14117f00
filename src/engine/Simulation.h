#pragma once

#include <cstdint>
#include <string>

#include "engine/Clock.h"
#include "engine/ContactGrid.h"
#include "engine/Random.h"
#include "engine/SimulationState.h"

class Canvas;

// Simulation modes, the values of SimulationMode.
enum Mode : uint8_t {
    kNoMode = 0,
    kModeDiffusion = 1,
    kModeFreePath = 2,
    kModeDiffusionChart = 3,
    kModeWallCollisions = 4,
    kModeTemperature = 5,
    kModeHeatTransport = 6,
    kModePressure = 7,
};

// Values of the window's controls that the simulations read. The window keeps them current;
// the engine never sees a widget. Start values are those of the controls at program start.
struct Controls {
    int SpinEdit1 = 500;    // number of particles
    int SpinEdit2 = 600;    // vessel width
    int SpinEdit3 = 600;    // vessel height
    int SpinEdit4 = 50;     // Vmax
    int SpinEdit6 = 300;    // collisions after which a free-path run stops
    int SizeChoice = 8;     // number (1..9) of the checked size radio button
    bool CheckBox2 = true;  // stop after that many collisions
    int TrackBar1 = 100;    // particle count of the experiments
    int TrackBar2 = 1;      // speed factor x 2
    int TrackBar3 = 1;      // particle mass, u
    int TrackBar4 = 400;    // side of the square vessel
};

// Captions of the experiment panel that the initialisers rewrite.
struct ExperimentCaptions {
    std::string Label49;  // particle count
    std::string Label59;  // mean speed
    std::string Label60;  // particle mass
    std::string Label61;  // vessel side
};

// How the contact step finds partners: the plain all-pairs loop, kept as the reference, or
// the grid of cells, which finds exactly the same partners in the same order, much faster.
enum class ContactSearch { Plain, Grid };

// Everything a simulation runs on: the state record, the control values it reads, the clock
// and the random numbers.
struct Simulation {
    SimulationState S;
    Controls C;
    ExperimentCaptions Captions;
    RandomSource Rng;
    Clock* Clk = nullptr;
    ContactSearch Search = ContactSearch::Grid;
    ContactGrid Grid;  // work arrays of the grid search, kept from tick to tick

    explicit Simulation(Clock& clock) : Clk(&clock) {}
    int64_t Stamp() { return Clk->MillisecondStamp(); }
};

// What a frame step asks of the window after drawing.
struct FrameResult {
    bool PauseRequested = false;
};

// The frame step: runs the branch of the current SimulationMode (nothing in mode 0).
FrameResult StepFrame(Simulation& sim, Canvas& canvas);

// The initialiser of the current mode, as Start and restart call it (modes 1 to 5).
// Returns false when the mode has no initialiser there.
bool InitCurrentMode(Simulation& sim);

// Run clock bookkeeping of Start, pause and resume.
void StartClock(Simulation& sim);   // ClockStart <- now
void PauseClock(Simulation& sim);   // PauseStart <- now
void ResumeClock(Simulation& sim);  // PausedTotal <- now + PausedTotal - PauseStart
