#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "CommandCanvas.h"
#include "engine/Clock.h"
#include "engine/Simulation.h"

struct SurfaceTexts;

// The page's clock: the millisecond the page read from performance.now() for this tick.
class PageClock final : public Clock {
  public:
    int64_t MillisecondStamp() override { return now_; }
    void Set(int64_t ms) { now_ = ms; }

  private:
    int64_t now_ = 0;
};

// What a tick tells the page.
struct TickResult {
    bool drawn = false;           // a frame is in the command buffer
    bool pauseRequested = false;  // the run asks to stop (the free path at its limit)
};

// One simulation as the page runs it: the engine's state and settings, the clock the page sets,
// and each frame's drawing calls as commands in the module's memory for the page to replay.
class WebSession {
  public:
    WebSession();

    Simulation& Sim() { return *sim_; }
    const Simulation& Sim() const { return *sim_; }
    void SetNow(double ms);

    // Starts the mode at the controls' values (ModeStart.h). The heat transport's placement
    // runs its tries for at most budgetMs and then gives the page back its thread: call again
    // while Placing() says so.
    bool Start(int mode, double now, double budgetMs);
    bool Placing() const { return placingTries_ > 0; }

    // One tick at the page's time now: the state advanced and its frame in the buffer.
    TickResult Tick(double now);
    // The frame of the state as it stands, nothing advanced (after a change of language).
    bool Redraw();

    const CommandCanvas& Commands() const { return canvas_; }
    void SetTexts(const SurfaceTexts& texts) { texts_ = &texts; }

    // Fingerprint of the whole state, as the tests take it.
    std::string StateHash() const;

    // The parity runs (ParityScenarios.h): a fresh simulation started as the named run, then
    // its ticks one by one. False for an unknown name or a failed start.
    bool StartScenario(const std::string& name);
    TickResult ScenarioTick(int tick);
    int ScenarioLength() const;

    // The benchmarks' whole-frame run (bench/BenchScenarios.h), settled.
    void StartBenchFrame(int model);

  private:
    PageClock clock_;
    std::unique_ptr<Simulation> sim_;
    CommandCanvas canvas_;
    const SurfaceTexts* texts_;
    int placingTries_ = 0;
    const struct ParityScenario* scenario_ = nullptr;
};
