#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "core/Catalogue.h"
#include "core/Screen.h"
#include "core/Settings.h"
#include "engine/Simulation.h"

class Canvas;
struct SurfaceTexts;

// Something the pupil is told, in a box with one button.
struct Message {
    bool Error = false;               // an error, else information
    const char* Title = nullptr;      // a Polish source text
    bool TitleIsProductName = false;  // the product's name, the same in every language
    const char* Text = nullptr;       // a Polish source text; %1, %2 stand for Args
    std::vector<int> Args;
};

// What the run control asks of a front-end while it handles an event.
class FrontEnd {
  public:
    virtual ~FrontEnd() = default;
    // Shows a message, over the screen as the core has it at this moment, and returns once the
    // pupil has read it.
    virtual void Tell(const Message& message) = 0;
    // Blanks the picture: nothing of the last run stays behind the menu or a new panel.
    virtual void ClearPicture() = 0;
    // Runs RunControl::PlaceHeatTransport on a copy of `sim`, off the window's thread where it
    // can, and hands the copy back to PlacementDone with `ticket`. A cancelled placement's
    // copy is dropped.
    virtual void StartPlacement(const Simulation& sim, uint64_t ticket, int tries,
                                int milliseconds) = 0;
    virtual void CancelPlacement() = 0;
};

// The program's decisions about what runs and what is shown: the main menu and its exercise
// pages, the initial-conditions panel, a run going, paused or stopped at its collision limit,
// the experiment panel, the study table. A front-end drives it with events (its buttons, keys,
// track bars, its frame timer) and shows its Screen after each one.
class RunControl {
  public:
    // `clock` and `frontEnd` must outlive it.
    RunControl(Clock& clock, FrontEnd& frontEnd);
    ~RunControl();
    RunControl(const RunControl&) = delete;
    RunControl& operator=(const RunControl&) = delete;

    const Screen& Shown() const { return screen_; }
    Phase CurrentPhase() const { return PhaseOf(screen_); }
    Simulation& Sim() { return *sim_; }
    const Simulation& Sim() const { return *sim_; }

    // ---- the main menu
    void ChooseTopic(TopicId topic);
    // The exercise's link on its topic page: its pane, and what its exercise needs set up.
    void ChooseExercise(const Exercise& exercise);
    // Opens an exercise as the two clicks of a pupil would; false for an unknown name.
    bool OpenExercise(std::string_view name);
    // The run button of a pane: the set-up panel, the experiment, the study or the heat
    // transport, as its exercise asks.
    void Run(PaneId pane);
    // "Ustal parametry początkowe" of the free-path study, and its "Zamknij".
    void ShowSetUp();
    void CloseSetUp();

    // ---- the run
    void Start();
    void PauseOrResume();
    void Restart();
    void OpenParameters();
    void ReturnToRun();  // "Anuluj" on the parameters: back to the run, paused
    void LeaveToMenu();
    // Esc: closes the set-up panel or goes back to the run or to the menu. False when there is
    // nothing to leave.
    bool Escape();
    // The study's table panel put aside over the run, and brought back.
    void HideStudyTable();
    void ShowStudyTable();
    // One tick of the frame timer: the run advances and its picture is drawn on `canvas`.
    // Returns whether there is a picture to present.
    bool Tick(Canvas& canvas, const SurfaceTexts& texts);
    // Draws the current state again (another language, say); false when nothing runs.
    bool Redraw(Canvas& canvas, const SurfaceTexts& texts) const;
    void LanguageChanged();
    // The window went to the background or came back: no frame is drawn while it is away.
    void WindowActive(bool active);

    // ---- settings
    // A set-up box's text changed: an accepted text sets the value, a rejected one puts the
    // setting back to its minimum and says so.
    void SettingTyped(Setting setting, std::string_view text);
    // A setting chosen outright: a size button, an option.
    void SettingChosen(Setting setting, int value);
    int Value(Setting setting) const { return ValueOf(sim_->C, setting); }
    // The experiment panel's track bars.
    void ParticleCountChanged(int count);
    void SpeedFactorChanged(int factor);
    void ParticleMassChanged(int mass);
    void VesselSideChanged(int side);
    // The heat transport's page: what its run starts with, and their start values.
    void HeatSettingsChanged(int maxSpeed, int speedFactor, int mass);
    void HeatDefaults();
    // The gas model and the histogram, from any of the three choices; a run on screen starts
    // again on a new model.
    void ModelChosen(GasModel model, bool histogram);
    void ViewChosen(const ViewOptions& view);

    // ---- the heat transport's placement, run by the front-end
    static bool PlaceHeatTransport(Simulation& sim, int tries, int milliseconds,
                                   const std::function<bool()>& mayGoOn);
    void PlacementDone(uint64_t ticket, const Simulation& placed, bool ok);
    // Bounds of its tries (50 tries, 3 s); tests lower them.
    void SetHeatTransportRetries(int tries, int milliseconds);

  private:
    // Runs an initialiser; when it ran, shows the experiment captions it wrote and says so when
    // the particles did not all find a place. Returns whether it ran.
    bool Initialise(const std::function<bool(Simulation&)>& init);
    void ShowExperimentCaptions();
    void StartFrames();
    void OpenSetUpFor(Mode mode);
    void StartExperiment(Mode mode);
    void StartHeatTransport();
    void RestartExperiment();
    void CancelPlacement();
    void Tell(Message message);
    void ShowExactNote();

    FrontEnd& frontEnd_;
    std::unique_ptr<Simulation> sim_;
    Screen screen_;
    int64_t parametersStamp_ = 0;  // when "Parametry" stopped the run
    bool restartPaused_ = false;   // a heat transport restarted during a pause stays paused
    uint64_t placement_ = 0;       // the ticket of the placement at work, 0 for none
    uint64_t lastTicket_ = 0;
    int heatTries_ = 50;
    int heatMilliseconds_ = 3000;
};
