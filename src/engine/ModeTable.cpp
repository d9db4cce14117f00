#include "engine/ModeTable.h"

#include <array>

#include "engine/Modes.h"

// Marks the titles for the translation tools without Qt.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, text) text
#endif

namespace {

constexpr const char* kDiffusionSetUp =
    QT_TRANSLATE_NOOP("kinetra", "DYFUZJA - ustawienia warunków początkowych układu");
constexpr const char* kFreePathSetUp =
    QT_TRANSLATE_NOOP("kinetra", "DROGA SWOBODNA - warunki początkowe");
constexpr const char* kWallsSetUp =
    QT_TRANSLATE_NOOP("kinetra", "ZDERZENIA ZE ŚCIANKAMI - warunki początkowe");

// The advances that ask nothing of the window.
template <void (*advance)(Simulation&)>
FrameResult Quietly(Simulation& sim) {
    advance(sim);
    return {};
}

template <void (*render)(const SimulationState&, const FrameReadings&, const SurfaceTexts&,
                         Canvas&)>
void Picture(const Simulation& sim, const SurfaceTexts& texts, Canvas& canvas) {
    render(sim.S, sim.Frame, texts, canvas);
}

constexpr HistogramPlace kBesideStatus{760, 440, 240, 160};
constexpr HistogramPlace kBesideWallBars{760, 230, 240, 85};
constexpr HistogramPlace kBelowGauge{810, 560, 190, 130};

std::array<ModeEntry, 8> MakeTable() {
    std::array<ModeEntry, 8> m{};
    m[kNoMode].SetUpTitle = kDiffusionSetUp;
    m[kModeDiffusion] = {.Init = InitDiffusion,
                         .Advance = Quietly<AdvanceDiffusion>,
                         .Render = Picture<RenderDiffusion>,
                         .SetUpTitle = kDiffusionSetUp,
                         .StartInitialises = true,
                         .RestartInitialises = true,
                         .Histogram = kBesideStatus};
    m[kModeFreePath] = {.Init = InitFreePath,
                        .Advance = AdvanceFreePath,
                        .Render = Picture<RenderFreePath>,
                        .SetUpTitle = kFreePathSetUp,
                        .StartInitialises = true,
                        .RestartInitialises = true,
                        .Histogram = kBesideStatus};
    // The chart and the heat transport's vessel leave no room for the histogram.
    m[kModeDiffusionChart] = {.Init = InitDiffusionChart,
                              .Advance = Quietly<AdvanceDiffusionChart>,
                              .Render = Picture<RenderDiffusionChart>,
                              .SetUpTitle = kDiffusionSetUp,
                              .StartInitialises = true,
                              .RestartInitialises = true,
                              .Histogram = std::nullopt};
    m[kModeWallCollisions] = {.Init = InitWallCollisions,
                              .Advance = Quietly<AdvanceWallCollisions>,
                              .Render = Picture<RenderWallCollisions>,
                              .SetUpTitle = kWallsSetUp,
                              .StartInitialises = true,
                              .RestartInitialises = true,
                              .Histogram = kBesideWallBars};
    m[kModeTemperature] = {.Init = InitTemperature,
                           .Advance = Quietly<AdvanceTemperature>,
                           .Render = Picture<RenderTemperature>,
                           .SetUpTitle = kDiffusionSetUp,
                           .StartInitialises = true,
                           .RestartInitialises = true,
                           .WritesExperimentCaptions = true,
                           .Printable = false,
                           .Histogram = kBelowGauge};
    m[kModeHeatTransport] = {
        .Init = InitHeatTransport,
        .Advance = Quietly<AdvanceHeatTransport>,
        .Render =
            [](const Simulation& sim, const SurfaceTexts& texts, Canvas& canvas) {
                RenderHeatTransport(sim.S, sim.Frame, texts, canvas, sim.View.LabelUndetermined);
            },
        .SetUpTitle = kDiffusionSetUp,
        .PlacesInBackground = true,
        .WritesExperimentCaptions = true,
        .Histogram = std::nullopt};
    m[kModePressure] = {.Init = InitPressure,
                        .Advance = Quietly<AdvancePressure>,
                        .Render =
                            [](const Simulation& sim, const SurfaceTexts& texts, Canvas& canvas) {
                                RenderPressure(sim.S, sim.Frame, texts, canvas,
                                               sim.View.VelocityLines);
                            },
                        .SetUpTitle = kDiffusionSetUp,
                        .RestartInitialises = true,
                        .WritesExperimentCaptions = true,
                        .Histogram = kBelowGauge};
    return m;
}

}  // namespace

const ModeEntry& ModeOf(int mode) {
    static const std::array<ModeEntry, 8> modes = MakeTable();
    if (mode < 0 || mode >= static_cast<int>(modes.size())) return modes[kNoMode];
    return modes[static_cast<size_t>(mode)];
}
