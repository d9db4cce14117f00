#pragma once

#include "engine/Simulation.h"

class Canvas;

// Initialisers and frame steps of the simulation modes.

// Mode 1: two substances mixing over eight shaded stripes.
void InitDiffusion(Simulation& sim);
void StepDiffusion(Simulation& sim, Canvas& canvas);
