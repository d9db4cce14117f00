#pragma once

#include <QObject>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>

#include "engine/Simulation.h"

// Runs a long placement on a worker thread, on a copy of the simulation, so that the window
// keeps answering (and can be left) while the particles look for their places. The copy comes
// back to the window's thread when the work ends; a cancelled run's copy is dropped.
class BackgroundPlacement : public QObject {
    Q_OBJECT
  public:
    // Works on `sim`, returns whether every particle found a place; `mayGoOn` is asked between
    // two tries and says false once the run is cancelled.
    using Work = std::function<bool(Simulation& sim, const std::function<bool()>& mayGoOn)>;
    // Gets the worked copy and the result, on the window's thread.
    using Done = std::function<void(Simulation& placed, bool ok)>;

    explicit BackgroundPlacement(QObject* parent = nullptr);
    // Cancels a run and waits for its worker, which stops after its current try.
    ~BackgroundPlacement() override;
    BackgroundPlacement(const BackgroundPlacement&) = delete;
    BackgroundPlacement& operator=(const BackgroundPlacement&) = delete;

    // Cancels any earlier run, then starts `work` on a copy of `sim`.
    void Start(const Simulation& sim, Work work, Done done);
    // The running work stops at its next question, and its result is dropped.
    void Cancel();
    bool Busy() const { return job_ != nullptr; }

  signals:
    // After `done` ran, or after a cancel; tests wait for it.
    void Finished();

  private:
    struct Job {
        std::unique_ptr<Simulation> sim;
        std::atomic<bool> cancelled{false};
        bool ok = false;
        Done done;
    };
    void Deliver(const std::shared_ptr<Job>& job);
    void Join();

    std::shared_ptr<Job> job_;
    std::thread worker_;
};
