#include "ParityScenarios.h"

#include "ModeStart.h"
#include "engine/Experiment.h"
#include "engine/HistogramRender.h"
#include "engine/Modes.h"

namespace {

struct ModeName {
    int mode;
    const char* name;
};

constexpr ModeName kModes[] = {
    {kModeDiffusion, "diffusion"},
    {kModeFreePath, "free-path"},
    {kModeDiffusionChart, "diffusion-chart"},
    {kModeWallCollisions, "wall-collisions"},
    {kModeTemperature, "temperature"},
    {kModeHeatTransport, "heat-transport"},
    {kModePressure, "pressure"},
};

std::vector<ParityScenario> MakeScenarios() {
    std::vector<ParityScenario> list;
    uint64_t seed = 41;
    for (const GasModel model : {GasModel::Described, GasModel::Exact}) {
        for (const ModeName& m : kModes) {
            // The histogram where it has room, on the exact model, which it is for.
            const bool histogram = model == GasModel::Exact && HistogramPlaceOf(m.mode).has_value();
            list.push_back(
                {std::string(m.name) + (model == GasModel::Exact ? "/exact" : "/described"), m.mode,
                 model, histogram, ViewOptions{}, seed++, 90});
        }
    }
    // The view options, each where it shows.
    ViewOptions large;
    large.LargeView = true;
    list.push_back({"free-path/described/large-view", kModeFreePath, GasModel::Described, true,
                    large, seed++, 90});
    ViewOptions noLines;
    noLines.VelocityLines = false;
    list.push_back({"pressure/exact/no-velocity-lines", kModePressure, GasModel::Exact, false,
                    noLines, seed++, 90});
    ViewOptions labels;
    labels.LabelUndetermined = true;
    list.push_back({"heat-transport/described/labels", kModeHeatTransport, GasModel::Described,
                    false, labels, seed++, 90});
    return list;
}

}  // namespace

const std::vector<ParityScenario>& ParityScenarios() {
    static const std::vector<ParityScenario> list = MakeScenarios();
    return list;
}

const ParityScenario* FindParityScenario(const std::string& name) {
    for (const ParityScenario& s : ParityScenarios()) {
        if (s.name == name) return &s;
    }
    return nullptr;
}

bool StartParityScenario(Simulation& sim, const ParityScenario& run) {
    sim.Rng.UseFixedSeeds(run.seed);
    sim.Model = run.model;
    sim.ShowSpeedHistogram = run.histogram;
    sim.View = run.view;
    return StartMode(sim, run.mode, 50, [] { return true; });
}

void ActBeforeTick(Simulation& sim, const ParityScenario& run, int tick) {
    if (tick == 30) PauseClock(sim);
    if (tick == 36) ResumeClock(sim);
    const bool experiment = run.mode == kModeTemperature || run.mode == kModePressure;
    if (experiment && tick == 50) {
        sim.C.ParticleMass = 5;
        ChangeParticleMass(sim);
    }
    if (experiment && tick == 60) {
        sim.C.VesselSide = 350;
        ChangeVesselSide(sim);
    }
    if (experiment && tick == 70) {
        sim.C.ExperimentParticles = 200;
        ChangeCountOrSpeed(sim);
    }
    if (run.mode <= kModeWallCollisions && tick == 60) {
        sim.C.MaxSpeed = 90;  // and start again, as "Zacznij od nowa" does
        InitCurrentMode(sim);
        StartClock(sim);
    }
}
