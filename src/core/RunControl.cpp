#include "core/RunControl.h"

#include <algorithm>
#include <chrono>

#include "core/RunTexts.h"
#include "engine/Experiment.h"
#include "engine/ModeTable.h"
#include "engine/Modes.h"
#include "engine/NumberFormat.h"
#include "engine/Publisher.h"

namespace {

constexpr int kMinimumCollisions = 100;

Message ProductInformation(const char* text) {
    Message m;
    m.Title = publisher::kProductTitle;
    m.TitleIsProductName = true;
    m.Text = text;
    return m;
}

Message Error(const char* text) {
    Message m;
    m.Error = true;
    m.Title = run_texts::kErrorTitle;
    m.Text = text;
    return m;
}

// The initialiser of a mode as a step that always runs.
std::function<bool(Simulation&)> Always(void (*init)(Simulation&)) {
    return [init](Simulation& sim) {
        if (init) init(sim);
        return init != nullptr;
    };
}

}  // namespace

Phase PhaseOf(const Screen& screen) {
    if (screen.SetUp) return Phase::SetUp;
    if (screen.Menu) return Phase::Menu;
    if (screen.Running) return Phase::Running;
    return screen.StopNote ? Phase::StoppedAtLimit : Phase::Paused;
}

RunControl::RunControl(Clock& clock, FrontEnd& frontEnd)
    : frontEnd_(frontEnd), sim_(std::make_unique<Simulation>(clock)) {
    screen_.SetUpTitle = ModeOf(kNoMode).SetUpTitle;
}

RunControl::~RunControl() = default;

// ---- the main menu

void RunControl::ChooseTopic(TopicId id) {
    const Topic& topic = TopicOf(id);
    CancelPlacement();
    screen_.Topic = id;
    if (!topic.KeepsExperimentPanel) screen_.ExperimentPanel = false;
    // A run of an earlier topic may have left them disabled.
    screen_.ParametersEnabled = true;
    screen_.PrintEnabled = true;
    if (topic.WidensVessel) screen_.WidestVessel = RangeOf(Setting::VesselWidth).Maximum;
    if (topic.HidesCollisionLimit) screen_.CollisionLimit = false;
    screen_.Picture = topic.Picture;
}

void RunControl::ChooseExercise(const Exercise& exercise) {
    if (exercise.WidestVessel != 0) {
        screen_.WidestVessel = exercise.WidestVessel;
        sim_->C.VesselWidth = std::min(sim_->C.VesselWidth, exercise.WidestVessel);
    }
    screen_.Panes[static_cast<size_t>(exercise.Pane)] = true;
    if (exercise.Hides) screen_.Panes[static_cast<size_t>(*exercise.Hides)] = false;
    if (exercise.CollisionLimit != Visibility::Unchanged)
        screen_.CollisionLimit = exercise.CollisionLimit == Visibility::Shown;
    if (exercise.Study < 0) return;

    const Study& study = Studies()[static_cast<size_t>(exercise.Study)];
    screen_.Study = exercise.Study;
    ++screen_.StudyChoices;
    sim_->S.ChartXCaption = study.ChartXCaption;
    sim_->S.ChartKind = static_cast<uint8_t>(study.Curve);
    screen_.StudyChartMode = study.Pressure ? kModePressure : kModeTemperature;
    ShowExactNote();
}

bool RunControl::OpenExercise(std::string_view name) {
    const Exercise* exercise = FindExercise(name);
    if (!exercise) return false;
    ChooseTopic(exercise->Topic);
    ChooseExercise(*exercise);
    return true;
}

void RunControl::Run(PaneId pane) {
    const auto exercise = std::find_if(Exercises().begin(), Exercises().end(),
                                       [pane](const Exercise& e) { return e.Pane == pane; });
    if (exercise == Exercises().end()) return;
    switch (exercise->Run) {
        case RunKind::SetUpPanel:
            OpenSetUpFor(exercise->RunMode);
            break;
        case RunKind::Experiment:
            StartExperiment(exercise->RunMode);
            break;
        case RunKind::Study:
            StartExperiment(exercise->RunMode);
            screen_.StudyTable = true;
            break;
        case RunKind::Background:
            StartHeatTransport();
            break;
    }
}

void RunControl::OpenSetUpFor(Mode mode) {
    Initialise(Always(ModeOf(mode).Init));
    screen_.SetUpTitle = ModeOf(sim_->S.SimulationMode).SetUpTitle;
    frontEnd_.ClearPicture();
    screen_.BackToRun = false;
    // The panel opened by "Ustal parametry początkowe" may still have its "Zamknij" over Start.
    screen_.SetUpClose = false;
    screen_.SetUp = true;
    screen_.Menu = false;
}

void RunControl::ShowSetUp() {
    screen_.SetUpTitle = ModeOf(kModeFreePath).SetUpTitle;
    screen_.BackToRun = false;
    screen_.SetUp = true;
    screen_.SetUpClose = true;
}

void RunControl::CloseSetUp() {
    screen_.SetUp = false;
    screen_.SetUpClose = false;
}

void RunControl::StartExperiment(Mode mode) {
    sim_->C.SizeChoice = 4;
    // The run starts even when not every particle found a place.
    Initialise(Always(ModeOf(mode).Init));
    StartFrames();
    screen_.Menu = false;
    // The set-up panel of a panel exercise, left open from the menu, would stay over the tool
    // buttons of a run that has no use for it, with no way back to the menu.
    CloseSetUp();
    screen_.ExperimentPanel = true;
    screen_.ParametersEnabled = false;
    screen_.PrintEnabled = ModeOf(mode).Printable;
}

// ---- the run

bool RunControl::Initialise(const std::function<bool(Simulation&)>& init) {
    CancelPlacement();
    if (!init(*sim_)) return false;
    ShowExperimentCaptions();
    if (sim_->S.InitOk == 0) Tell(ProductInformation(run_texts::kTooManyParticles));
    return true;
}

void RunControl::ShowExperimentCaptions() {
    // Only the experiment initialisers write these; the start captions stay until one has run.
    if (!ModeOf(sim_->S.SimulationMode).WritesExperimentCaptions) return;
    screen_.Captions = sim_->Captions;
    screen_.CountCaption = screen_.SpeedCaption = screen_.MassCaption = screen_.SideCaption = true;
}

void RunControl::StartFrames() {
    screen_.Running = true;
    screen_.OffersResume = false;
}

void RunControl::Start() {
    // Checked in every mode, the box shown or not.
    if (sim_->C.CollisionLimit < kMinimumCollisions) {
        sim_->C.CollisionLimit = kMinimumCollisions;
        Tell(Error(run_texts::kTooFewCollisions));
        return;
    }
    const bool dispatched = Initialise(InitCurrentMode);
    // After a failed placement the panel stays open with its values.
    if (!dispatched || sim_->S.InitOk == 0) return;
    StartClock(*sim_);
    StartFrames();
    screen_.SetUp = false;
    screen_.BackToRun = false;
}

void RunControl::PauseOrResume() {
    if (screen_.Running) {
        screen_.Running = false;
        PauseClock(*sim_);
        screen_.OffersResume = true;
    } else {
        ResumeClock(*sim_);
        StartFrames();
        screen_.StopNote = false;
    }
}

void RunControl::Restart() {
    screen_.StopNote = false;
    const ModeEntry& mode = ModeOf(sim_->S.SimulationMode);
    // The heat transport starts again as its own button starts it.
    if (mode.PlacesInBackground) {
        restartPaused_ = !screen_.Running;
        StartHeatTransport();
        return;
    }
    const bool dispatched = Initialise([&mode](Simulation& sim) {
        if (!mode.RestartInitialises) return false;
        mode.Init(sim);
        return true;
    });
    // Paused, the run has been paused since this moment, so that its time counts on from 0
    // after the resume. The initialiser has cleared the pause stamp.
    if (dispatched && !screen_.Running) PauseClock(*sim_);
}

void RunControl::OpenParameters() {
    // The run can be taken up again where it stopped, with "Anuluj" or Esc.
    const bool running = screen_.Running;
    parametersStamp_ = running ? sim_->Stamp() : sim_->S.PauseStart;
    screen_.BackToRun = running || screen_.OffersResume;
    screen_.StopNote = false;
    screen_.SetUp = true;
    screen_.Running = false;
}

void RunControl::ReturnToRun() {
    // Back to the run the parameters interrupted, paused since the panel opened.
    screen_.BackToRun = false;
    screen_.SetUp = false;
    sim_->S.PauseStart = parametersStamp_;
    screen_.OffersResume = true;
}

void RunControl::LeaveToMenu() {
    CancelPlacement();
    screen_.Running = false;
    screen_.StopNote = false;
    frontEnd_.ClearPicture();
    screen_.Menu = true;
    screen_.HeatModel = false;
    screen_.ExperimentPanel = false;
    screen_.StudyTableButton = false;
    screen_.StudyTable = false;
}

bool RunControl::Escape() {
    if (screen_.SetUp && screen_.SetUpClose) {
        CloseSetUp();
        return true;
    }
    if (screen_.SetUp && screen_.BackToRun) {
        ReturnToRun();
        return true;
    }
    if (screen_.Menu) return false;
    // The set-up panel lies over the tool buttons; leaving closes it as well.
    screen_.SetUp = false;
    LeaveToMenu();
    return true;
}

void RunControl::HideStudyTable() {
    // The experiment goes on behind the panel all along.
    screen_.StudyTable = false;
    screen_.StudyTableButton = true;
}

void RunControl::ShowStudyTable() {
    screen_.StudyTable = true;
    screen_.StudyTableButton = false;
}

bool RunControl::Tick(Canvas& canvas, const SurfaceTexts& texts) {
    const FrameResult result = Advance(*sim_);
    // The exact model measures its mean speed anew every tick; the panel takes it when the
    // digits it shows change, not at every frame.
    const double measured = sim_->Captions.MeanSpeed;
    if (sim_->Model == GasModel::Exact && screen_.SpeedCaption &&
        ModeOf(sim_->S.SimulationMode).WritesExperimentCaptions &&
        FormatGeneral(measured, GeneralFormat::G3) !=
            FormatGeneral(screen_.Captions.MeanSpeed, GeneralFormat::G3))
        screen_.Captions.MeanSpeed = measured;
    const bool drawn = Render(*sim_, texts, canvas);
    if (result.PauseRequested) {
        PauseOrResume();
        // A free-path run that stops by itself says why, until it goes on.
        screen_.StopNote = sim_->S.SimulationMode == kModeFreePath;
    }
    return drawn;
}

bool RunControl::Redraw(Canvas& canvas, const SurfaceTexts& texts) const {
    return Render(*sim_, texts, canvas);
}

void RunControl::LanguageChanged() {
    ShowExperimentCaptions();
}

void RunControl::WindowActive(bool active) {
    screen_.WindowActive = active;
}

// ---- settings

void RunControl::SettingTyped(Setting setting, std::string_view text) {
    SettingRange range = RangeOf(setting);
    if (setting == Setting::VesselWidth) range.Maximum = screen_.WidestVessel;
    if (SpinTextAccepted(text, range.Minimum)) {
        SetValueOf(sim_->C, setting, SpinTextValue(text, range.Minimum, range.Maximum));
        return;
    }
    SetValueOf(sim_->C, setting, range.Minimum);
    Tell(Error(run_texts::kInvalidValue));
}

void RunControl::SettingChosen(Setting setting, int value) {
    SetValueOf(sim_->C, setting, value);
}

void RunControl::RestartExperiment() {
    Initialise([this](Simulation& sim) {
        if (!ChangeCountOrSpeed(sim)) return false;
        // Moved during a pause, the run has been paused since now and counts from 0 after the
        // resume, as after a restart. The initialiser has cleared the pause stamp.
        if (!screen_.Running) PauseClock(sim);
        return true;
    });
}

void RunControl::ParticleCountChanged(int count) {
    sim_->C.ExperimentParticles = count;
    RestartExperiment();
}

void RunControl::SpeedFactorChanged(int factor) {
    sim_->C.SpeedFactor = factor;
    RestartExperiment();
}

void RunControl::ParticleMassChanged(int mass) {
    sim_->C.ParticleMass = mass;
    ChangeParticleMass(*sim_);
    screen_.Captions.ParticleMass = sim_->Captions.ParticleMass;
    screen_.MassCaption = true;
}

void RunControl::VesselSideChanged(int side) {
    sim_->C.VesselSide = side;
    const bool changed = ChangeVesselSide(*sim_);
    // Refused, the gas keeps its vessel, and the track bar goes back to it.
    if (!changed) sim_->C.VesselSide = sim_->S.VesselWidth;
    screen_.Captions.VesselSide = sim_->Captions.VesselSide;
    screen_.SideCaption = true;
    if (changed) return;
    Message m = ProductInformation(run_texts::kVesselTooSmall);
    m.Args = {side, sim_->S.VesselWidth};
    Tell(m);
}

void RunControl::HeatSettingsChanged(int maxSpeed, int speedFactor, int mass) {
    // The heat transport reads these at its start; an experiment left behind keeps its gas
    // until it runs again.
    sim_->C.MaxSpeed = maxSpeed;
    sim_->C.SpeedFactor = speedFactor;
    sim_->C.ParticleMass = mass;
}

void RunControl::HeatDefaults() {
    HeatSettingsChanged(RangeOf(Setting::MaxSpeed).Start, RangeOf(Setting::SpeedFactor).Start,
                        RangeOf(Setting::ParticleMass).Start);
}

void RunControl::ModelChosen(GasModel model, bool histogram) {
    screen_.Model = model;
    screen_.Histogram = histogram;
    const bool restart = sim_->Model != model;
    sim_->Model = model;
    sim_->ShowSpeedHistogram = histogram;
    ShowExactNote();
    sim_->Exact.Reset();
    ResetExactPressure(*sim_);
    if (!restart || screen_.Menu || screen_.SetUp) return;
    // A run on screen starts again with the current settings on the new model.
    if (ModeOf(sim_->S.SimulationMode).PlacesInBackground)
        StartHeatTransport();
    else if (screen_.ExperimentPanel)
        RestartExperiment();
    else
        Restart();
}

void RunControl::ViewChosen(const ViewOptions& view) {
    sim_->View = view;
}

void RunControl::ShowExactNote() {
    // Every study has its note; it shows while the exact model runs.
    screen_.ExactNote = screen_.Study >= 0 && sim_->Model == GasModel::Exact;
}

// ---- the heat transport's placement

void RunControl::StartHeatTransport() {
    sim_->C.SizeChoice = 4;
    // The dense partition often needs a few tries: the front-end runs them on a copy of the
    // simulation, off the window's thread, so that the window answers meanwhile and "Wyjście"
    // still leaves.
    placement_ = ++lastTicket_;
    screen_.Placing = true;
    frontEnd_.StartPlacement(*sim_, placement_, heatTries_, heatMilliseconds_);
}

bool RunControl::PlaceHeatTransport(Simulation& sim, int tries, int milliseconds,
                                    const std::function<bool()>& mayGoOn) {
    const auto start = std::chrono::steady_clock::now();
    const auto deadline = std::chrono::milliseconds(milliseconds);
    return InitHeatTransportRetrying(sim, tries, [&] {
        return mayGoOn() && std::chrono::steady_clock::now() - start < deadline;
    });
}

void RunControl::PlacementDone(uint64_t ticket, const Simulation& placed, bool ok) {
    if (ticket == 0 || ticket != placement_) return;
    placement_ = 0;
    sim_->S = placed.S;
    sim_->Rng = placed.Rng;
    sim_->Captions = placed.Captions;
    if (!ok) {
        restartPaused_ = false;
        // The exercise page stays as it is, with no run behind it.
        Tell(ProductInformation(run_texts::kHeatTransportFailed));
        screen_.Placing = false;
        return;
    }
    ShowExperimentCaptions();
    if (restartPaused_) {
        // Restarted during a pause: paused since now, its time counting from 0 on resume.
        restartPaused_ = false;
        PauseClock(*sim_);
    } else {
        StartFrames();
    }
    screen_.Menu = false;
    screen_.HeatModel = true;
    CloseSetUp();
    screen_.ExperimentPanel = false;
    screen_.ParametersEnabled = false;
    screen_.PrintEnabled = true;
    screen_.Placing = false;
}

void RunControl::CancelPlacement() {
    // Leaving, another run or another topic drops a placement still at work, and with it a
    // restart's pause: the next run of the heat transport starts running.
    restartPaused_ = false;
    screen_.Placing = false;
    if (placement_ == 0) return;
    placement_ = 0;
    frontEnd_.CancelPlacement();
}

void RunControl::SetHeatTransportRetries(int tries, int milliseconds) {
    heatTries_ = tries;
    heatMilliseconds_ = milliseconds;
}

void RunControl::Tell(Message message) {
    frontEnd_.Tell(message);
}
