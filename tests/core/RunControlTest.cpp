// The run control without any window: a front-end that records what it is asked, a clock
// driven by hand, and the frames drawn on a canvas that keeps nothing.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "core/RunControl.h"
#include "core/RunTexts.h"
#include "engine/Canvas.h"
#include "engine/Clock.h"
#include "engine/Modes.h"
#include "engine/NumberFormat.h"
#include "ui/texts/PolishTexts.h"

namespace {

class RecordingFrontEnd final : public FrontEnd {
  public:
    void Tell(const Message& m) override {
        std::string text = m.Text;
        for (int arg : m.Args)
            text += ' ' + std::to_string(arg);
        told.push_back(text);
    }
    void ClearPicture() override { ++clears; }
    void StartPlacement(const Simulation& sim, uint64_t t, int n, int ms) override {
        placing = std::make_unique<Simulation>(sim);
        ticket = t;
        tries = n;
        milliseconds = ms;
    }
    void CancelPlacement() override {
        placing.reset();
        ++cancels;
    }

    std::vector<std::string> told;
    int clears = 0;
    int cancels = 0;
    std::unique_ptr<Simulation> placing;
    uint64_t ticket = 0;
    int tries = 0;
    int milliseconds = 0;
};

bool SamePlaces(const SimulationState& a, const SimulationState& b) {
    for (int i = 1; i <= a.ParticleCount; ++i) {
        if (a.PosX[i] != b.PosX[i] || a.PosY[i] != b.PosY[i]) return false;
    }
    return true;
}

class Run : public ::testing::Test {
  protected:
    void SetUp() override { run.Sim().Rng.UseFixedSeeds(7); }

    const Screen& Shown() const { return run.Shown(); }
    SimulationState& S() { return run.Sim().S; }
    Phase Now() const { return run.CurrentPhase(); }
    // The exercise's page and its run button, as the pupil reaches them.
    void Open(const char* name) {
        ASSERT_TRUE(run.OpenExercise(name)) << name;
        run.Run(FindExercise(name)->Pane);
    }
    void Tick(int64_t ms = 16) {
        clock.Advance(ms);
        NullCanvas canvas;
        run.Tick(canvas, PolishSurfaceTexts());
    }
    // The front-end's part of the heat transport: the placement on its copy, handed back.
    void Place() {
        ASSERT_TRUE(ui.placing);
        Simulation copy = *ui.placing;
        const bool ok =
            RunControl::PlaceHeatTransport(copy, ui.tries, ui.milliseconds, [] { return true; });
        run.PlacementDone(ui.ticket, copy, ok);
    }

    ManualClock clock{5'000'000};
    RecordingFrontEnd ui;
    RunControl run{clock, ui};
};

TEST_F(Run, TopicsAndExercisesOpenTheirPagesAndSetUpThePanel) {
    EXPECT_EQ(Now(), Phase::Menu);
    EXPECT_FALSE(Shown().Topic);
    std::set<std::string_view> names;
    std::set<int> studies;
    for (const Exercise& e : Exercises()) {
        SCOPED_TRACE(e.Name);
        EXPECT_TRUE(names.insert(e.Name).second);
        EXPECT_EQ(FindExercise(e.Name), &e);
        if (e.Study >= 0) {
            EXPECT_TRUE(studies.insert(e.Study).second);
            const bool pressure = Studies()[static_cast<size_t>(e.Study)].Pressure;
            EXPECT_EQ(e.Topic, pressure ? TopicId::Pressure : TopicId::Temperature);
        }
        ASSERT_TRUE(run.OpenExercise(e.Name));
        EXPECT_EQ(Shown().Topic, e.Topic);
        EXPECT_TRUE(Shown().PaneShown(e.Pane));
        if (e.Hides) {
            EXPECT_FALSE(Shown().PaneShown(*e.Hides));
        }
        EXPECT_EQ(Shown().Picture, TopicOf(e.Topic).Picture);
        EXPECT_EQ(S().SimulationMode, 0) << "nothing runs yet";
    }
    EXPECT_EQ(names.size(), 16u);
    // Every topic page opens with an introduction of its own.
    std::set<std::string_view> introductions;
    for (const Topic& t : Topics())
        EXPECT_TRUE(introductions.insert(t.Introduction).second) << t.Title;
    EXPECT_EQ(studies.size(), Studies().size());
    EXPECT_FALSE(run.OpenExercise("nic"));

    // The chart exercise narrows the vessel; only the diffusion illustration and the topics
    // of the free path, the pressure and the heat transport widen it again.
    run.SettingChosen(Setting::VesselWidth, 700);
    run.OpenExercise("dyfuzja-wykres");
    EXPECT_EQ(Shown().WidestVessel, 600);
    EXPECT_EQ(run.Value(Setting::VesselWidth), 600);
    for (TopicId t : {TopicId::WallCollisions, TopicId::Temperature, TopicId::Diffusion}) {
        run.ChooseTopic(t);
        EXPECT_EQ(Shown().WidestVessel, 600);
    }
    EXPECT_TRUE(Shown().PaneShown(PaneId::DiffusionChart)) << "a pane stays open";
    run.OpenExercise("dyfuzja");
    EXPECT_EQ(Shown().WidestVessel, 700);
    EXPECT_EQ(run.Value(Setting::VesselWidth), 600);

    // The number of collisions belongs to the free-path study alone.
    run.OpenExercise("droga-swobodna-badanie");
    EXPECT_TRUE(Shown().CollisionLimit);
    run.OpenExercise("droga-swobodna");
    EXPECT_FALSE(Shown().CollisionLimit);
    run.OpenExercise("droga-swobodna-badanie");
    run.ChooseTopic(TopicId::WallCollisions);
    EXPECT_FALSE(Shown().CollisionLimit);
}

TEST_F(Run, APanelExerciseStartsPausesRestartsAndLeavesWithThePausesLeftOut) {
    Open("dyfuzja");
    EXPECT_EQ(Now(), Phase::SetUp);
    EXPECT_FALSE(Shown().Menu);
    EXPECT_EQ(S().SimulationMode, kModeDiffusion);
    EXPECT_EQ(ui.clears, 1);
    run.SettingTyped(Setting::Particles, "120");
    clock.Advance(1234);
    run.Start();
    EXPECT_EQ(Now(), Phase::Running);
    EXPECT_EQ(S().ParticleCount, 120);
    EXPECT_EQ(S().ClockStart, clock.MillisecondStamp());

    Tick(2500);
    EXPECT_EQ(ElapsedSeconds(S()), 2);
    run.WindowActive(false);  // frames wait while the window is away
    EXPECT_FALSE(Shown().FramesRun());
    run.WindowActive(true);
    EXPECT_TRUE(Shown().FramesRun());
    run.PauseOrResume();
    EXPECT_EQ(Now(), Phase::Paused);
    EXPECT_TRUE(Shown().OffersResume);
    clock.Advance(5000);
    run.PauseOrResume();
    EXPECT_FALSE(Shown().OffersResume);
    Tick(1000);
    EXPECT_EQ(ElapsedSeconds(S()), 3) << "no five-second jump";

    // Restarted while running it goes on at once; while paused it stays paused and counts
    // from the restart once resumed.
    const SimulationState before = S();
    run.Restart();
    EXPECT_EQ(Now(), Phase::Running);
    EXPECT_EQ(S().ClockStart, clock.MillisecondStamp());
    EXPECT_FALSE(SamePlaces(before, S()));
    run.PauseOrResume();
    clock.Advance(2000);
    run.Restart();
    EXPECT_EQ(Now(), Phase::Paused);
    clock.Advance(4000);
    run.PauseOrResume();
    Tick(1500);
    EXPECT_EQ(ElapsedSeconds(S()), 1);

    // The parameters stop the run; "Anuluj" (Esc) takes it up again, paused since the panel
    // opened, its time on the panel not counted.
    clock.Advance(2500);
    run.OpenParameters();
    EXPECT_EQ(Now(), Phase::SetUp);
    EXPECT_TRUE(Shown().BackToRun);
    clock.Advance(10000);
    EXPECT_TRUE(run.Escape());
    EXPECT_EQ(Now(), Phase::Paused);
    run.PauseOrResume();
    Tick(0);
    EXPECT_EQ(ElapsedSeconds(S()), 4);

    // Start from the parameters: a fresh gas and a fresh clock.
    run.OpenParameters();
    const SimulationState running = S();
    run.Start();
    EXPECT_FALSE(SamePlaces(running, S()));
    EXPECT_EQ(S().PausedTotal, 0);
    EXPECT_FALSE(Shown().OffersResume);

    run.LeaveToMenu();
    EXPECT_EQ(Now(), Phase::Menu);
    EXPECT_EQ(ui.clears, 2);
    EXPECT_FALSE(run.Escape()) << "nothing to leave at the menu";
    EXPECT_TRUE(ui.told.empty());
}

TEST_F(Run, StartRefusesTooFewCollisionsAndAGasThatFoundNoRoom) {
    Open("dyfuzja");
    run.SettingTyped(Setting::CollisionLimit, "99");  // checked in every mode
    run.Start();
    ASSERT_EQ(ui.told, std::vector<std::string>{run_texts::kTooFewCollisions});
    EXPECT_EQ(run.Value(Setting::CollisionLimit), 100);
    EXPECT_EQ(Now(), Phase::SetUp);
    run.Start();
    EXPECT_EQ(Now(), Phase::Running);
    run.LeaveToMenu();

    ui.told.clear();
    for (auto [setting, text] : {std::pair{Setting::Particles, "1500"},
                                 {Setting::VesselWidth, "100"},
                                 {Setting::VesselHeight, "100"}})
        run.SettingTyped(setting, text);
    run.SettingChosen(Setting::SizeChoice, 9);
    Open("zderzenia");
    EXPECT_EQ(S().InitOk, 0);
    run.Start();
    EXPECT_EQ(ui.told, std::vector<std::string>(2, run_texts::kTooManyParticles));
    EXPECT_EQ(Now(), Phase::SetUp) << "the panel stays open with its values";
    EXPECT_EQ(run.Value(Setting::Particles), 1500);
}

TEST_F(Run, SetUpBoxesTakeWhatTheyAcceptAndFallBackToTheirMinimum) {
    run.SettingTyped(Setting::Particles, "007");
    EXPECT_EQ(run.Value(Setting::Particles), 7);
    run.SettingTyped(Setting::Particles, "");
    EXPECT_EQ(run.Value(Setting::Particles), 1);
    EXPECT_TRUE(ui.told.empty());
    run.SettingTyped(Setting::Particles, "9x");
    run.SettingTyped(Setting::MaxSpeed, "0");  // 0 is its minimum
    run.SettingTyped(Setting::VesselWidth, "0");
    EXPECT_EQ(ui.told, std::vector<std::string>(2, run_texts::kInvalidValue));
    EXPECT_EQ(run.Value(Setting::Particles), 1);
    EXPECT_EQ(run.Value(Setting::VesselWidth), 100);
    run.SettingTyped(Setting::VesselWidth, "950");
    EXPECT_EQ(run.Value(Setting::VesselWidth), 700);
}

TEST_F(Run, AFreePathRunStopsItselfAtItsLimitWhenAsked) {
    Open("droga-swobodna-badanie");
    run.Start();
    run.SettingChosen(Setting::StopAtLimit, 0);
    S().PathCount = 302;  // past the limit of 300
    Tick();
    EXPECT_EQ(Now(), Phase::Running);
    run.SettingChosen(Setting::StopAtLimit, 1);
    Tick();
    EXPECT_EQ(Now(), Phase::StoppedAtLimit);
    EXPECT_TRUE(Shown().OffersResume);
    EXPECT_EQ(S().PauseStart, clock.MillisecondStamp());
    run.PauseOrResume();
    EXPECT_FALSE(Shown().StopNote);
}

TEST_F(Run, ExperimentsRunAtOnceAndTheirTrackBarsChangeTheGas) {
    for (const char* name : {"temperatura", "cisnienie"}) {
        SCOPED_TRACE(name);
        run.ParticleCountChanged(150);  // nothing runs: nothing happens
        run.VesselSideChanged(450);
        Open(name);
        EXPECT_EQ(Now(), Phase::Running);
        EXPECT_EQ(run.Value(Setting::SizeChoice), 4);
        EXPECT_EQ(S().ParticleCount, 150);
        EXPECT_EQ(S().VesselWidth, 450);
        EXPECT_TRUE(Shown().ExperimentPanel);
        EXPECT_FALSE(Shown().ParametersEnabled);
        EXPECT_EQ(Shown().PrintEnabled, std::string(name) == "cisnienie") << "no printout";
        EXPECT_TRUE(Shown().CountCaption && Shown().SideCaption);
        EXPECT_EQ(Shown().Captions.ParticleCount, 150);

        // Count and speed: a fresh gas and clock; mass and side keep both.
        clock.Advance(4000);
        run.ParticleCountChanged(160);
        EXPECT_EQ(S().ParticleCount, 160);
        EXPECT_EQ(S().ClockStart, clock.MillisecondStamp());
        const double speed = S().MeanSpeed;
        run.SpeedFactorChanged(8);
        EXPECT_GT(S().MeanSpeed, 2 * speed);
        clock.Advance(2000);
        const SimulationState gas = S();
        run.ParticleMassChanged(2);
        EXPECT_DOUBLE_EQ(S().GasMass, 2 * gas.GasMass);
        EXPECT_EQ(Shown().Captions.ParticleMass, 2);
        run.VesselSideChanged(650);
        EXPECT_EQ(S().VesselLeft, 45);
        EXPECT_TRUE(SamePlaces(gas, S()));
        EXPECT_EQ(S().ClockStart, gas.ClockStart);

        // During a pause the new gas stays paused and counts from the resume.
        run.PauseOrResume();
        clock.Advance(2000);
        run.ParticleCountChanged(200);
        EXPECT_EQ(Now(), Phase::Paused);
        clock.Advance(7000);
        run.PauseOrResume();
        Tick(1500);
        EXPECT_EQ(ElapsedSeconds(S()), 1);
        run.SpeedFactorChanged(1);
        run.ParticleMassChanged(1);
        run.LeaveToMenu();
        EXPECT_FALSE(Shown().ExperimentPanel);
        run.ChooseTopic(TopicId::Diffusion);
        EXPECT_TRUE(Shown().ParametersEnabled && Shown().PrintEnabled);
    }
    // A vessel too small for the gas keeps its side and says so.
    Open("cisnienie");
    S().ParticleSize = 20;
    S().ParticleCount = 500;
    for (int i = 1; i <= kMaxParticles; ++i) {
        S().PosX[i] = 45 + 21 * ((i - 1) % 900 % 30);
        S().PosY[i] = 45 + 21 * ((i - 1) % 900 / 30);
    }
    run.VesselSideChanged(400);
    EXPECT_EQ(ui.told.back(), std::string(run_texts::kVesselTooSmall) + " 400 650");
    EXPECT_EQ(run.Value(Setting::VesselSide), 650);
    EXPECT_EQ(Shown().Captions.VesselSide, 650);
}

TEST_F(Run, TheHeatTransportIsPlacedByTheFrontEndAndThenRuns) {
    run.SetHeatTransportRetries(50, 600'000);
    Open("transport-ciepla");
    EXPECT_TRUE(Shown().Placing);
    EXPECT_EQ(Now(), Phase::Menu);
    Place();
    EXPECT_FALSE(Shown().Placing);
    EXPECT_EQ(Now(), Phase::Running);
    EXPECT_EQ(S().SimulationMode, kModeHeatTransport);
    EXPECT_EQ(S().ParticleCount, 850);
    EXPECT_TRUE(Shown().HeatModel);
    EXPECT_FALSE(Shown().ExperimentPanel);
    EXPECT_TRUE(Shown().PrintEnabled);
    EXPECT_EQ(Shown().Captions.ParticleCount, 850);

    // Restarted during a pause, it stays paused and counts from the restart on.
    run.PauseOrResume();
    clock.Advance(2000);
    run.Restart();
    Place();
    EXPECT_EQ(Now(), Phase::Paused);
    EXPECT_EQ(S().PauseStart, clock.MillisecondStamp());

    // Leaving drops a placement at work; its late answer changes nothing.
    run.Restart();
    const uint64_t late = ui.ticket;
    Simulation copy = *ui.placing;
    run.LeaveToMenu();
    EXPECT_EQ(ui.cancels, 1);
    EXPECT_FALSE(Shown().Placing);
    run.PlacementDone(late, copy, true);
    EXPECT_EQ(Now(), Phase::Menu);
    // Its pause went with it: the next run of the heat transport runs.
    Open("transport-ciepla");
    Place();
    EXPECT_EQ(Now(), Phase::Running);

    // Placement that never succeeds: the page stays, with no run behind it.
    run.LeaveToMenu();
    Open("transport-ciepla");
    run.PlacementDone(ui.ticket, *ui.placing, false);
    EXPECT_EQ(ui.told, std::vector<std::string>{run_texts::kHeatTransportFailed});
    EXPECT_EQ(Now(), Phase::Menu);
}

TEST_F(Run, AnotherGasModelStartsARunOnScreenAgain) {
    run.ModelChosen(GasModel::Exact, false);  // at the menu: nothing to restart
    EXPECT_EQ(S().SimulationMode, 0);
    Open("dyfuzja");
    run.ModelChosen(GasModel::Described, true);  // on the panel neither
    run.Start();
    clock.Advance(3000);
    run.ModelChosen(GasModel::Described, false);  // the same model
    EXPECT_NE(S().ClockStart, clock.MillisecondStamp());
    run.ModelChosen(GasModel::Exact, true);
    EXPECT_EQ(S().ClockStart, clock.MillisecondStamp());
    EXPECT_EQ(Shown().Model, GasModel::Exact);
    EXPECT_TRUE(run.Sim().ShowSpeedHistogram);
    run.LeaveToMenu();
    Open("cisnienie");
    clock.Advance(3000);
    run.ModelChosen(GasModel::Described, false);
    EXPECT_EQ(S().ClockStart, clock.MillisecondStamp());
    EXPECT_EQ(S().SimulationMode, kModePressure);
    // The exact gas's mean speed is measured at every tick, and the panel shows it.
    run.ModelChosen(GasModel::Exact, false);
    const double start = Shown().Captions.MeanSpeed;
    for (int k = 0; k < 300; ++k)
        Tick();
    EXPECT_NE(Shown().Captions.MeanSpeed, start);
    EXPECT_EQ(FormatGeneral(Shown().Captions.MeanSpeed, GeneralFormat::G3),
              FormatGeneral(S().MeanSpeed, GeneralFormat::G3));
}

TEST_F(Run, StudiesSetTheirChartAndRunWithTheirTable) {
    run.OpenExercise("cisnienie-predkosc");
    EXPECT_EQ(Shown().Study, 1);
    EXPECT_EQ(S().ChartXCaption, "Vśr [jedn.]");
    EXPECT_EQ(S().ChartKind, static_cast<int>(Fit::Parabola));
    EXPECT_EQ(Shown().StudyChartMode, kModePressure);
    EXPECT_FALSE(Shown().ExactNote);
    run.ModelChosen(GasModel::Exact, false);
    EXPECT_TRUE(Shown().ExactNote);
    run.Run(PaneId::PressureStudy);
    EXPECT_TRUE(Shown().StudyTable);
    run.HideStudyTable();
    EXPECT_TRUE(Shown().StudyTableButton);
    run.ShowStudyTable();
    EXPECT_TRUE(Shown().StudyTable);
    run.LeaveToMenu();
    EXPECT_FALSE(Shown().StudyTable || Shown().StudyTableButton);
}

TEST_F(Run, TheFreePathStudySetsUpFromItsPageAndClosesAgain) {
    run.OpenExercise("droga-swobodna-badanie");
    run.ShowSetUp();
    EXPECT_TRUE(Shown().SetUp && Shown().SetUpClose && Shown().Menu);
    EXPECT_TRUE(run.Escape());
    EXPECT_FALSE(Shown().SetUp || Shown().SetUpClose);
    run.ShowSetUp();
    run.Run(PaneId::FreePathStudy);  // from the panel left open: Start is reachable again
    EXPECT_FALSE(Shown().SetUpClose);
    EXPECT_EQ(S().SimulationMode, kModeFreePath);
    EXPECT_EQ(std::string(Shown().SetUpTitle), "DROGA SWOBODNA - warunki początkowe");
}

}  // namespace
