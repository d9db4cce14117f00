#pragma once

#include <string>

#include "engine/Simulation.h"

class Canvas;
struct SurfaceTexts;

// The temperature and pressure experiments share one gas: a square vessel of side VesselSide,
// ExperimentParticles particles, velocities scaled by SpeedFactor / 2 and a mass of
// ParticleMass u per particle. This is the engine side of the experiment panel that drives it.

// Re-placement budget of the vessel-side track bar, the same as the initialisers'.
inline constexpr int kVesselSideBudget = 300000;

// Total mass of count particles of particleMass u each, in kilograms. The whole-number product
// is formed first, as the program always did, so that the result is the same to the last bit.
double GasMassOf(int particleMass, int count);

// The kinetic temperature (2/3) M v^2 / k in the program's units, evaluated left to right.
double KineticTemperature(double gasMass, double meanSpeed);

// The exact model's temperature of particles of mass particleMass (kg) with mean square speed
// meanSquare: the mean kinetic energy per particle of a 2-D gas, m <v^2> / (2k), scaled so that
// the experiments' start values read about as they do on the described model (a fifth higher),
// and so that the slowest gas of the speed study still shows a column of a pixel or more.
inline constexpr double kExactTemperatureScale = 140.0;
double ExactTemperature(double particleMass, double meanSquare);

// Sets the four captions of the experiment panel from the current state and track bars.
void WriteExperimentCaptions(Simulation& sim);

// The captions as the panel shows them, in the words of t.
struct ExperimentCaptionTexts {
    std::string ParticleCount;  // Label49
    std::string MeanSpeed;      // Label59
    std::string ParticleMass;   // Label60
    std::string VesselSide;     // Label61
};
ExperimentCaptionTexts WordCaptions(const ExperimentCaptions& c, const SurfaceTexts& t);

// The initialiser shared by the temperature and pressure experiments (mode 5 or 7): vessel,
// placement, clock, speed factor, mean speed, mass and captions. Leaves InitOk 0 when the
// placement ran out of attempts; the window then shows the message. The wall counters keep
// their values.
void InitExperimentGas(Simulation& sim, Mode mode);

// The first part of a tick of modes 5 and 7: clock, and the particles moved with every wall
// bounce counted.
void AdvanceExperimentGas(Simulation& sim);

// The first part of their frame: black surface, wall, interior and particles.
void DrawExperimentVessel(const SimulationState& s, Canvas& canvas);

// Their status lines at x, from y = 400 down: count, Vmax, mean speed and time.
void WriteExperimentStatus(const SimulationState& s, const FrameReadings& f, const SurfaceTexts& t,
                           Canvas& canvas, int x);

// One pixel row of liquid per unit of height, standing on the row baseY - 1 at column x.
// A height below one row draws nothing.
void DrawLiquidColumn(Canvas& canvas, int x, int baseY, double height);

// A thermometer whose tube's top-left corner stands at (tubeX, 250): the tube, the column of
// the given height and the three clamps.
void DrawThermometer(Canvas& canvas, int tubeX, double columnHeight);

// Track bar 1 or 2 moved: re-initialises the temperature or pressure experiment with the new
// count or speed factor. Returns false in any other mode, where nothing happens.
bool ChangeCountOrSpeed(Simulation& sim);

// Track bar 3 moved: the new mass, from the next frame on. Particles and clock stay.
void ChangeParticleMass(Simulation& sim);

// Track bar 4 moved: the vessel becomes a square of the new side around the same centre.
// When it shrinks (on the exact model, when it changes at all), slots 1 to 1500 are placed
// anew inside it; velocities, kinds and the
// clock stay. If the particles cannot all be placed within kVesselSideBudget attempts, the
// old vessel and every old position are restored and the result is false: the caption then
// still shows the old side, and the window should move the track bar back to VesselWidth.
bool ChangeVesselSide(Simulation& sim);
