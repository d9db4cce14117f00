// The browser's module: the engine behind the page, through embind. The page reads each frame's
// commands straight from the module's memory (typed_memory_view), so that a frame costs one
// call, not one per drawing call.
#include <emscripten/bind.h>
#include <emscripten/emscripten.h>

#include "BenchScenarios.h"
#include "ParityScenarios.h"
#include "TextMetrics.h"
#include "WebSession.h"
#include "engine/ExactMotion.h"
#include "engine/Modes.h"
#include "engine/SurfaceTexts.h"
#include "ui/texts/PolishTexts.h"

using namespace emscripten;

namespace {

val Words(const WebSession& s) {
    const auto& words = s.Commands().Words();
    return val(typed_memory_view(words.size(), words.data()));
}

val Texts(const WebSession& s) {
    const auto& texts = s.Commands().Texts();
    return val(typed_memory_view(texts.size(), reinterpret_cast<const uint8_t*>(texts.data())));
}

Controls GetControls(const WebSession& s) {
    return s.Sim().C;
}
void SetControls(WebSession& s, const Controls& c) {
    s.Sim().C = c;
}
ViewOptions GetView(const WebSession& s) {
    return s.Sim().View;
}
void SetView(WebSession& s, const ViewOptions& v) {
    s.Sim().View = v;
}
bool GetExactModel(const WebSession& s) {
    return s.Sim().Model == GasModel::Exact;
}
void SetExactModel(WebSession& s, bool exact) {
    s.Sim().Model = exact ? GasModel::Exact : GasModel::Described;
}
bool GetHistogram(const WebSession& s) {
    return s.Sim().ShowSpeedHistogram;
}
void SetHistogram(WebSession& s, bool shown) {
    s.Sim().ShowSpeedHistogram = shown;
}
int GetMode(const WebSession& s) {
    return s.Sim().S.SimulationMode;
}
// The run's time so far: from its start to its last tick, the pauses left out.
double RunMilliseconds(const WebSession& s) {
    const SimulationState& state = s.Sim().S;
    return static_cast<double>(state.ClockNow - state.ClockStart - state.PausedTotal);
}
void StartClockAt(WebSession& s, double now) {
    s.SetNow(now);
    StartClock(s.Sim());
}
void PauseClockAt(WebSession& s, double now) {
    s.SetNow(now);
    PauseClock(s.Sim());
}
void ResumeClockAt(WebSession& s, double now) {
    s.SetNow(now);
    ResumeClock(s.Sim());
}

std::vector<std::string> ScenarioNames() {
    std::vector<std::string> names;
    for (const ParityScenario& s : ParityScenarios())
        names.push_back(s.name);
    return names;
}

// Milliseconds per tick of the step alone, 1500 particles of 5 px in 600 x 600 at Vmax 300,
// after the same settling as the desktop's benchmark (bench/bench_exact.cpp): the described
// model's frame step with nothing drawn, or the exact model's motion.
double BenchStep(bool exact, int ticks) {
    BenchRun run(1500, 600, 300, 4);
    NullCanvas canvas;
    ExactMotion motion;
    if (exact) {
        for (int tick = 0; tick < kSettleTicks; ++tick)
            motion.Advance(run.sim->S);
        motion.Reset();
    } else {
        Settle(*run.sim, FrameOf);
    }
    const double start = emscripten_get_now();
    for (int tick = 0; tick < ticks; ++tick) {
        if (exact)
            motion.Advance(run.sim->S);
        else
            FrameOf(*run.sim, canvas);
    }
    return (emscripten_get_now() - start) / ticks;
}

// The words the page shows before the core's text catalogue reaches it: the engine's own.
std::string ModeTitle(int mode) {
    const SurfaceTexts& t = PolishSurfaceTexts();
    switch (mode) {
        case kModeDiffusion:
        case kModeDiffusionChart:
            return t.DiffusionTitle;
        case kModeFreePath:
            return t.FreePathTitle;
        case kModeWallCollisions:
            return t.WallsTitle + " " + t.WallsTitle2;
        case kModeTemperature:
            return t.TemperatureTitle;
        case kModeHeatTransport:
            return t.HeatTitle;
        case kModePressure:
            return t.PressureTitle;
        default:
            return "";
    }
}

std::string ExactModelText() {
    return PolishSurfaceTexts().ExactModel;
}

std::string SpeedHistogramText() {
    return PolishSurfaceTexts().SpeedHistogram;
}

int TextWidth(const std::string& text, int points) {
    return SurfaceTextWidth(text, points);
}

int TextAscent(int points) {
    return SurfaceTextAscent(points);
}

}  // namespace

EMSCRIPTEN_BINDINGS(kinetra) {
    value_object<Controls>("Controls")
        .field("particles", &Controls::Particles)
        .field("vesselWidth", &Controls::VesselWidth)
        .field("vesselHeight", &Controls::VesselHeight)
        .field("maxSpeed", &Controls::MaxSpeed)
        .field("collisionLimit", &Controls::CollisionLimit)
        .field("sizeChoice", &Controls::SizeChoice)
        .field("stopAtLimit", &Controls::StopAtLimit)
        .field("experimentParticles", &Controls::ExperimentParticles)
        .field("speedFactor", &Controls::SpeedFactor)
        .field("particleMass", &Controls::ParticleMass)
        .field("vesselSide", &Controls::VesselSide);
    value_object<ViewOptions>("ViewOptions")
        .field("velocityLines", &ViewOptions::VelocityLines)
        .field("largeView", &ViewOptions::LargeView)
        .field("labelUndetermined", &ViewOptions::LabelUndetermined);
    value_object<TickResult>("TickResult")
        .field("drawn", &TickResult::drawn)
        .field("pauseRequested", &TickResult::pauseRequested);
    register_vector<std::string>("StringList");

    class_<WebSession>("Session")
        .constructor<>()
        .function("controls", &GetControls)
        .function("setControls", &SetControls)
        .function("view", &GetView)
        .function("setView", &SetView)
        .function("exactModel", &GetExactModel)
        .function("setExactModel", &SetExactModel)
        .function("histogram", &GetHistogram)
        .function("setHistogram", &SetHistogram)
        .function("mode", &GetMode)
        .function("start", &WebSession::Start)
        .function("placing", &WebSession::Placing)
        .function("startClock", &StartClockAt)
        .function("pauseClock", &PauseClockAt)
        .function("resumeClock", &ResumeClockAt)
        .function("runMilliseconds", &RunMilliseconds)
        .function("tick", &WebSession::Tick)
        .function("redraw", &WebSession::Redraw)
        .function("words", &Words)
        .function("texts", &Texts)
        .function("stateHash", &WebSession::StateHash)
        .function("startScenario", &WebSession::StartScenario)
        .function("scenarioTick", &WebSession::ScenarioTick)
        .function("scenarioLength", &WebSession::ScenarioLength)
        .function("startBenchFrame", &WebSession::StartBenchFrame);

    function("scenarioNames", &ScenarioNames);
    function("benchStep", &BenchStep);
    function("textWidth", &TextWidth);
    function("textAscent", &TextAscent);
    function("modeTitle", &ModeTitle);
    function("exactModelText", &ExactModelText);
    function("speedHistogramText", &SpeedHistogramText);
}
