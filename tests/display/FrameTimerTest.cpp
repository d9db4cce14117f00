#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>
#include <ctime>

#include "display/FrameTimer.h"

namespace {

double ProcessCpuMs() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return ts.tv_sec * 1000.0 + ts.tv_nsec / 1e6;
}

}  // namespace

TEST(FrameTimer, TicksOncePerRefreshWithoutSpinning) {
    FrameTimer timer;
    timer.SetTickRate(60.0);
    timer.SetApplicationActive(true);
    int ticks = 0;
    timer.SetHandler([&](int lag) {
        ++ticks;
        EXPECT_GE(lag, 1);
    });
    EXPECT_FALSE(timer.Enabled());
    QTest::qWait(100);
    EXPECT_EQ(ticks, 0);  // off until enabled

    timer.SetEnabled(true);
    const double cpuBefore = ProcessCpuMs();
    QTest::qWait(1000);
    const double cpu = ProcessCpuMs() - cpuBefore;
    timer.SetEnabled(false);
    EXPECT_GE(ticks, 30);  // a loaded machine may drop some
    EXPECT_LE(ticks, 62);
    EXPECT_LT(cpu, 500.0);  // an idle loop would burn the whole second

    const int stopped = ticks;
    QTest::qWait(100);
    EXPECT_EQ(ticks, stopped);
}

TEST(FrameTimer, NoTicksWhileInactiveAndNoBurstAfter) {
    FrameTimer timer;
    timer.SetTickRate(60.0);
    timer.SetApplicationActive(true);
    int ticks = 0;
    timer.SetHandler([&](int) { ++ticks; });
    timer.SetEnabled(true);
    QTest::qWait(200);
    timer.SetApplicationActive(false);
    const int before = ticks;
    QTest::qWait(300);
    EXPECT_EQ(ticks, before);
    EXPECT_TRUE(timer.Enabled());

    timer.SetApplicationActive(true);
    QTest::qWait(60);
    // 60 ms after coming back: about 3 ticks, not the 18 missed ones.
    EXPECT_LE(ticks - before, 5);
    EXPECT_GE(ticks - before, 1);
    EXPECT_GE(timer.LastLagCount(), 1);
}

TEST(FrameTimer, ASlowFrameDoesNotCauseACatchUpBurst) {
    FrameTimer timer;
    timer.SetTickRate(60.0);
    timer.SetApplicationActive(true);
    std::vector<qint64> times;
    qint64 slowEnd = -1;
    QElapsedTimer clock;
    clock.start();
    timer.SetHandler([&](int) {
        times.push_back(clock.elapsed());
        if (times.size() == 3) {
            QElapsedTimer busy;
            busy.start();
            while (busy.elapsed() < 120) {
            }
            slowEnd = clock.elapsed();
        }
    });
    timer.SetEnabled(true);
    QTest::qWait(400);
    timer.SetEnabled(false);
    ASSERT_GE(slowEnd, 0);
    // Catching up would fire the seven missed ticks at once; pacing allows about three in 50 ms.
    int soonAfter = 0;
    for (qint64 t : times) {
        if (t >= slowEnd && t <= slowEnd + 50) ++soonAfter;
    }
    EXPECT_LE(soonAfter, 4);
    EXPECT_GE(soonAfter, 1);
}
