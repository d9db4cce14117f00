#include <cstdint>

#include "engine/Canvas.h"
#include "engine/Modes.h"
#include "engine/Motion.h"
#include "engine/NumberFormat.h"
#include "engine/PanelGas.h"
#include "engine/Publisher.h"
#include "engine/StatusText.h"
#include "engine/SurfaceTexts.h"

namespace {

// A lighter wall than in the diffusion modes, around a blue-green interior.
constexpr uint16_t kWallCollisionsWall = 1110;
constexpr uint16_t kWallCollisionsFloor = 1131;

__extension__ using Wide = unsigned __int128;

int WallBarHeight(int64_t hits, int64_t total) {
    if (hits <= 0 || total < 0) return 0;
    // The full 250 pixels stand for total + 1, so a bar never reaches the top. Counts of a
    // long run make 250 x hits too large even for 64 bits; the wide product keeps it exact.
    const Wide product = static_cast<Wide>(hits) * 250u;
    const Wide height = product / (static_cast<Wide>(total) + 1u);
    return height > 250u ? 250 : static_cast<int>(height);
}

}  // namespace

void InitWallCollisions(Simulation& sim) {
    InitPanelGas(sim, kModeWallCollisions, SubstanceRule::Single);
}

void AdvanceWallCollisions(Simulation& sim) {
    WallHitCounter counter(sim.S);
    AdvanceGas(sim, counter);
}

void RenderWallCollisions(const SimulationState& s, const FrameReadings& f, const SurfaceTexts& t,
                          Canvas& canvas) {
    DrawVesselWall(s, canvas, kWallCollisionsWall);
    canvas.FillRect(s.VesselLeft, s.VesselTop, s.VesselLeft + s.VesselWidth,
                    s.VesselTop + s.VesselHeight, kWallCollisionsFloor);
    DrawParticles(s, canvas);

    const int64_t total = s.WallHits[1] + s.WallHits[2] + s.WallHits[3] + s.WallHits[4];
    for (int w = 1; w <= 4; ++w) {
        const int left = 790 + 55 * (w - 1);
        const int right = left + 50;
        canvas.FillRect(left, 400, right, 650, static_cast<uint16_t>(100 * w));
        const int height = WallBarHeight(s.WallHits[w], total);
        canvas.FillRect(left, 650 - height, right, 650, static_cast<uint16_t>(1888 + 4 * (w - 1)));
    }
    for (int w = 1; w <= 4; ++w)
        canvas.SurfaceTextOut(795 + 55 * (w - 1), 380, 10, FormatInt(s.WallHits[w]));
    for (int w = 1; w <= 4; ++w)
        canvas.SurfaceTextOut(815 + 55 * (w - 1), 655, 10, FormatInt(w));

    canvas.SurfaceTextOut(820, 335, 10, t.WallChartTitle);
    canvas.SurfaceTextOut(830, 350, 10, t.WallChartTitle2);
    canvas.SurfaceTextOut(830, 685, 10, t.WallAxis);
    canvas.SurfaceTextOut(773, 400, 10, t.ScaleAll);
    canvas.SurfaceTextOut(750, 469, 10, t.ScaleThreeQuarters);
    canvas.SurfaceTextOut(750, 525, 10, t.ScaleHalf);
    canvas.SurfaceTextOut(750, 581, 10, t.ScaleQuarter);
    canvas.SurfaceTextOut(773, 650, 10, FormatInt(0));
    WriteGasStatus(s, f, t, canvas, 110, GasStatusLines::CountOnly, SpeedUnit::Omitted);
    canvas.SurfaceTextOut(750, 190, 12, t.AllWallHits + FormatInt(total));
    canvas.SurfaceTextOut(750, 15, 13, t.WallsTitle);
    canvas.SurfaceTextOut(750, 35, 13, t.WallsTitle2);
    canvas.SurfaceTextOut(850, 730, 12, publisher::kWebAddress);
    canvas.ReleaseText();
}
