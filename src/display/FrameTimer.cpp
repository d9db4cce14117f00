#include "display/FrameTimer.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

FrameTimer::FrameTimer(QObject* parent) : QObject(parent) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &FrameTimer::Fire);
    clock_.start();

    double rate = 60.0;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        if (screen->refreshRate() >= 20.0 && screen->refreshRate() <= 500.0) {
            rate = screen->refreshRate();
        }
    }
    SetTickRate(rate);

    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        active_ = app->applicationState() == Qt::ApplicationActive;
}

void FrameTimer::SetTickRate(double ticksPerSecond) {
    period_ = 1000.0 / ticksPerSecond;
    if (timer_.isActive()) Arm(true);
}

void FrameTimer::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    if (enabled_) {
        hasTicked_ = false;
        Arm(true);
    } else {
        timer_.stop();
    }
}

void FrameTimer::SetApplicationActive(bool active) {
    if (active == active_) return;
    active_ = active;
    if (!active_) {
        timer_.stop();
    } else if (enabled_) {
        Arm(true);
    }
}

void FrameTimer::Arm(bool fromNow) {
    if (!enabled_ || !active_) return;
    const double now = static_cast<double>(clock_.nsecsElapsed()) / 1e6;
    if (fromNow) {
        deadline_ = now + period_;
    } else {
        deadline_ += period_;
        // Behind schedule: skip to the next deadline ahead rather than catch up.
        if (deadline_ <= now) deadline_ += std::ceil((now - deadline_) / period_ + 1e-9) * period_;
    }
    timer_.start(std::max(0, static_cast<int>(std::lround(deadline_ - now))));
}

void FrameTimer::Fire() {
    if (!enabled_ || !active_) return;
    const qint64 now = clock_.elapsed();
    lastLag_ = hasTicked_ ? std::max<qint64>(1, now - lastTick_) : 1;
    hasTicked_ = true;
    lastTick_ = now;

    ++frameCount_;
    if (now - countStart_ >= 1000) {
        measuredRate_ = static_cast<int>(std::lround(frameCount_ * 1000.0 / (now - countStart_)));
        frameCount_ = 0;
        countStart_ = now;
    }

    if (handler_) handler_(lastLag_);
    Arm(false);
}
