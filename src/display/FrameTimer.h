#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>

// The frame timer: one tick per display refresh while enabled and while the program is the
// active application. A single-shot precise timer is re-armed to the next refresh deadline, so
// nothing spins; after a stall (a slow frame, a time in the background) it goes on from the next
// deadline instead of ticking to catch up.
class FrameTimer : public QObject {
    Q_OBJECT
  public:
    explicit FrameTimer(QObject* parent = nullptr);

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    // DXTimer1Timer: called on each tick with the whole milliseconds since the last tick (>= 1).
    void SetHandler(std::function<void(int lagCount)> handler) { handler_ = std::move(handler); }

    // Ticks per second aimed at: the screen's refresh rate, 60 where the platform gives none.
    double TickRate() const { return 1000.0 / period_; }
    void SetTickRate(double ticksPerSecond);
    // Frames per second measured over the last whole second (not shown by the program).
    int MeasuredRate() const { return measuredRate_; }
    int LastLagCount() const { return lastLag_; }

    // Whether the program is the active application, as the window learns it; it starts with the
    // state at its creation.
    void SetApplicationActive(bool active);
    bool ApplicationActive() const { return active_; }

  private:
    void Arm(bool fromNow);
    void Fire();

    QTimer timer_;
    QElapsedTimer clock_;
    std::function<void(int)> handler_;
    bool enabled_ = false;
    bool active_ = true;
    bool hasTicked_ = false;
    double period_ = 1000.0 / 60.0;
    double deadline_ = 0.0;
    qint64 lastTick_ = 0;
    qint64 countStart_ = 0;
    int frameCount_ = 0;
    int measuredRate_ = 0;
    int lastLag_ = 0;
};
