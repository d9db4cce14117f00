#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/Clock.h"
#include "engine/ContactGrid.h"
#include "engine/ExactMeasures.h"
#include "engine/ExactMotion.h"
#include "engine/Random.h"
#include "engine/SimulationState.h"

class Canvas;
struct SurfaceTexts;

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

// Values of the window's controls that the simulations read, named by what they mean, with
// the control each comes from. The window keeps them current; the engine never sees a widget.
// Start values are those of the controls at program start.
struct Controls {
    int Particles = 500;            // SpinEdit1: number of particles
    int VesselWidth = 600;          // SpinEdit2
    int VesselHeight = 600;         // SpinEdit3
    int MaxSpeed = 50;              // SpinEdit4: Vmax
    int CollisionLimit = 300;       // SpinEdit6: collisions after which a free-path run stops
    int SizeChoice = 8;             // RadioButton1..9: number of the checked size button
    bool StopAtLimit = true;        // CheckBox2: stop after CollisionLimit collisions
    int ExperimentParticles = 100;  // TrackBar1: particle count of the experiments
    int SpeedFactor = 1;            // TrackBar2: speed factor x 2
    int ParticleMass = 1;           // TrackBar3: particle mass, u
    int VesselSide = 400;           // TrackBar4: side of the square vessel
};

// What the experiment panel's captions show, as numbers; the window words them.
struct ExperimentCaptions {
    int ParticleCount = 0;   // Label49
    double MeanSpeed = 0.0;  // Label59
    int ParticleMass = 0;    // Label60
    int VesselSide = 0;      // Label61
    bool operator==(const ExperimentCaptions&) const = default;
};

// What a tick measured for its picture that the state record does not keep.
struct FrameReadings {
    int MaxSpeed = 0;  // the Vmax of the status lines: the panel's value at the tick
    // Heat transport: the temperatures of the two gases and of the partition.
    double LeftTemperature = 0.0;
    double RightTemperature = 0.0;
    double PartitionTemperature = 0.0;
    // Heat transport: x of each partition particle as it moved, before its strip confined it;
    // the picture shows them there, the confinement from the next tick on.
    std::vector<double> PartitionX;
    // Free path on the exact model: the tracked particle's meetings with others since the
    // start, each once; -1 on the described model, whose track counts the walls too.
    int64_t TrackedMeetings = -1;
    // Concentration chart: count each particle in the part its centre stands in (the exact
    // model's discs), rather than by its sprite's left edge.
    bool CountByCentre = false;
    // Pressure on the exact model: its window does not yet hold enough wall bounces for the
    // value to be trusted.
    bool PressureMeasuring = false;
};

// How the contact step finds partners: the plain all-pairs loop, kept as the reference, or
// the grid of cells, which finds exactly the same partners in the same order, much faster.
enum class ContactSearch { Plain, Grid };

// How particles move and meet: the described model (the default: whole velocities swapped on
// contact) or hard discs with exact, event-driven collisions.
enum class GasModel { Described, Exact };

// Classroom choices of how frames are drawn. The defaults draw every frame as it always was.
struct ViewOptions {
    bool VelocityLines = true;       // the pressure mode's velocity lines
    bool LargeView = false;          // for a projector: a wide track, no particle under 5 px
    bool LabelUndetermined = false;  // heat transport: "nieokreślona" keeps its line's label
};

// Everything a simulation runs on: the state record, the control values it reads, the clock
// and the random numbers.
struct Simulation {
    SimulationState S;
    Controls C;
    ExperimentCaptions Captions;
    FrameReadings Frame;  // written by Advance, read by Render
    RandomSource Rng;
    Clock* Clk = nullptr;
    ContactSearch Search = ContactSearch::Grid;
    ContactGrid Grid;  // work arrays of the grid search, kept from tick to tick
    GasModel Model = GasModel::Described;
    ExactMotion Exact;                // work arrays and totals of the exact model
    bool ShowSpeedHistogram = false;  // beside the vessel, in the modes that have room
    ViewOptions View;
    PressureWindow ExactPressure{120, 800};  // wall impulses of the exact model, 2 s or more
    double ExactImpulseSeen = 0.0;           // the exact model's totals at the last tick
    int64_t ExactBouncesSeen = 0;

    explicit Simulation(Clock& clock) : Clk(&clock) {}
    int64_t Stamp() { return Clk->MillisecondStamp(); }
};

// What a tick asks of the window once its frame is shown.
struct FrameResult {
    bool PauseRequested = false;
};

// Starts the exact model's pressure measurement anew (a new gas, a new vessel, a new model).
// A new mass needs no new start: the wall impulses are kept per unit mass, and the mass
// multiplies them only when the pressure is shown. The reading counts as settled after 2 s and
// kPressureSettleHits * sqrt(N) wall bounces.
inline constexpr double kPressureSettleHits = 12.0;
void ResetExactPressure(Simulation& sim);

// One tick of the current SimulationMode: the window advances the state, renders it with its
// texts and presents the surface. Mode 0 neither moves nor draws: Render then returns false
// and there is nothing to present.
FrameResult Advance(Simulation& sim);
bool Render(const Simulation& sim, const SurfaceTexts& texts, Canvas& canvas);

// The initialiser of the current mode, as Start and restart call it (modes 1 to 5).
// Returns false when the mode has no initialiser there.
bool InitCurrentMode(Simulation& sim);

// Run clock bookkeeping of Start, pause and resume.
void StartClock(Simulation& sim);   // ClockStart <- now
void PauseClock(Simulation& sim);   // PauseStart <- now
void ResumeClock(Simulation& sim);  // PausedTotal <- now + PausedTotal - PauseStart
