#include "WebSession.h"

#include <cmath>
#include <cstdio>

#include "BenchScenarios.h"
#include "CallHash.h"
#include "ModeStart.h"
#include "ParityScenarios.h"
#include "engine/Modes.h"
#include "ui/texts/PolishTexts.h"

#include <emscripten.h>

namespace {

// As many tries as the desktop gives the heat transport's placement.
constexpr int kHeatTransportTries = 50;

}  // namespace

WebSession::WebSession()
    : sim_(std::make_unique<Simulation>(clock_)), texts_(&PolishSurfaceTexts()) {}

void WebSession::SetNow(double ms) {
    // Whole milliseconds, halves to even, as the desktop's clock rounds its microseconds.
    clock_.Set(static_cast<int64_t>(std::nearbyint(ms)));
}

bool WebSession::Start(int mode, double now, double budgetMs) {
    SetNow(now);
    if (mode != kModeHeatTransport) {
        placingTries_ = 0;
        return StartMode(*sim_, mode, 0, [] { return false; });
    }
    if (placingTries_ == 0) placingTries_ = kHeatTransportTries;
    const double until = emscripten_get_now() + budgetMs;
    int tries = 0;
    const bool placed = StartMode(*sim_, mode, placingTries_, [&] {
        ++tries;
        return emscripten_get_now() < until;
    });
    placingTries_ = placed ? 0 : std::max(0, placingTries_ - tries - 1);
    return placed;
}

TickResult WebSession::Tick(double now) {
    SetNow(now);
    canvas_.Clear();
    const FrameResult result = Advance(*sim_);
    TickResult tick;
    tick.pauseRequested = result.PauseRequested;
    tick.drawn = Render(*sim_, *texts_, canvas_);
    if (tick.drawn) canvas_.Present();
    return tick;
}

bool WebSession::Redraw() {
    canvas_.Clear();
    const bool drawn = Render(*sim_, *texts_, canvas_);
    if (drawn) canvas_.Present();
    return drawn;
}

std::string WebSession::StateHash() const {
    char text[17];
    std::snprintf(text, sizeof text, "%016llx",
                  static_cast<unsigned long long>(::StateHash(sim_->S)));
    return text;
}

bool WebSession::StartScenario(const std::string& name) {
    scenario_ = FindParityScenario(name);
    if (!scenario_) return false;
    sim_ = std::make_unique<Simulation>(clock_);
    canvas_ = CommandCanvas();
    clock_.Set(kParityStart);
    return StartParityScenario(*sim_, *scenario_);
}

TickResult WebSession::ScenarioTick(int tick) {
    if (!scenario_) return {};
    ActBeforeTick(*sim_, *scenario_, tick);
    return Tick(static_cast<double>(kParityStart + kParityTick * tick));
}

int WebSession::ScenarioLength() const {
    return scenario_ ? scenario_->ticks : 0;
}

void WebSession::StartBenchFrame(int model) {
    sim_ = std::make_unique<Simulation>(clock_);
    PrepareDiffusion(*sim_, 1500, 600, 300, 4);
    sim_->Model = model == 1 ? GasModel::Exact : GasModel::Described;
    sim_->ShowSpeedHistogram = true;
    Settle(*sim_, FrameOf);
}
