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
#include "engine/SurfaceTexts.h"

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

// Places one group's slots in its x range, each with a velocity bounded by the group's speed.
bool PlaceGroup(Simulation& sim, const Group& g) {
    const PlacementArea area{g.first, g.last, g.xBase, g.xRange, g.budget};
    return PlaceSlots(sim, area, [&](int i) {
        DrawVelocity(sim, i, g.speedBound);
        sim.S.Kind[i] = g.kind;
    });
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
double MeasureGroup(SimulationState& s, int first, int last, GasModel model) {
    s.MeanSpeed = MeanSpeedOf(s, first, last);
    if (model == GasModel::Exact && s.ParticleCount > 0)
        s.GasTemperature =
            ExactTemperature(s.GasMass / s.ParticleCount, MeanSquareSpeed(s, first, last));
    else
        s.GasTemperature = KineticTemperature(s.GasMass, s.MeanSpeed);
    return s.GasTemperature;
}

double ColumnOf(double temperature) {
    const double height = kColumnScale * temperature;
    return height > kColumnFull ? kColumnFull : height;
}

// A temperature beyond the thermometers' scale is not given as a number; by default the word
// stands alone, with keepLabel after its line's label.
void WriteTemperatureLine(const SurfaceTexts& t, Canvas& canvas, int y, const std::string& label,
                          double temperature, bool keepLabel) {
    if (ColumnOf(temperature) < kColumnFull) {
        canvas.SurfaceTextOut(
            30, y, 12, label + FormatGeneral(temperature, GeneralFormat::G4, t.Decimal) + t.Units);
    } else {
        canvas.SurfaceTextOut(30, y, 12, keepLabel ? label + t.Undetermined : t.Undetermined);
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
    sim.Frame.PartitionX.clear();  // nothing has moved in this run yet

    s.VesselWidth = kWidth;
    s.VesselHeight = kHeight;
    s.VesselLeft = kLeft;
    s.VesselTop = kTop;
    sim.Rng.Randomize();
    s.ParticleCount = 2 * s.SideCount + s.PartitionCount;
    s.ParticleSize = kSize;

    const int vmax = c.MaxSpeed;
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
        s.VelX[i] = c.SpeedFactor * s.VelX[i] / 2;
        s.VelY[i] = c.SpeedFactor * s.VelY[i] / 2;
    }
    s.MeanSpeed = MeanSpeedOf(s, 1, s.ParticleCount);
    s.GasMass = GasMassOf(c.ParticleMass, s.ParticleCount);
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

void AdvanceHeatTransport(Simulation& sim) {
    SimulationState& s = sim.S;
    FrameReadings& f = sim.Frame;
    WallHitCounter counter(s);
    const int first = FirstPartitionSlot(s);
    if (sim.Model == GasModel::Exact) {
        // The exact model keeps the partition in its strip by the strip's own walls, at the
        // moment a particle reaches them. Each gas reaches into the partition up to a disc's
        // width and a pixel short of its middle: it meets the partition's particles there and
        // never passes, nor touches the other gas.
        const double middle = s.VesselLeft + s.VesselWidth / 2;
        const double size = s.ParticleSize;
        sim.Exact.Confine(1, s.SideCount, s.VesselLeft, middle - size - 0.5);
        sim.Exact.Confine(s.SideCount + 1, 2 * s.SideCount, middle + 0.5, s.RightLimit());
        sim.Exact.Confine(first, LastPartitionSlot(s), middle - 28, middle + 28 - size);
        AdvanceGas(sim, counter);
        sim.Exact.Unconfine();
        f.PartitionX.assign(s.PosX.Data() + (first - 1), s.PosX.Data() + LastPartitionSlot(s));
    } else {
        AdvanceGas(sim, counter);
        // The confinement shows from the next frame on: this one draws the strip as it moved.
        f.PartitionX.assign(s.PosX.Data() + (first - 1), s.PosX.Data() + LastPartitionSlot(s));
        ConfinePartition(s);
    }

    // The state keeps the partition's measurement, the last one made.
    f.RightTemperature = MeasureGroup(s, s.SideCount + 1, 2 * s.SideCount, sim.Model);
    f.LeftTemperature = MeasureGroup(s, 1, s.SideCount, sim.Model);
    f.PartitionTemperature = MeasureGroup(s, first, LastPartitionSlot(s), sim.Model);
    s.ThermoHeight = ColumnOf(f.PartitionTemperature);
}

void RenderHeatTransport(const SimulationState& s, const FrameReadings& f, const SurfaceTexts& t,
                         Canvas& canvas, bool labelUndetermined) {
    DrawVesselWall(s, canvas, kHeatWall);
    canvas.FillRect(s.VesselLeft, s.VesselTop, s.VesselLeft + s.VesselWidth,
                    s.VesselTop + s.VesselHeight, kHeatFloor);
    const int first = FirstPartitionSlot(s);
    const int last = first + static_cast<int>(f.PartitionX.size()) - 1;
    for (int i = 1; i <= s.ParticleCount; ++i) {
        const bool moved = i >= first && i <= last;
        DrawParticle(s, i, moved ? f.PartitionX[static_cast<std::size_t>(i - first)] : s.PosX[i],
                     s.PosY[i], canvas);
    }

    DrawThermometer(canvas, 980, ColumnOf(f.RightTemperature));
    DrawThermometer(canvas, 30, ColumnOf(f.LeftTemperature));

    canvas.SurfaceTextOut(30, 20, 12, t.LeftCount + FormatInt(s.SideCount));
    canvas.SurfaceTextOut(30, 40, 12, t.RightCount + FormatInt(s.SideCount));
    canvas.SurfaceTextOut(30, 60, 12, t.PartitionCount + FormatInt(s.PartitionCount));
    canvas.SurfaceTextOut(30, 80, 12, TimeLine(s, t));
    canvas.SurfaceTextOut(760, 35, 13, t.HeatTitle);
    canvas.SurfaceTextOut(850, 730, 12, publisher::kWebAddress);
    WriteTemperatureLine(t, canvas, 100, t.LeftTemperature, f.LeftTemperature, labelUndetermined);
    WriteTemperatureLine(t, canvas, 120, t.RightTemperature, f.RightTemperature, labelUndetermined);
    WriteTemperatureLine(t, canvas, 140, t.PartitionTemperature, f.PartitionTemperature,
                         labelUndetermined);
    canvas.ReleaseText();
}
