// Start, pause and resume, restart, parameters and the way back to the menu, on a clock driven
// by hand; the frame step is called directly where a test needs a frame.
#include <QCheckBox>
#include <QRadioButton>
#include <QSlider>

#include "FormTest.h"
#include "engine/Modes.h"

namespace {

bool SamePositions(const SimulationState& a, const SimulationState& b, int count) {
    for (int i = 1; i <= count; ++i) {
        if (a.PosX[i] != b.PosX[i] || a.PosY[i] != b.PosY[i]) return false;
    }
    return true;
}

}  // namespace

class RunControl : public FormTest {
  protected:
    SimulationState& S() { return form->Sim().S; }
    void Tick() { form->DXTimer1Timer(1); }
    // The diffusion running from the panel's values.
    void StartDiffusion() {
        OpenDiffusionPanel();
        Click("BitBtn3");
        ASSERT_TRUE(form->Timer().Enabled());
    }
};

TEST_F(RunControl, RunButtonInitialisesTheDiffusionAndOpensThePanel) {
    Click("BitBtn8");
    Click("Label11");
    Spin("SpinEdit1")->SetValue(40);
    Click("BitBtn5");
    EXPECT_EQ(S().SimulationMode, kModeDiffusion);
    EXPECT_EQ(S().ParticleCount, 40);
    EXPECT_EQ(S().InitOk, 1);
    EXPECT_TRUE(Shown("Panel2"));
    EXPECT_FALSE(Shown("Panel1"));
    EXPECT_FALSE(form->Timer().Enabled());
    // The panel now covers the tool buttons.
    QWidget* top = form->Stage()->childAt(W("BitBtn7")->geometry().center());
    EXPECT_TRUE(W("Panel2")->isAncestorOf(top) || top == W("Panel2"));
}

TEST_F(RunControl, StartReadsThePanelStartsTheClockAndHidesThePanel) {
    OpenDiffusionPanel();
    Spin("SpinEdit1")->SetValue(120);
    Spin("SpinEdit2")->SetValue(300);
    Spin("SpinEdit3")->SetValue(200);
    Spin("SpinEdit4")->SetValue(70);
    W<QRadioButton>("RadioButton4")->setChecked(true);
    clock.Advance(1234);
    Click("BitBtn3");
    EXPECT_EQ(S().ParticleCount, 120);
    EXPECT_EQ(S().VesselWidth, 300);
    EXPECT_EQ(S().VesselHeight, 200);
    EXPECT_EQ(S().ParticleSize, 5);
    EXPECT_EQ(form->Sim().C.MaxSpeed, 70);
    EXPECT_EQ(S().ClockStart, clock.MillisecondStamp());
    EXPECT_TRUE(form->Timer().Enabled());
    EXPECT_FALSE(Shown("Panel2"));
    EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(RunControl, ATooSmallCollisionLimitStopsTheStartInEveryMode) {
    OpenDiffusionPanel();  // the limit's box is hidden here
    Spin("SpinEdit6")->SetValue(99);
    const int64_t startBefore = S().ClockStart;
    clock.Advance(500);
    Click("BitBtn3");
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].title, QStringLiteral("Bład"));
    EXPECT_EQ(recorder.messages[0].text,
              QStringLiteral("Nieprawidłowa wartość! Minimalna liczba zderzeń: 100"));
    EXPECT_EQ(Spin("SpinEdit6")->Value(), 100);
    EXPECT_EQ(S().ClockStart, startBefore);
    EXPECT_FALSE(form->Timer().Enabled());
    EXPECT_TRUE(Shown("Panel2"));

    Click("BitBtn3");  // 100 is enough
    EXPECT_EQ(recorder.messages.size(), 1u);
    EXPECT_TRUE(form->Timer().Enabled());
}

TEST_F(RunControl, FailedPlacementKeepsThePanelOpenWithItsValues) {
    OpenDiffusionPanel();
    Spin("SpinEdit1")->SetValue(1500);
    Spin("SpinEdit2")->SetValue(100);
    Spin("SpinEdit3")->SetValue(100);
    W<QRadioButton>("RadioButton9")->setChecked(true);
    Click("BitBtn3");
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].kind, MessageKind::Information);
    EXPECT_EQ(recorder.messages[0].text, QStringLiteral("Zmniejsz liczbę cząsteczek gazu"));
    EXPECT_EQ(S().InitOk, 0);
    EXPECT_FALSE(form->Timer().Enabled());
    EXPECT_TRUE(Shown("Panel2"));
    EXPECT_EQ(Spin("SpinEdit1")->Text(), QStringLiteral("1500"));

    Spin("SpinEdit1")->SetValue(10);
    Spin("SpinEdit2")->SetValue(400);
    Spin("SpinEdit3")->SetValue(400);
    Click("BitBtn3");
    EXPECT_EQ(S().InitOk, 1);
    EXPECT_TRUE(form->Timer().Enabled());
}

TEST_F(RunControl, StartTwiceGivesTwoFreshInitialisations) {
    StartDiffusion();
    const SimulationState first = S();
    Click("BitBtn18");
    EXPECT_TRUE(Shown("Panel2"));
    EXPECT_FALSE(form->Timer().Enabled());
    clock.Advance(3000);
    Click("BitBtn3");
    EXPECT_FALSE(SamePositions(first, S(), S().ParticleCount));
    EXPECT_EQ(S().ClockStart, clock.MillisecondStamp());
    EXPECT_EQ(S().PausedTotal, 0);
}

TEST_F(RunControl, PauseAndResumeLeaveThePausedTimeOut) {
    StartDiffusion();
    clock.Advance(2500);
    Tick();
    EXPECT_EQ(ElapsedSeconds(S()), 2);

    Click("BitBtn6");
    EXPECT_FALSE(form->Timer().Enabled());
    EXPECT_EQ(Hint("BitBtn6"), QStringLiteral("Wznów"));
    EXPECT_EQ(S().PauseStart, clock.MillisecondStamp());
    clock.Advance(5000);
    Click("BitBtn6");
    EXPECT_TRUE(form->Timer().Enabled());
    EXPECT_EQ(Hint("BitBtn6"), QStringLiteral("Pauza"));
    EXPECT_EQ(S().PausedTotal, 5000);

    clock.Advance(1000);
    Tick();
    EXPECT_EQ(ElapsedSeconds(S()), 3);  // no five-second jump

    Click("BitBtn6");
    clock.Advance(2000);
    Click("BitBtn6");
    EXPECT_EQ(S().PausedTotal, 7000);  // both pauses
}

TEST_F(RunControl, RestartWhileRunningGoesOnAtOnceFromANewStart) {
    StartDiffusion();
    clock.Advance(4000);
    Tick();
    const SimulationState before = S();
    Click("BitBtn7");
    EXPECT_TRUE(form->Timer().Enabled());
    EXPECT_EQ(S().ClockStart, clock.MillisecondStamp());
    EXPECT_FALSE(SamePositions(before, S(), S().ParticleCount));
    clock.Advance(1500);
    Tick();
    EXPECT_EQ(ElapsedSeconds(S()), 1);
}

TEST_F(RunControl, RestartWhilePausedStaysPausedAndCountsFromZeroAfterResume) {
    StartDiffusion();
    clock.Advance(3000);
    Tick();
    Click("BitBtn6");
    const QImage frozen = form->DrawingSurface().Front().copy();
    clock.Advance(2000);
    Click("BitBtn7");
    EXPECT_FALSE(form->Timer().Enabled());
    EXPECT_EQ(Hint("BitBtn6"), QStringLiteral("Wznów"));
    EXPECT_EQ(form->DrawingSurface().Front(), frozen);

    clock.Advance(4000);
    Click("BitBtn6");
    clock.Advance(1500);
    Tick();
    EXPECT_EQ(ElapsedSeconds(S()), 1);
}

TEST_F(RunControl, ExitStopsTheRunAndShowsTheMenuWithItsPaneStillOpen) {
    StartDiffusion();
    W("Panel8")->show();
    W("Button2")->show();
    W("Panel11")->show();
    Click("BitBtn1");
    EXPECT_FALSE(form->Timer().Enabled());
    EXPECT_TRUE(Shown("Panel1"));
    EXPECT_TRUE(Shown("Panel3"));
    EXPECT_TRUE(Shown("ScrollBox1"));
    for (const char* name : {"Panel8", "Button2", "Panel11"})
        EXPECT_FALSE(Shown(name)) << name;
}

TEST_F(RunControl, StartOffersThePauseAgainAfterARunLeftPaused) {
    StartDiffusion();
    Click("BitBtn6");
    Click("BitBtn18");
    Click("BitBtn3");
    EXPECT_TRUE(form->Timer().Enabled());
    EXPECT_EQ(Hint("BitBtn6"), QStringLiteral("Pauza"));
}

TEST_F(RunControl, EveryFrameSeesTheControlsAsTheyAreNow) {
    StartDiffusion();
    form->Timer().SetEnabled(false);  // frames by hand only
    SetSpinText("SpinEdit4", QStringLiteral("80"));
    W<QSlider>("TrackBar3")->setValue(6);
    Tick();
    EXPECT_EQ(form->Sim().C.MaxSpeed, 80);
    EXPECT_EQ(form->Sim().C.ParticleMass, 6);
    EXPECT_EQ(S().ClockNow, clock.MillisecondStamp());
}

TEST_F(RunControl, FramesAreDrawnWhileTheTimerRuns) {
    StartDiffusion();
    const int64_t now = clock.MillisecondStamp();
    clock.Advance(1);
    QTest::qWait(300);
    EXPECT_EQ(S().ClockNow, now + 1);
    // The vessel's wall, in the middle of its top edge.
    const QImage& shown = form->DrawingSurface().Front();
    EXPECT_EQ(shown.pixel(370, S().VesselTop - 3) & 0xFFFFFFu, 0x0089BDu);
    Click("BitBtn6");
    clock.Advance(1);
    QTest::qWait(100);
    EXPECT_EQ(S().ClockNow, now + 1);  // no frame while paused
}

TEST_F(RunControl, FreePathRunPausesItselfAtTheCollisionLimitWhenAsked) {
    OpenDiffusionPanel();
    Spin("SpinEdit1")->SetValue(50);
    form->SyncControls();
    InitFreePath(form->Sim());
    Click("BitBtn3");
    ASSERT_EQ(S().SimulationMode, kModeFreePath);
    ASSERT_TRUE(form->Timer().Enabled());
    form->Timer().SetEnabled(false);
    form->Timer().SetEnabled(true);

    auto* stop = form->findChild<QCheckBox*>(QStringLiteral("CheckBox2"));
    ASSERT_NE(stop, nullptr);
    stop->setChecked(false);
    S().PathCount = 301;  // past the limit of 300
    Tick();
    EXPECT_TRUE(form->Timer().Enabled());

    stop->setChecked(true);
    Tick();
    EXPECT_FALSE(form->Timer().Enabled());
    EXPECT_EQ(Hint("BitBtn6"), QStringLiteral("Wznów"));
    EXPECT_EQ(S().PauseStart, clock.MillisecondStamp());
}
