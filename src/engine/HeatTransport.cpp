#include <cstdint>
#include <string>

#include "engine/Canvas.h"
#include "engine/Experiment.h"
#include "engine/Modes.h"
#include "engine/Motion.h"
#include "engine/NumberFormat.h"
#include "engine/Placement.h"
#include "engine/Publisher.h"
#include "engine/StatusText.h"

namespace {

constexpr int kSideCount = 300;
constexpr int kPartitionCount = 250;

// Fixed vessel and particle size of this mode.
constexpr int kLeft = 80;
constexpr int kTop = 300;
constexpr int kWidth = 870;
constexpr int kHeight = 300;
constexpr int kSize = 5;
constexpr int kHalfWidth = kWidth / 2;

// Placement budgets per group: the dense partition strip needs by far the most attempts.
constexpr int kGasBudget = 30000;
constexpr int kPartitionBudget = 500000;

constexpr uint8_t kHotKind = 4;
constexpr uint8_t kColdKind = 13;
constexpr uint8_t kPartitionKind = 18;

constexpr uint16_t kHeatWall = 110;
constexpr uint16_t kHeatFloor = 100;

// Column pixels per temperature unit, and the tubes' full height.
constexpr double kColumnScale = 1.7;
constexpr double kColumnFull = 360;

struct Group {
    int first, last;
    int xBase, xRange;  // x = xBase + Random(xRange)
    int budget;
    int speedBound;
    uint8_t kind;
};

// Places one group's slots in order, each at a free place of its x range, with a velocity
// bounded by the group's speed. Unplaced slots still hold the positions of the run before and
// take part in the overlap test. Returns false when the group's budget ran out.
bool PlaceGroup(Simulation& sim, const Group& g) {
    SimulationState& s = sim.S;
    int attempts = 0;
    PlacementIndex placed(s);
    for (int i = g.first; i <= g.last;) {
        ++attempts;
        s.PosX[i] = g.xBase + sim.Rng.Random(g.xRange);
        s.PosY[i] = s.VesselTop + sim.Rng.Random(s.VesselHeight - s.ParticleSize);
        if (attempts > g.budget) return false;
        if (placed.Overlaps(s, i)) continue;
        placed.Moved(s, i);
        DrawVelocity(sim, i, g.speedBound);
        s.Kind[i] = g.kind;
        ++i;
    }
    return true;
}

int FirstPartitionSlot(const SimulationState& s) {
    return 2 * s.SideCount + 1;
}
int LastPartitionSlot(const SimulationState& s) {
    return 2 * s.SideCount + s.PartitionCount;
}

// The partition particles bounce between the two edges of their strip, which stand 28 pixels
// either side of the vessel's middle.
void ConfinePartition(SimulationState& s) {
    const int halfWidth = s.VesselWidth / 2;
    const int low = s.VesselLeft + halfWidth - 28;
    const int high = s.VesselLeft + halfWidth + 28 - s.ParticleSize;
    for (int i = FirstPartitionSlot(s); i <= LastPartitionSlot(s); ++i) {
        double& x = s.PosX[i];
        if (x >= high || x <= low) {
            s.VelX[i] = -s.VelX[i];
            x += s.VelX[i] / s.StepDivisor;
        }
        if (x >= high) x = high;
        if (x <= low) x = low;
    }
}

// Mean speed, temperature and column height of the slots first..last, left in the state.
double MeasureGroup(SimulationState& s, int first, int last) {
    s.MeanSpeed = MeanSpeedOf(s, first, last);
    s.GasTemperature = KineticTemperature(s.GasMass, s.MeanSpeed);
    return s.GasTemperature;
}

double ColumnOf(double temperature) {
    const double height = kColumnScale * temperature;
    return height > kColumnFull ? kColumnFull : height;
}

// A temperature beyond the thermometers' scale is not given as a number.
void WriteTemperatureLine(SimulationState& s, Canvas& canvas, int y, const char* label,
                          double temperature) {
    s.ThermoHeight = ColumnOf(temperature);
    if (s.ThermoHeight < kColumnFull) {
        canvas.SurfaceTextOut(30, y, 12,
                              label + FormatGeneral(temperature, GeneralFormat::G4) + " jednostek");
    } else {
        canvas.SurfaceTextOut(30, y, 12, "nieokreślona");
    }
}

}  // namespace

void InitHeatTransport(Simulation& sim) {
    SimulationState& s = sim.S;
    const Controls& c = sim.C;
    s.SideCount = kSideCount;
    s.PartitionCount = kPartitionCount;
    s.StepDivisor = 20.0;
    s.SimulationMode = kModeHeatTransport;
    s.InitOk = 1;

    s.VesselWidth = kWidth;
    s.VesselHeight = kHeight;
    s.VesselLeft = kLeft;
    s.VesselTop = kTop;
    sim.Rng.Randomize();
    s.ParticleCount = 2 * s.SideCount + s.PartitionCount;
    s.ParticleSize = kSize;

    const int vmax = c.SpinEdit4;
    const int gasRange = kHalfWidth - 25 - kSize;
    const Group groups[] = {
        {1, s.SideCount, kLeft, gasRange, kGasBudget, 4 * vmax, kHotKind},
        {s.SideCount + 1, 2 * s.SideCount, kLeft + kHalfWidth + 25, gasRange, kGasBudget, vmax / 2,
         kColdKind},
        {FirstPartitionSlot(s), LastPartitionSlot(s), kLeft + kHalfWidth - 25, 50 - kSize,
         kPartitionBudget, vmax / 2, kPartitionKind},
    };
    for (const Group& g : groups) {
        if (!PlaceGroup(sim, g)) {
            // The start handler tries again with a fresh seed; nothing else changes here.
            s.InitOk = 0;
            return;
        }
    }

    ResetRunClock(sim);
    for (int i = 1; i <= s.ParticleCount; ++i) {
        s.VelX[i] = c.TrackBar2 * s.VelX[i] / 2;
        s.VelY[i] = c.TrackBar2 * s.VelY[i] / 2;
    }
    s.MeanSpeed = MeanSpeedOf(s, 1, s.ParticleCount);
    s.GasMass = GasMassOf(c.TrackBar3, s.ParticleCount);
    WriteExperimentCaptions(sim);
}

bool InitHeatTransportRetrying(Simulation& sim, int maxTries,
                               const std::function<bool()>& mayGoOn) {
    for (int attempt = 1; attempt <= maxTries; ++attempt) {
        InitHeatTransport(sim);
        if (sim.S.InitOk == 1) return true;
        if (attempt < maxTries && mayGoOn && !mayGoOn()) return false;
    }
    return false;
}

void StepHeatTransport(Simulation& sim, Canvas& canvas) {
    SimulationState& s = sim.S;
    s.ClockNow = sim.Stamp();
    DrawVesselWall(s, canvas, kHeatWall);
    canvas.FillRect(s.VesselLeft, s.VesselTop, s.VesselLeft + s.VesselWidth,
                    s.VesselTop + s.VesselHeight, kHeatFloor);

    WallHitCounter counter(s);
    MoveAllParticles(sim, canvas, counter);
    // After the loop, so that the confinement shows from the next frame on.
    ConfinePartition(s);

    const double right = MeasureGroup(s, s.SideCount + 1, 2 * s.SideCount);
    s.ThermoHeight = ColumnOf(right);
    DrawThermometer(canvas, 980, s.ThermoHeight);
    const double left = MeasureGroup(s, 1, s.SideCount);
    s.ThermoHeight = ColumnOf(left);
    DrawThermometer(canvas, 30, s.ThermoHeight);

    canvas.SurfaceTextOut(30, 20, 12,
                          "Liczba cząsteczek w lewej części naczynia: " + FormatInt(s.SideCount));
    canvas.SurfaceTextOut(30, 40, 12,
                          "Liczba cząsteczek w prawej części naczynia: " + FormatInt(s.SideCount));
    canvas.SurfaceTextOut(30, 60, 12,
                          "Liczba cząsteczek przegrody: " + FormatInt(s.PartitionCount));
    canvas.SurfaceTextOut(30, 80, 12, TimeLine(s));
    canvas.SurfaceTextOut(760, 35, 13, "TRANSPORT CIEPŁA");
    canvas.SurfaceTextOut(850, 730, 12, publisher::kWebAddress);
    WriteTemperatureLine(s, canvas, 100, "Temperatura gazu w lewej części naczynia = ", left);
    WriteTemperatureLine(s, canvas, 120, "Temperatura gazu w prawej części naczynia = ", right);
    const double partition = MeasureGroup(s, FirstPartitionSlot(s), LastPartitionSlot(s));
    WriteTemperatureLine(s, canvas, 140, "Temperatura przegrody = ", partition);

    canvas.ReleaseText();
    canvas.Present();
}
