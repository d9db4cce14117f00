#pragma once

#include <cstdint>
#include <string>

#include "engine/Simulation.h"

class Canvas;
struct SurfaceTexts;

// Surface colour of the vessel wall in modes 1 to 3.
inline constexpr uint16_t kWallColour = 1111;

// Clears the surface to black and fills the wall band: the rectangle 5 pixels beyond the
// vessel on every side. The interior is filled over it by the mode.
void DrawVesselWall(const SimulationState& s, Canvas& canvas, uint16_t colour);

// The elapsed seconds between the time line's prefix and its unit.
std::string TimeLine(const SimulationState& s, const SurfaceTexts& t);

enum class GasStatusLines { WithSubstances, CountOnly };
enum class SpeedUnit { Shown, Omitted };

// The status block of the panel-driven modes at x = 750, one line every 20 pixels from top:
// the counts (N1, N2 and N, or N alone), Vmax, the mean speed (with or without its unit), and
// time.
void WriteGasStatus(const SimulationState& s, const FrameReadings& f, const SurfaceTexts& t,
                    Canvas& canvas, int top, GasStatusLines lines, SpeedUnit unit);
