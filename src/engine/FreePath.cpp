#include <cmath>

#include "engine/Canvas.h"
#include "engine/Modes.h"
#include "engine/Motion.h"
#include "engine/NumberFormat.h"
#include "engine/PanelGas.h"
#include "engine/Publisher.h"
#include "engine/StatusText.h"
#include "engine/SurfaceTexts.h"

namespace {

// The vessel's interior in this mode: one shade, so that the path stands out on it.
constexpr uint16_t kFreePathFloor = 11112;

// Appends the tracked particle's corner at each of its collisions. Once the track is full it
// records nothing more: the count then still matches the points drawn.
struct PathRecorder : NoExtras {
    SimulationState& s;
    explicit PathRecorder(SimulationState& state) : s(state) {}

    void Append() {
        if (s.PathCount >= kPathCapacity) return;
        ++s.PathCount;
        s.PathPoints[s.PathCount] = {static_cast<int32_t>(std::trunc(s.PosX[1])),
                                     static_cast<int32_t>(std::trunc(s.PosY[1]))};
    }
    void WallBounce(int i, Wall /*wall*/) {
        if (i == 1) Append();
    }
    void Contact(int i, int k) {
        if (k == 1) Append();
        if (i == 1) Append();
        if (i == 1 || k == 1) ++meetings;
    }
    int64_t meetings = 0;
};

}  // namespace

void DrawPath(const SimulationState& s, Canvas& canvas, int dx, int dy) {
    if (s.PathCount <= 1) return;
    const int h = s.ParticleSize / 2;
    canvas.MoveTo(s.PathPoints[2].x + h + dx, s.PathPoints[2].y + h + dy);
    for (int k = 3; k <= s.PathCount; ++k) {
        canvas.LineTo(s.PathPoints[k].x + h + dx, s.PathPoints[k].y + h + dy);
    }
    const double half = s.ParticleSize / 2.0;
    canvas.LineTo(static_cast<int>(std::trunc(half + s.PosX[1])) + dx,
                  static_cast<int>(std::trunc(half + s.PosY[1])) + dy);
}

double PathLength(const SimulationState& s) {
    double length = 0.0;
    for (int k = 3; k <= s.PathCount; ++k) {
        const PathPoint& from = s.PathPoints[k - 1];
        const PathPoint& to = s.PathPoints[k];
        const double dx = static_cast<double>(from.x) - to.x;
        const double dy = static_cast<double>(from.y) - to.y;
        length += std::sqrt(dx * dx + dy * dy);
    }
    return length;
}

double MeanFreePath(const SimulationState& s) {
    const int segments = s.PathCount - 2;
    return segments > 0 ? PathLength(s) / segments : 0.0;
}

double MeanFreePathBetweenMeetings(const SimulationState& s, int64_t meetings) {
    return meetings > 0 ? PathLength(s) / static_cast<double>(meetings) : 0.0;
}

void InitFreePath(Simulation& sim) {
    SimulationState& s = sim.S;
    s.PathPoints.Fill(PathPoint{});
    s.PathCount = 0;
    InitPanelGas(sim, kModeFreePath, SubstanceRule::TrackedFirst);
    // The start entry is never drawn nor measured; the starting corner is kept for the record.
    s.PathPoints[1] = {static_cast<int32_t>(std::trunc(s.PosX[1])),
                       static_cast<int32_t>(std::trunc(s.PosY[1]))};
    s.PathCount = 1;
    sim.Frame.TrackedMeetings = sim.Model == GasModel::Exact ? 0 : -1;
}

FrameResult AdvanceFreePath(Simulation& sim) {
    SimulationState& s = sim.S;
    PathRecorder recorder(s);
    AdvanceGas(sim, recorder);
    if (sim.Model == GasModel::Exact && sim.Frame.TrackedMeetings >= 0)
        sim.Frame.TrackedMeetings += recorder.meetings;
    else
        sim.Frame.TrackedMeetings = -1;

    // The window pauses after presenting, so that the frame with the final count stays on
    // screen. A full track stops the run too: nothing more could be recorded.
    FrameResult result;
    const bool limitReached = sim.C.StopAtLimit && sim.C.CollisionLimit < s.PathCount;
    result.PauseRequested = limitReached || s.PathCount >= kPathCapacity;
    return result;
}

void RenderFreePath(const SimulationState& s, const FrameReadings& f, const SurfaceTexts& t,
                    Canvas& canvas) {
    DrawVesselWall(s, canvas, kWallColour);
    canvas.FillRect(s.VesselLeft, s.VesselTop, s.VesselLeft + s.VesselWidth,
                    s.VesselTop + s.VesselHeight, kFreePathFloor);
    DrawParticles(s, canvas);

    canvas.SurfaceTextOut(720, 20, 20, t.FreePathTitle);
    WriteGasStatus(s, f, t, canvas, 120, GasStatusLines::WithSubstances, SpeedUnit::Shown);
    canvas.SurfaceTextOut(850, 730, 12, publisher::kWebAddress);

    DrawPath(s, canvas);
    canvas.SurfaceTextOut(
        750, 240, 12,
        t.MeanFreePath +
            FormatGeneral(f.TrackedMeetings >= 0 ? MeanFreePathBetweenMeetings(s, f.TrackedMeetings)
                                                 : MeanFreePath(s),
                          GeneralFormat::G3, t.Decimal) +
            t.ShortUnits);
    canvas.SurfaceTextOut(750, 260, 12, t.Diameter + FormatInt(s.ParticleSize) + t.ShortUnits);
    canvas.SurfaceTextOut(750, 280, 12, t.TrackedCollisions + FormatInt(s.PathCount - 1));
    canvas.ReleaseText();
}
