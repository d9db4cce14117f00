// The experiment panel's binding: its track bars reach the running experiment, its captions show
// what the core wrote, and a side the core refuses puts the track bar back. The rules are tested
// in the core.
#include <QSlider>

#include "FormTest.h"
#include "engine/Modes.h"

class ExperimentPanel : public FormTest {
  protected:
    SimulationState& S() { return form->Sim().S; }
    QSlider* Bar(const char* name) { return W<QSlider>(name); }
    QString Caption(const char* name) { return W<QLabel>(name)->text(); }
};

TEST_F(ExperimentPanel, TrackBarsChangeTheRunningGasAndItsCaptions) {
    Click("BitBtn16");
    Click("Label64");
    Click("BitBtn15");
    ASSERT_TRUE(Shown("Panel8"));
    // Three steps of the arrow key: three fresh gases, the last with 3 particles more.
    const int count = S().ParticleCount;
    for (int step = 1; step <= 3; ++step) {
        clock.Advance(100);
        QTest::keyClick(Bar("TrackBar1"), Qt::Key_Right);
        EXPECT_EQ(S().ParticleCount, count + step);
        EXPECT_EQ(S().ClockStart, clock.MillisecondStamp());
    }
    EXPECT_EQ(Caption("Label49"), QStringLiteral("Liczba cząsteczek: %1").arg(count + 3));
    Bar("TrackBar3")->setValue(2);
    EXPECT_EQ(Caption("Label60"), QStringLiteral("Masa cząsteczki gazu: 2 u"));
    Bar("TrackBar4")->setValue(600);
    EXPECT_EQ(Caption("Label61"), QStringLiteral("Szerokość naczynia: 600 jedn."));
    EXPECT_TRUE(recorder.messages.empty());

    // A vessel too small for the gas: the track bar goes back to the side kept.
    S().ParticleSize = 20;
    S().ParticleCount = 500;
    for (int i = 1; i <= kMaxParticles; ++i) {
        S().PosX[i] = 70 + 21 * ((i - 1) % 900 % 27);
        S().PosY[i] = 70 + 21 * ((i - 1) % 900 / 27);
    }
    Bar("TrackBar4")->setValue(400);
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].text,
              QStringLiteral("W naczyniu o szerokości 400 jedn. nie zmieszczą się wszystkie "
                             "cząsteczki gazu. Szerokość naczynia pozostaje równa 600 jedn."));
    EXPECT_EQ(Bar("TrackBar4")->value(), 600);
    EXPECT_EQ(Caption("Label61"), QStringLiteral("Szerokość naczynia: 600 jedn."));
}
