#pragma once

#include <functional>

#include "engine/Simulation.h"

class Canvas;
struct SurfaceTexts;

// Initialisers, advances and renderers of the simulation modes. An advance moves the state of
// one tick and draws nothing; a renderer draws a state and changes nothing. Every sprite of a
// frame stands where its particle finished the tick: a contact moves only the particle that
// is moving, never its partner.

// Mode 1: two substances mixing over eight shaded stripes.
void InitDiffusion(Simulation& sim);
void AdvanceDiffusion(Simulation& sim);
void RenderDiffusion(const SimulationState& s, const FrameReadings& f, const SurfaceTexts& t,
                     Canvas& canvas);

// Mode 2: the gas with particle 1 tracked; its path and mean free path are drawn. Asks for a
// pause once the chosen number of collisions is reached, or when the track is full.
void InitFreePath(Simulation& sim);
FrameResult AdvanceFreePath(Simulation& sim);
void RenderFreePath(const SimulationState& s, const FrameReadings& f, const SurfaceTexts& t,
                    Canvas& canvas);
// The track from the first collision to the particle, shifted by (dx, dy) pixels.
void DrawPath(const SimulationState& s, Canvas& canvas, int dx = 0, int dy = 0);
// Length of the recorded track from the first to the last collision, and its mean per complete
// segment (0 before the second collision); the screen and the printed page both show it.
double PathLength(const SimulationState& s);
double MeanFreePath(const SimulationState& s);
// The exact model's: the track's length over the tracked particle's meetings with others.
double MeanFreePathBetweenMeetings(const SimulationState& s, int64_t meetings);

// Mode 3: diffusion with a bar chart of the second substance in eight parts of the vessel.
void InitDiffusionChart(Simulation& sim);
void AdvanceDiffusionChart(Simulation& sim);
void RenderDiffusionChart(const SimulationState& s, const FrameReadings& f, const SurfaceTexts& t,
                          Canvas& canvas);

// Mode 4: the gas with every wall bounce counted per wall and shown as four bars.
void InitWallCollisions(Simulation& sim);
void AdvanceWallCollisions(Simulation& sim);
void RenderWallCollisions(const SimulationState& s, const FrameReadings& f, const SurfaceTexts& t,
                          Canvas& canvas);

// Mode 5: the experiment gas with a thermometer; the temperature follows the track bars.
void InitTemperature(Simulation& sim);
void AdvanceTemperature(Simulation& sim);
void RenderTemperature(const SimulationState& s, const FrameReadings& f, const SurfaceTexts& t,
                       Canvas& canvas);

// Mode 6: a hot and a cold gas either side of a partition made of particles, with a
// thermometer for each gas. The placement can run out of attempts (InitOk 0, no message).
void InitHeatTransport(Simulation& sim);
void AdvanceHeatTransport(Simulation& sim);
// Draws the partition where it moved to, before its confinement (f.PartitionX).
// With labelUndetermined, a temperature off the scale keeps its label before "nieokreślona".
void RenderHeatTransport(const SimulationState& s, const FrameReadings& f, const SurfaceTexts& t,
                         Canvas& canvas, bool labelUndetermined = false);
// Runs InitHeatTransport until it places every particle, at most maxTries times, asking
// mayGoOn() between two tries whether to go on (the window keeps itself responsive there and
// watches its deadline). False when no try succeeded.
bool InitHeatTransportRetrying(Simulation& sim, int maxTries, const std::function<bool()>& mayGoOn);

// Mode 7: the experiment gas with velocity lines and a U-tube manometer.
void InitPressure(Simulation& sim);
void AdvancePressure(Simulation& sim);
void RenderPressure(const SimulationState& s, const FrameReadings& f, const SurfaceTexts& t,
                    Canvas& canvas, bool velocityLines = true);

// Drawn over a panel mode's frame (modes 1 to 4) when the large view is chosen: particles
// smaller than 4 pixels again as 5-pixel discs of their colour around the same centre, and in
// mode 2 the track three pixels wide.
void RenderLargeView(const SimulationState& s, Canvas& canvas);
