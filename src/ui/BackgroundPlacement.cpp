#include "ui/BackgroundPlacement.h"

#include <QMetaObject>

BackgroundPlacement::BackgroundPlacement(QObject* parent) : QObject(parent) {}

BackgroundPlacement::~BackgroundPlacement() {
    if (job_) job_->cancelled = true;
    Join();
}

void BackgroundPlacement::Join() {
    if (worker_.joinable()) worker_.join();
}

void BackgroundPlacement::Start(const Simulation& sim, Work work, Done done) {
    Cancel();
    Join();
    auto job = std::make_shared<Job>();
    job->sim = std::make_unique<Simulation>(sim);
    job->done = std::move(done);
    job_ = job;
    worker_ = std::thread([this, job, work = std::move(work)] {
        job->ok = work(*job->sim, [&job] { return !job->cancelled.load(); });
        // Queued to this object: dropped with it if the window is gone by then.
        QMetaObject::invokeMethod(
            this, [this, job] { Deliver(job); }, Qt::QueuedConnection);
    });
}

void BackgroundPlacement::Cancel() {
    if (!job_) return;
    job_->cancelled = true;
    job_.reset();
    emit Finished();
}

void BackgroundPlacement::Deliver(const std::shared_ptr<Job>& job) {
    // A run cancelled or replaced meanwhile has already been answered.
    if (job != job_ || job->cancelled) return;
    Join();
    job_.reset();
    job->done(*job->sim, job->ok);
    emit Finished();
}
