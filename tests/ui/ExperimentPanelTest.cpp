// The experiment panel's track bars acting on a running temperature or pressure experiment.
#include <QSlider>
#include <vector>

#include "FormTest.h"
#include "engine/Experiment.h"
#include "engine/Modes.h"
#include "ui/texts/PolishTexts.h"

// Failures show the texts, not their bytes.
static void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace {

std::vector<double> Places(const SimulationState& s) {
    std::vector<double> out;
    for (int i = 1; i <= kMaxParticles; ++i) {
        out.push_back(s.PosX[i]);
        out.push_back(s.PosY[i]);
    }
    return out;
}

bool InsideVessel(const SimulationState& s) {
    for (int i = 1; i <= s.ParticleCount; ++i) {
        if (s.PosX[i] < s.VesselLeft || s.PosX[i] > s.VesselLeft + s.VesselWidth - s.ParticleSize ||
            s.PosY[i] < s.VesselTop || s.PosY[i] > s.VesselTop + s.VesselHeight - s.ParticleSize)
            return false;
    }
    return true;
}

}  // namespace

class ExperimentPanel : public FormTest {
  protected:
    SimulationState& S() { return form->Sim().S; }
    QSlider* Bar(const char* name) { return W<QSlider>(name); }
    QString Caption(const char* name) { return W<QLabel>(name)->text(); }
    void Start(const char* topic, const char* link, const char* run) {
        Click(topic);
        Click(link);
        Click(run);
        ASSERT_TRUE(Shown("Panel8"));
    }
    void StartTemperature() { Start("BitBtn12", "Label46", "BitBtn32"); }
    void StartPressure() { Start("BitBtn16", "Label64", "BitBtn15"); }
};

TEST_F(ExperimentPanel, CountAndSpeedRenewTheGasAndRestartTheClockInBothExperiments) {
    for (bool pressure : {false, true}) {
        SCOPED_TRACE(pressure ? "pressure" : "temperature");
        pressure ? StartPressure() : StartTemperature();
        const Mode mode = pressure ? kModePressure : kModeTemperature;
        clock.Advance(4000);
        const auto before = Places(S());
        // Three steps of the arrow key: three fresh gases, the last with 103 particles more.
        const int count = S().ParticleCount;
        for (int step = 1; step <= 3; ++step) {
            clock.Advance(100);
            QTest::keyClick(Bar("TrackBar1"), Qt::Key_Right);
            EXPECT_EQ(S().ParticleCount, count + step);
            EXPECT_EQ(S().ClockStart, clock.MillisecondStamp());
        }
        EXPECT_EQ(S().SimulationMode, mode);
        EXPECT_NE(Places(S()), before);
        EXPECT_EQ(Caption("Label49"), QStringLiteral("Liczba cząsteczek: %1").arg(count + 3));
        EXPECT_TRUE(form->Timer().Enabled());

        const double speed = S().MeanSpeed;
        clock.Advance(2500);
        Bar("TrackBar2")->setValue(8);
        EXPECT_EQ(S().ClockStart, clock.MillisecondStamp());
        EXPECT_GT(S().MeanSpeed, 2 * speed);  // eight times the factor, on fresh velocities
        EXPECT_EQ(Caption("Label59"),
                  QString::fromStdString(
                      WordCaptions(form->Sim().Captions, PolishSurfaceTexts()).MeanSpeed));
        Bar("TrackBar2")->setValue(1);
        Click("BitBtn1");
    }
    EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(ExperimentPanel, MassChangesTheGaugeFromTheNextFrameWithoutARestart) {
    StartTemperature();
    clock.Advance(2000);
    const int64_t started = S().ClockStart;
    const auto places = Places(S());
    const double mass = S().GasMass;
    Bar("TrackBar3")->setValue(2);
    EXPECT_DOUBLE_EQ(S().GasMass, 2 * mass);
    EXPECT_EQ(Caption("Label60"), QStringLiteral("Masa cząsteczki gazu: 2 u"));
    EXPECT_EQ(S().ClockStart, started);
    EXPECT_EQ(Places(S()), places);
    form->DXTimer1Timer(1);
    EXPECT_DOUBLE_EQ(S().GasTemperature, KineticTemperature(S().GasMass, S().MeanSpeed));
}

TEST_F(ExperimentPanel, ShrinkingTheVesselPlacesTheGasInsideAndGrowingKeepsIt) {
    Bar("TrackBar4")->setValue(650);
    StartPressure();
    ASSERT_EQ(S().VesselWidth, 650);
    Bar("TrackBar1")->setValue(500);
    clock.Advance(3000);
    const int64_t started = S().ClockStart;
    const double vx = S().VelX[17];

    Bar("TrackBar4")->setValue(400);
    EXPECT_EQ(S().VesselWidth, 400);
    EXPECT_EQ(S().VesselHeight, 400);
    EXPECT_EQ(S().VesselLeft, 170);
    EXPECT_TRUE(InsideVessel(S()));
    EXPECT_EQ(S().ClockStart, started);
    EXPECT_EQ(S().VelX[17], vx);
    EXPECT_EQ(Caption("Label61"), QStringLiteral("Szerokość naczynia: 400 jedn."));

    const auto places = Places(S());
    Bar("TrackBar4")->setValue(600);
    EXPECT_EQ(S().VesselLeft, 70);
    EXPECT_EQ(Places(S()), places);
    EXPECT_EQ(Caption("Label61"), QStringLiteral("Szerokość naczynia: 600 jedn."));
    EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(ExperimentPanel, AVesselTooSmallForTheGasKeepsTheOldSideAndSaysSo) {
    Bar("TrackBar4")->setValue(650);
    StartPressure();
    // A gas of large particles that fills the big vessel: the small one cannot hold it.
    SimulationState& s = S();
    s.ParticleSize = 20;
    s.ParticleCount = 500;
    for (int i = 1; i <= kMaxParticles; ++i) {
        const int cell = (i - 1) % 900;
        s.PosX[i] = 45 + 21 * (cell % 30);
        s.PosY[i] = 45 + 21 * (cell / 30);
    }
    const auto places = Places(s);

    Bar("TrackBar4")->setValue(400);
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].text,
              QStringLiteral("W naczyniu o szerokości 400 jedn. nie zmieszczą się wszystkie "
                             "cząsteczki gazu. Szerokość naczynia pozostaje równa 650 jedn."));
    EXPECT_EQ(Bar("TrackBar4")->value(), 650);
    EXPECT_EQ(form->Sim().C.VesselSide, 650);
    EXPECT_EQ(s.VesselWidth, 650);
    EXPECT_EQ(s.VesselLeft, 45);
    EXPECT_EQ(Places(s), places);
    EXPECT_EQ(Caption("Label61"), QStringLiteral("Szerokość naczynia: 650 jedn."));
}

TEST_F(ExperimentPanel, ACountChangedDuringAPauseCountsTheTimeFromTheResume) {
    StartPressure();
    clock.Advance(5000);
    Click("BitBtn6");
    clock.Advance(2000);
    Bar("TrackBar1")->setValue(200);
    EXPECT_FALSE(form->Timer().Enabled());
    EXPECT_EQ(Hint("BitBtn6"), QStringLiteral("Wznów"));
    clock.Advance(7000);
    Click("BitBtn6");
    clock.Advance(1500);
    form->DXTimer1Timer(1);
    EXPECT_EQ(ElapsedSeconds(S()), 1);
}
