#pragma once

#include <functional>

#include "engine/Simulation.h"

class Canvas;

// Initialisers and frame steps of the simulation modes.

// Mode 1: two substances mixing over eight shaded stripes.
void InitDiffusion(Simulation& sim);
void StepDiffusion(Simulation& sim, Canvas& canvas);

// Mode 2: the gas with particle 1 tracked; its path and mean free path are drawn. Asks for a
// pause once the chosen number of collisions is reached, or when the track is full.
void InitFreePath(Simulation& sim);
FrameResult StepFreePath(Simulation& sim, Canvas& canvas);
// Length of the recorded track from the first to the last collision, and its mean per complete
// segment (0 before the second collision); the screen and the printed page both show it.
double PathLength(const SimulationState& s);
double MeanFreePath(const SimulationState& s);

// Mode 3: diffusion with a bar chart of the second substance in eight parts of the vessel.
void InitDiffusionChart(Simulation& sim);
void StepDiffusionChart(Simulation& sim, Canvas& canvas);

// Mode 4: the gas with every wall bounce counted per wall and shown as four bars.
void InitWallCollisions(Simulation& sim);
void StepWallCollisions(Simulation& sim, Canvas& canvas);

// Mode 5: the experiment gas with a thermometer; the temperature follows the track bars.
void InitTemperature(Simulation& sim);
void StepTemperature(Simulation& sim, Canvas& canvas);

// Mode 6: a hot and a cold gas either side of a partition made of particles, with a
// thermometer for each gas. The placement can run out of attempts (InitOk 0, no message).
void InitHeatTransport(Simulation& sim);
void StepHeatTransport(Simulation& sim, Canvas& canvas);
// Runs InitHeatTransport until it places every particle, at most maxTries times, asking
// mayGoOn() between two tries whether to go on (the window keeps itself responsive there and
// watches its deadline). False when no try succeeded.
bool InitHeatTransportRetrying(Simulation& sim, int maxTries, const std::function<bool()>& mayGoOn);

// Mode 7: the experiment gas with velocity lines and a U-tube manometer.
void InitPressure(Simulation& sim);
void StepPressure(Simulation& sim, Canvas& canvas);
