#include <cmath>

#include "engine/Canvas.h"
#include "engine/Modes.h"
#include "engine/Motion.h"
#include "engine/PanelGas.h"
#include "engine/Publisher.h"
#include "engine/StatusText.h"
#include "engine/SurfaceTexts.h"

void InitDiffusion(Simulation& sim) {
    InitPanelGas(sim, kModeDiffusion, SubstanceRule::BySide);
}

void AdvanceDiffusion(Simulation& sim) {
    NoExtras extras;
    AdvanceGas(sim, extras);
}

void RenderDiffusion(const SimulationState& s, const FrameReadings& f, const SurfaceTexts& t,
                     Canvas& canvas) {
    DrawVesselWall(s, canvas, kWallColour);
    const double left = s.VesselLeft;
    const double width = s.VesselWidth;
    for (int e = 0; e < 8; ++e) {
        canvas.FillRect(static_cast<int>(std::trunc(left + width * e / 8)), s.VesselTop,
                        static_cast<int>(std::trunc(left + width / 8 + width * e / 8)),
                        s.VesselTop + s.VesselHeight, static_cast<uint16_t>(11112 + 2 * e));
    }
    DrawParticles(s, canvas);

    canvas.SurfaceTextOut(790, 20, 20, t.DiffusionTitle);
    WriteGasStatus(s, f, t, canvas, 120, GasStatusLines::WithSubstances, SpeedUnit::Shown);
    canvas.SurfaceTextOut(850, 730, 12, publisher::kWebAddress);
    canvas.ReleaseText();
}
