#include <cmath>
#include <string>

#include "engine/Canvas.h"
#include "engine/Experiment.h"
#include "engine/Modes.h"
#include "engine/NumberFormat.h"
#include "engine/Publisher.h"
#include "engine/StatusText.h"
#include "engine/SurfaceTexts.h"

namespace {

// The manometer's scale: gauge pixels per raw pressure unit, and its full height.
constexpr double kGaugeScale = 3.2e26;
constexpr double kGaugeFull = 330;

constexpr int kManometer = 3;
constexpr int kClamp = 1;
constexpr int kPipePiece = 4;

// Text block of this mode.
constexpr int kTextX = 790;
constexpr int kPressureLineY = 480;
// Over the manometer, while the exact model is still measuring.
constexpr int kGaugeNoteX = 722;
constexpr int kGaugeNoteY = 228;

// The program's pressure in units of 10^-26, the manometer's gauge height, and Pressure.
void ShowPressure(SimulationState& s, double raw) {
    s.ThermoHeight = kGaugeScale * raw;
    s.Pressure = raw / 1e-26;
    if (s.ThermoHeight > kGaugeFull) s.ThermoHeight = kGaugeFull;
}

// The exact model's pressure: the momentum the particles gave the walls over the last 2 s or more,
// per unit of time and wall length, on the scale of the described formula (which gives twice
// the 2-D ideal-gas pressure N m <v^2> / (2 A)).
void MeasureExactPressure(Simulation& sim) {
    SimulationState& s = sim.S;
    const ExactTotals& totals = sim.Exact.Totals();
    const auto tick = static_cast<int64_t>(totals.Time);
    sim.ExactPressure.Add(tick, totals.Impulse - sim.ExactImpulseSeen,
                          totals.WallBounces - sim.ExactBouncesSeen);
    sim.ExactImpulseSeen = totals.Impulse;
    sim.ExactBouncesSeen = totals.WallBounces;
    const double wall = 2.0 * ((s.RightLimit() - s.VesselLeft) + (s.BottomLimit() - s.VesselTop));
    const double perTick = sim.ExactPressure.Pressure(tick, wall);
    const double mass = s.ParticleCount > 0 ? s.GasMass / s.ParticleCount : 0.0;
    ShowPressure(s, 2.0 * mass * perTick * s.StepDivisor);
    sim.Frame.PressureMeasuring = !sim.ExactPressure.Settled(tick);
}

void MeasurePressure(SimulationState& s) {
    double sumX = 0.0;
    double sumY = 0.0;
    for (int i = 1; i <= s.ParticleCount; ++i) {
        sumX += s.VelX[i] * s.VelX[i];
        sumY += s.VelY[i] * s.VelY[i];
    }
    const double meanSquare = (sumX + sumY) / s.ParticleCount;
    const int sideSquared = s.VesselWidth * s.VesselWidth;
    const double raw = s.GasMass * meanSquare / sideSquared;
    ShowPressure(s, raw);
}

// The U-tube: its liquid falls in the left arm as it rises in the right one; then the clamps
// and the pipe from the vessel's right wall to the inlet.
void DrawManometer(const SimulationState& s, Canvas& canvas) {
    canvas.DrawSprite(SpriteSet::DXImageList2, kManometer, 730, 250);
    DrawLiquidColumn(canvas, 744, 631, kGaugeFull - s.ThermoHeight);
    DrawLiquidColumn(canvas, 764, 631, s.ThermoHeight);
    for (int y : {310, 450, 612})
        canvas.DrawSprite(SpriteSet::DXImageList2, kClamp, 733, y);
    const int pipeStart = s.VesselLeft + s.VesselWidth + 6;
    for (int x = pipeStart; x <= 730; ++x)
        canvas.DrawSprite(SpriteSet::DXImageList2, kPipePiece, x, 281);
}

// "p = <value> x 10" with the exponent raised and smaller, then the unit; or, with the gauge
// at its cap, the pressure reported as not established.
void WritePressureLine(const SimulationState& s, const FrameReadings& f, const SurfaceTexts& t,
                       Canvas& canvas) {
    if (f.PressureMeasuring) {
        // Too few wall bounces yet: the gauge moves, but no number is given.
        canvas.SurfaceTextOut(kTextX, kPressureLineY, 12, t.PressureMeasuring);
        canvas.SurfaceTextOut(kGaugeNoteX, kGaugeNoteY, 10, t.GaugeMeasuring);
        return;
    }
    if (!(s.ThermoHeight < kGaugeFull)) {
        canvas.SurfaceTextOut(kTextX, kPressureLineY, 12, t.PressureUnsettled);
        return;
    }
    std::string line =
        t.Pressure + FormatGeneral(s.Pressure, GeneralFormat::G5, t.Decimal) + t.PressureTimesTen;
    canvas.SurfaceTextOut(kTextX, kPressureLineY, 12, line);
    canvas.SurfaceTextOut(kTextX + canvas.TextWidth(line), kPressureLineY - 5, 10,
                          t.PressureExponent);
    // The unit follows the exponent as if it had been written at full size.
    canvas.SetFontSize(12);
    line += t.PressureExponent + " ";
    canvas.SurfaceTextOut(kTextX + canvas.TextWidth(line), kPressureLineY, 12, t.PressureUnit);
}

// Each particle's velocity from its centre, one pixel per speed unit.
void DrawVelocityLines(const SimulationState& s, Canvas& canvas) {
    canvas.SetPenColour(MakeRgb(100, 100, 150));
    const double half = s.ParticleSize / 2.0;
    for (int i = 1; i <= s.ParticleCount; ++i) {
        canvas.MoveTo(static_cast<int>(std::trunc(s.PosX[i] + half)),
                      static_cast<int>(std::trunc(s.PosY[i] + half)));
        canvas.LineTo(static_cast<int>(std::trunc(s.PosX[i] + s.VelX[i] + half)),
                      static_cast<int>(std::trunc(s.PosY[i] + s.VelY[i] + half)));
    }
}

}  // namespace

void InitPressure(Simulation& sim) {
    InitExperimentGas(sim, kModePressure);
    ResetExactPressure(sim);
}

void AdvancePressure(Simulation& sim) {
    AdvanceExperimentGas(sim);
    if (sim.Model == GasModel::Exact)
        MeasureExactPressure(sim);
    else
        MeasurePressure(sim.S);
}

void RenderPressure(const SimulationState& s, const FrameReadings& f, const SurfaceTexts& t,
                    Canvas& canvas, bool velocityLines) {
    DrawExperimentVessel(s, canvas);
    DrawManometer(s, canvas);

    WriteExperimentStatus(s, f, t, canvas, kTextX);
    WritePressureLine(s, f, t, canvas);
    canvas.SurfaceTextOut(770, 35, 13, t.PressureTitle);
    canvas.SurfaceTextOut(850, 730, 12, publisher::kWebAddress);

    if (velocityLines) DrawVelocityLines(s, canvas);
    canvas.ReleaseText();
}
