#include <string>

#include "engine/Canvas.h"
#include "engine/Experiment.h"
#include "engine/Modes.h"
#include "engine/NumberFormat.h"
#include "engine/Publisher.h"
#include "engine/StatusText.h"

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

void StepTemperature(Simulation& sim, Canvas& canvas) {
    SimulationState& s = sim.S;
    MoveExperimentGas(sim, canvas);

    // MeanSpeed is the initialiser's: only the track bars change the temperature.
    s.GasTemperature = KineticTemperature(s.GasMass, s.MeanSpeed);
    s.ThermoHeight = kColumnScale * s.GasTemperature;
    if (s.ThermoHeight > kColumnFull) s.ThermoHeight = kColumnFull;
    DrawThermometer(canvas, 730, s.ThermoHeight);

    canvas.SurfaceTextOut(kTextX, 400, 12, "Liczba cząsteczek: " + FormatInt(s.ParticleCount));
    canvas.SurfaceTextOut(kTextX, 420, 12, "Vmax = " + FormatInt(sim.C.SpinEdit4) + " jednostek");
    canvas.SurfaceTextOut(kTextX, 440, 12,
                          "Vśr = " + FormatGeneral(s.MeanSpeed, GeneralFormat::G3) + " jednostek");
    canvas.SurfaceTextOut(kTextX, 460, 12, TimeLine(s));
    if (s.GasTemperature <= kHighestShown) {
        canvas.SurfaceTextOut(
            kTextX, 480, 12,
            "T = " + FormatGeneral(s.GasTemperature, GeneralFormat::G5) + " jednostek");
    } else {
        canvas.SurfaceTextOut(kTextX, 480, 12, "T > 4000 jednostek");
    }
    canvas.SurfaceTextOut(750, 35, 13, "POJĘCIE TEMPERATURY");
    canvas.SurfaceTextOut(850, 730, 12, publisher::kWebAddress);
    canvas.ReleaseText();
    canvas.Present();
}
