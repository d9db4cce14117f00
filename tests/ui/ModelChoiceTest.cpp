// The teacher's choice of gas model and speed histogram, on both panels.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <QTest>

#include "FormTest.h"

namespace {

class ModelChoiceForm : public FormTest {
  protected:
    SimulationState& S() { return form->Sim().S; }
};

TEST_F(ModelChoiceForm, StartsOnTheDescribedModelAndBothPanelsShowOneChoice) {
    EXPECT_EQ(form->Sim().Model, GasModel::Described);
    EXPECT_FALSE(form->Sim().ShowSpeedHistogram);
    EXPECT_TRUE(W<QRadioButton>("ConditionsModelDescribed")->isChecked());
    EXPECT_TRUE(W<QRadioButton>("Panel8ModelChoiceDescribed")->isChecked());

    OpenDiffusionPanel();
    Click("ConditionsModelExact");
    Click("ConditionsModelHistogram");
    EXPECT_EQ(form->Sim().Model, GasModel::Exact);
    EXPECT_TRUE(form->Sim().ShowSpeedHistogram);
    EXPECT_TRUE(W<QRadioButton>("Panel8ModelChoiceExact")->isChecked());
    EXPECT_TRUE(W<QCheckBox>("Panel8ModelChoiceHistogram")->isChecked());
    // The panel still waits for Start; nothing has run.
    EXPECT_FALSE(form->Timer().Enabled());

    // Start runs on it, and it stays for the next exercise.
    Click("BitBtn3");
    for (int tick = 0; tick < 30; ++tick) {
        clock.Advance(16);
        form->DXTimer1Timer(1);
    }
    EXPECT_GT(form->Sim().Exact.Totals().Collisions, 0);
    Click("BitBtn1");
    Click("BitBtn12");
    Click("Label46");
    Click("BitBtn32");
    EXPECT_EQ(form->Sim().Model, GasModel::Exact);
    EXPECT_TRUE(Shown("Panel8Model"));
    Click("BitBtn1");
    EXPECT_FALSE(Shown("Panel8Model"));
}

TEST_F(ModelChoiceForm, SwitchingDuringAnExperimentStartsItAgainWithItsSettings) {
    Click("BitBtn12");
    Click("Label46");
    Click("BitBtn32");
    ASSERT_TRUE(Shown("Panel8"));
    ASSERT_TRUE(Shown("Panel8Model"));
    W<QSlider>("TrackBar1")->setValue(200);
    clock.Advance(5000);
    const int64_t before = S().ClockStart;
    Click("Panel8ModelChoiceExact");
    EXPECT_EQ(form->Sim().Model, GasModel::Exact);
    EXPECT_TRUE(W<QRadioButton>("ConditionsModelExact")->isChecked());
    EXPECT_GT(S().ClockStart, before);
    EXPECT_EQ(S().ClockStart, clock.MillisecondStamp());
    EXPECT_EQ(S().ParticleCount, 200);
    // The histogram alone changes the picture, not the run.
    clock.Advance(1000);
    Click("Panel8ModelChoiceHistogram");
    EXPECT_TRUE(form->Sim().ShowSpeedHistogram);
    EXPECT_EQ(S().ClockStart, clock.MillisecondStamp() - 1000);
    // Back to the described model, again from the start.
    Click("Panel8ModelChoiceDescribed");
    EXPECT_EQ(form->Sim().Model, GasModel::Described);
    EXPECT_EQ(S().ClockStart, clock.MillisecondStamp());
    EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(ModelChoiceForm, HeatTransportHasItsOwnSwitchThatStartsItsRunAgain) {
    EXPECT_FALSE(Shown("HeatModel"));
    Click("BitBtn17");
    Click("Label69");
    Click("BitBtn34");
    ASSERT_TRUE(QTest::qWaitFor([this] { return !form->HeatPlacement().Busy(); }, 60'000));
    ASSERT_TRUE(Shown("HeatModel"));
    // No histogram has room beside the heat transport's vessels.
    EXPECT_TRUE(W<QCheckBox>("HeatModelChoiceHistogram")->isHidden());
    clock.Advance(3000);
    const int64_t before = S().ClockStart;
    Click("HeatModelChoiceExact");
    ASSERT_TRUE(QTest::qWaitFor([this] { return !form->HeatPlacement().Busy(); }, 60'000));
    EXPECT_EQ(form->Sim().Model, GasModel::Exact);
    EXPECT_TRUE(W<QRadioButton>("Panel8ModelChoiceExact")->isChecked());
    EXPECT_EQ(S().SimulationMode, kModeHeatTransport);
    EXPECT_GT(S().ClockStart, before);
    for (int tick = 0; tick < 30; ++tick) {
        clock.Advance(16);
        form->DXTimer1Timer(1);
    }
    EXPECT_GT(form->Sim().Exact.Totals().Collisions, 0);
    // Back on the menu the switch goes with the run.
    Click("BitBtn1");
    EXPECT_FALSE(Shown("HeatModel"));
    EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(ModelChoiceForm, UnderTheStudyTableTheExactModelSaysWhichLawItShows) {
    Click("BitBtn12");
    Click("Label47");  // the temperature against the number of particles
    Click("BitBtn13");
    ASSERT_TRUE(Shown("Panel11"));
    EXPECT_FALSE(Shown("ExactStudyNote"));
    Click("Panel8ModelChoiceExact");
    ASSERT_TRUE(Shown("ExactStudyNote"));
    EXPECT_TRUE(
        W<QLabel>("ExactStudyNote")->text().contains(QStringLiteral("nie zależy od liczby")));
    const QString temperature = W<QLabel>("ExactStudyNote")->text();
    // Another study on the same model has its own note.
    Click("BitBtn1");
    Click("BitBtn12");
    Click("Label65");  // against the mean speed
    Click("BitBtn13");
    EXPECT_TRUE(Shown("ExactStudyNote"));
    EXPECT_NE(W<QLabel>("ExactStudyNote")->text(), temperature);
    Click("Panel8ModelChoiceDescribed");
    EXPECT_FALSE(Shown("ExactStudyNote"));
}

}  // namespace
