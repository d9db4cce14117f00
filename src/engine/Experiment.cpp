#include "engine/Experiment.h"

#include <cmath>
#include <cstdint>
#include <vector>

#include "engine/Canvas.h"
#include "engine/Modes.h"
#include "engine/Motion.h"
#include "engine/NumberFormat.h"
#include "engine/Placement.h"
#include "engine/StatusText.h"
#include "engine/SurfaceTexts.h"

namespace {

// Wall band and interior of the experiment vessel.
constexpr uint16_t kExperimentWall = 1110;
constexpr uint16_t kExperimentFloor = 110;

// Pictures of the instrument set.
constexpr int kThermometerTube = 0;
constexpr int kClamp = 1;
constexpr int kLiquidRow = 2;

}  // namespace

double GasMassOf(int particleMass, int count) {
    return (particleMass * count) * 1.66e-27;
}

double KineticTemperature(double gasMass, double meanSpeed) {
    return gasMass * meanSpeed * meanSpeed * 2 / 3 / 1.38e-23;
}

double ExactTemperature(double particleMass, double meanSquare) {
    return particleMass * meanSquare / (2 * 1.38e-23) * kExactTemperatureScale;
}

void WriteExperimentCaptions(Simulation& sim) {
    const SimulationState& s = sim.S;
    const Controls& c = sim.C;
    sim.Captions.ParticleMass = c.ParticleMass;
    sim.Captions.ParticleCount = s.ParticleCount;
    sim.Captions.VesselSide = c.VesselSide;
    sim.Captions.MeanSpeed = s.MeanSpeed;
}

ExperimentCaptionTexts WordCaptions(const ExperimentCaptions& c, const SurfaceTexts& t) {
    return {
        t.CaptionCount + FormatInt(c.ParticleCount),
        t.CaptionMeanSpeed + FormatGeneral(c.MeanSpeed, GeneralFormat::G3, t.Decimal) +
            t.ShortUnits,
        t.CaptionMass + FormatInt(c.ParticleMass) + t.MassUnit,
        t.CaptionSide + FormatInt(c.VesselSide) + t.ShortUnits,
    };
}

void InitExperimentGas(Simulation& sim, Mode mode) {
    SimulationState& s = sim.S;
    const Controls& c = sim.C;
    s.StepDivisor = 20.0;
    s.SimulationMode = mode;
    s.InitOk = 1;

    SetVesselCentred(s, c.VesselSide, c.VesselSide);
    sim.Rng.Randomize();
    s.ParticleCount = c.ExperimentParticles;
    s.ParticleSize = static_cast<uint8_t>(ParticleSizeOfChoice(c.SizeChoice));

    const auto kind = static_cast<uint8_t>(c.SizeChoice - 1);
    if (!PlaceGas(sim, c.MaxSpeed, [&](int i) { s.Kind[i] = kind; })) s.InitOk = 0;

    // Everything below runs after a failed placement too: the run starts with the particles
    // as they are.
    ResetRunClock(sim);
    for (int i = 1; i <= s.ParticleCount; ++i) {
        s.VelX[i] = c.SpeedFactor * s.VelX[i] / 2;
        s.VelY[i] = c.SpeedFactor * s.VelY[i] / 2;
    }
    s.MeanSpeed = MeanSpeedOf(s, 1, s.ParticleCount);
    s.GasMass = GasMassOf(c.ParticleMass, s.ParticleCount);
    WriteExperimentCaptions(sim);
}

void AdvanceExperimentGas(Simulation& sim) {
    WallHitCounter counter(sim.S);
    AdvanceGas(sim, counter);
    // The exact gas relaxes from its start draw to Maxwell's, whose mean speed is lower: the
    // mean speed shown is measured. The described gas keeps its start speeds' mean.
    if (sim.Model == GasModel::Exact) {
        sim.S.MeanSpeed = MeanSpeedOf(sim.S, 1, sim.S.ParticleCount);
        sim.Captions.MeanSpeed = sim.S.MeanSpeed;
    }
}

void DrawExperimentVessel(const SimulationState& s, Canvas& canvas) {
    DrawVesselWall(s, canvas, kExperimentWall);
    canvas.FillRect(s.VesselLeft, s.VesselTop, s.VesselLeft + s.VesselWidth,
                    s.VesselTop + s.VesselHeight, kExperimentFloor);
    DrawParticles(s, canvas);
}

void WriteExperimentStatus(const SimulationState& s, const FrameReadings& f, const SurfaceTexts& t,
                           Canvas& canvas, int x) {
    canvas.SurfaceTextOut(x, 400, 12, t.ExperimentCount + FormatInt(s.ParticleCount));
    canvas.SurfaceTextOut(x, 420, 12, t.ExperimentVmax + FormatInt(f.MaxSpeed) + t.Units);
    canvas.SurfaceTextOut(
        x, 440, 12,
        t.ExperimentMeanSpeed + FormatGeneral(s.MeanSpeed, GeneralFormat::G3, t.Decimal) + t.Units);
    canvas.SurfaceTextOut(x, 460, 12, TimeLine(s, t));
}

void DrawLiquidColumn(Canvas& canvas, int x, int baseY, double height) {
    // Written so that a height that is not a number draws nothing either.
    if (!(height >= 1.0)) return;
    const int rows = static_cast<int>(std::trunc(height));
    for (int k = 1; k <= rows; ++k)
        canvas.DrawSprite(SpriteSet::DXImageList2, kLiquidRow, x, baseY - k);
}

void DrawThermometer(Canvas& canvas, int tubeX, double columnHeight) {
    canvas.DrawSprite(SpriteSet::DXImageList2, kThermometerTube, tubeX, 250);
    DrawLiquidColumn(canvas, tubeX + 6, 612, columnHeight);
    for (int y : {300, 450, 612})
        canvas.DrawSprite(SpriteSet::DXImageList2, kClamp, tubeX - 5, y);
}

bool ChangeCountOrSpeed(Simulation& sim) {
    switch (sim.S.SimulationMode) {
        case kModeTemperature:
            InitTemperature(sim);
            return true;
        case kModePressure:
            InitPressure(sim);
            return true;
        default:
            return false;
    }
}

void ChangeParticleMass(Simulation& sim) {
    sim.S.GasMass = GasMassOf(sim.C.ParticleMass, sim.S.ParticleCount);
    sim.Captions.ParticleMass = sim.C.ParticleMass;
}

bool ChangeVesselSide(Simulation& sim) {
    SimulationState& s = sim.S;
    const uint16_t oldLeft = s.VesselLeft;
    const uint16_t oldTop = s.VesselTop;
    const uint16_t oldWidth = s.VesselWidth;
    const uint16_t oldHeight = s.VesselHeight;

    SetVesselCentred(s, sim.C.VesselSide, sim.C.VesselSide);

    // A larger vessel grows around the same centre: every particle is still inside it. The
    // exact model places its gas anew there too, so that the pressure measured from the next
    // tick on is that of the gas spread over the new vessel, not of its expansion.
    if (s.VesselWidth < oldWidth || (sim.Model == GasModel::Exact && s.VesselWidth > oldWidth)) {
        std::vector<double> oldX(s.PosX.Data(), s.PosX.Data() + kMaxParticles);
        std::vector<double> oldY(s.PosY.Data(), s.PosY.Data() + kMaxParticles);
        PlacementArea area = WholeVessel(s, kVesselSideBudget);
        area.DrawPastBudget = false;
        if (!PlaceSlots(sim, area, [](int) {})) {
            // Too crowded for the smaller vessel: leave the gas as it was.
            s.VesselLeft = oldLeft;
            s.VesselTop = oldTop;
            s.VesselWidth = oldWidth;
            s.VesselHeight = oldHeight;
            for (int k = 1; k <= kMaxParticles; ++k) {
                s.PosX[k] = oldX[static_cast<std::size_t>(k - 1)];
                s.PosY[k] = oldY[static_cast<std::size_t>(k - 1)];
            }
            sim.Captions.VesselSide = oldWidth;
            return false;
        }
    }

    sim.Captions.VesselSide = sim.C.VesselSide;
    ResetExactPressure(sim);  // a new vessel: the pressure is measured anew
    return true;
}
