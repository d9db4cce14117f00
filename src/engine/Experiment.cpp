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

namespace {

// Wall band and interior of the experiment vessel.
constexpr uint16_t kExperimentWall = 1110;
constexpr uint16_t kExperimentFloor = 110;

// Pictures of the instrument set.
constexpr int kThermometerTube = 0;
constexpr int kClamp = 1;
constexpr int kLiquidRow = 2;

std::string MassCaption(int particleMass) {
    return "Masa cząsteczki gazu: " + FormatInt(particleMass) + " u";
}

std::string SideCaption(int side) {
    return "Szerokość naczynia: " + FormatInt(side) + " jedn.";
}

}  // namespace

double GasMassOf(int particleMass, int count) {
    return (particleMass * count) * 1.66e-27;
}

double KineticTemperature(double gasMass, double meanSpeed) {
    return gasMass * meanSpeed * meanSpeed * 2 / 3 / 1.38e-23;
}

void WriteExperimentCaptions(Simulation& sim) {
    const SimulationState& s = sim.S;
    const Controls& c = sim.C;
    sim.Captions.Label60 = MassCaption(c.TrackBar3);
    sim.Captions.Label49 = "Liczba cząsteczek: " + FormatInt(s.ParticleCount);
    sim.Captions.Label61 = SideCaption(c.TrackBar4);
    sim.Captions.Label59 =
        "Vśr. cząsteczek = " + FormatGeneral(s.MeanSpeed, GeneralFormat::G3) + " jedn.";
}

void InitExperimentGas(Simulation& sim, Mode mode) {
    SimulationState& s = sim.S;
    const Controls& c = sim.C;
    s.StepDivisor = 20.0;
    s.SimulationMode = mode;
    s.InitOk = 1;

    SetVesselCentred(s, c.TrackBar4, c.TrackBar4);
    sim.Rng.Randomize();
    s.ParticleCount = c.TrackBar1;
    s.ParticleSize = static_cast<uint8_t>(ParticleSizeOfChoice(c.SizeChoice));

    const auto kind = static_cast<uint8_t>(c.SizeChoice - 1);
    if (!PlaceGas(sim, c.SpinEdit4, [&](int i) { s.Kind[i] = kind; })) s.InitOk = 0;

    // Everything below runs after a failed placement too: the run starts with the particles
    // as they are.
    ResetRunClock(sim);
    for (int i = 1; i <= s.ParticleCount; ++i) {
        s.VelX[i] = c.TrackBar2 * s.VelX[i] / 2;
        s.VelY[i] = c.TrackBar2 * s.VelY[i] / 2;
    }
    s.MeanSpeed = MeanSpeedOf(s, 1, s.ParticleCount);
    s.GasMass = GasMassOf(c.TrackBar3, s.ParticleCount);
    WriteExperimentCaptions(sim);
}

void MoveExperimentGas(Simulation& sim, Canvas& canvas) {
    SimulationState& s = sim.S;
    s.ClockNow = sim.Stamp();
    DrawVesselWall(s, canvas, kExperimentWall);
    canvas.FillRect(s.VesselLeft, s.VesselTop, s.VesselLeft + s.VesselWidth,
                    s.VesselTop + s.VesselHeight, kExperimentFloor);
    WallHitCounter counter(s);
    MoveAllParticles(sim, canvas, counter);
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
    sim.S.GasMass = GasMassOf(sim.C.TrackBar3, sim.S.ParticleCount);
    sim.Captions.Label60 = MassCaption(sim.C.TrackBar3);
}

bool ChangeVesselSide(Simulation& sim) {
    SimulationState& s = sim.S;
    const uint16_t oldLeft = s.VesselLeft;
    const uint16_t oldTop = s.VesselTop;
    const uint16_t oldWidth = s.VesselWidth;
    const uint16_t oldHeight = s.VesselHeight;

    SetVesselCentred(s, sim.C.TrackBar4, sim.C.TrackBar4);

    // A larger vessel grows around the same centre: every particle is still inside it.
    if (s.VesselWidth < oldWidth) {
        std::vector<double> oldX(s.PosX.Data(), s.PosX.Data() + kMaxParticles);
        std::vector<double> oldY(s.PosY.Data(), s.PosY.Data() + kMaxParticles);
        int attempts = 0;
        PlacementIndex placed(s);
        for (int i = 1; i <= kMaxParticles;) {
            if (++attempts > kVesselSideBudget) {
                // Too crowded for the smaller vessel: leave the gas as it was.
                s.VesselLeft = oldLeft;
                s.VesselTop = oldTop;
                s.VesselWidth = oldWidth;
                s.VesselHeight = oldHeight;
                for (int k = 1; k <= kMaxParticles; ++k) {
                    s.PosX[k] = oldX[static_cast<std::size_t>(k - 1)];
                    s.PosY[k] = oldY[static_cast<std::size_t>(k - 1)];
                }
                sim.Captions.Label61 = SideCaption(oldWidth);
                return false;
            }
            s.PosX[i] = s.VesselLeft + sim.Rng.Random(s.VesselWidth - s.ParticleSize);
            s.PosY[i] = s.VesselTop + sim.Rng.Random(s.VesselHeight - s.ParticleSize);
            if (placed.Overlaps(s, i)) continue;
            placed.Moved(s, i);
            ++i;
        }
    }

    sim.Captions.Label61 = SideCaption(sim.C.TrackBar4);
    return true;
}
