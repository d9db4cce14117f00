#include <cmath>

#include "engine/Canvas.h"
#include "engine/Modes.h"
#include "engine/Motion.h"
#include "engine/PanelGas.h"
#include "engine/Publisher.h"
#include "engine/StatusText.h"

void InitDiffusion(Simulation& sim) {
    InitPanelGas(sim, kModeDiffusion, SubstanceRule::BySide);
}

void StepDiffusion(Simulation& sim, Canvas& canvas) {
    SimulationState& s = sim.S;
    s.ClockNow = sim.Stamp();
    DrawVesselWall(s, canvas, kWallColour);

    const double left = s.VesselLeft;
    const double width = s.VesselWidth;
    for (int e = 0; e < 8; ++e) {
        canvas.FillRect(static_cast<int>(std::trunc(left + width * e / 8)), s.VesselTop,
                        static_cast<int>(std::trunc(left + width / 8 + width * e / 8)),
                        s.VesselTop + s.VesselHeight, static_cast<uint16_t>(11112 + 2 * e));
    }

    NoExtras extras;
    MoveAllParticles(sim, canvas, extras);

    canvas.SurfaceTextOut(790, 20, 20, "DYFUZJA");
    WriteGasStatus(sim, canvas, 120, GasStatusLines::WithSubstances, " jednostek");
    canvas.SurfaceTextOut(850, 730, 12, publisher::kWebAddress);
    canvas.ReleaseText();
    canvas.Present();
}
