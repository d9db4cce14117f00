#include <string>

#include "engine/Canvas.h"
#include "engine/Experiment.h"
#include "engine/Modes.h"
#include "engine/NumberFormat.h"
#include "engine/Publisher.h"
#include "engine/StatusText.h"
#include "engine/SurfaceTexts.h"

namespace {

// Column pixels per temperature unit, and the tube's full height.
constexpr double kColumnScale = 0.09;
constexpr double kColumnFull = 360;
// The column is full from here on; a number above it would mean nothing on this scale.
constexpr double kHighestShown = 4000;

constexpr int kTextX = 780;

}  // namespace

void InitTemperature(Simulation& sim) {
    InitExperimentGas(sim, kModeTemperature);
}

void AdvanceTemperature(Simulation& sim) {
    SimulationState& s = sim.S;
    AdvanceExperimentGas(sim);
    // MeanSpeed is the initialiser's: only the track bars change the temperature.
    if (sim.Model == GasModel::Exact && s.ParticleCount > 0)
        s.GasTemperature =
            ExactTemperature(s.GasMass / s.ParticleCount, MeanSquareSpeed(s, 1, s.ParticleCount));
    else
        s.GasTemperature = KineticTemperature(s.GasMass, s.MeanSpeed);
    s.ThermoHeight = kColumnScale * s.GasTemperature;
    if (s.ThermoHeight > kColumnFull) s.ThermoHeight = kColumnFull;
}

void RenderTemperature(const SimulationState& s, const FrameReadings& f, const SurfaceTexts& t,
                       Canvas& canvas) {
    DrawExperimentVessel(s, canvas);
    DrawThermometer(canvas, 730, s.ThermoHeight);

    WriteExperimentStatus(s, f, t, canvas, kTextX);
    if (s.GasTemperature <= kHighestShown) {
        canvas.SurfaceTextOut(kTextX, 480, 12,
                              t.Temperature +
                                  FormatGeneral(s.GasTemperature, GeneralFormat::G5, t.Decimal) +
                                  t.Units);
    } else {
        canvas.SurfaceTextOut(kTextX, 480, 12, t.TemperatureOffScale);
    }
    canvas.SurfaceTextOut(750, 35, 13, t.TemperatureTitle);
    canvas.SurfaceTextOut(850, 730, 12, publisher::kWebAddress);
    canvas.ReleaseText();
}
