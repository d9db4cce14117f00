#pragma once

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

// Mode 3: diffusion with a bar chart of the second substance in eight parts of the vessel.
void InitDiffusionChart(Simulation& sim);
void StepDiffusionChart(Simulation& sim, Canvas& canvas);

// Mode 4: the gas with every wall bounce counted per wall and shown as four bars.
void InitWallCollisions(Simulation& sim);
void StepWallCollisions(Simulation& sim, Canvas& canvas);
