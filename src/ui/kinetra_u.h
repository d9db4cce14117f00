#pragma once

#include <QWidget>
#include <memory>

#include "core/RunControl.h"
#include "display/FrameTimer.h"
#include "display/Surface.h"
#include "engine/Clock.h"
#include "measure/Language.h"
#include "ui/BackgroundPlacement.h"
#include "ui/Binding.h"
#include "ui/Classroom.h"
#include "ui/FormControls.h"

class ClassroomBinding;
class ExperimentBinding;
class NavigationBinding;
class PrintService;
class PrintingBinding;
class RunControlBinding;
class StudiesBinding;
class SurfaceView;
class TFO_programie;
class Tjednostki;

// The main window: a full-screen black window with a 1024 x 768 stage in its middle. The stage
// holds the drawing surface and, over it, the tool buttons, the main menu, the initial-conditions
// panel, the experiment panel and the table panel. The window builds the controls and assembles
// one binding per feature, each forwarding its controls' events to the core's run control and
// showing the core's screen in them; it decides nothing itself.
class TForm1 : public QWidget {
    Q_OBJECT
  public:
    // `clock` replaces the wall clock (tests drive one by hand); it must outlive the window.
    explicit TForm1(Clock* clock = nullptr, QWidget* parent = nullptr);
    ~TForm1() override;

    // The dialogs opened from the menu; created after the window, as the program starts.
    void SetDialogs(TFO_programie* about, Tjednostki* units);

    RunControl& Core() { return *core_; }
    Simulation& Sim() { return core_->Sim(); }
    Surface& DrawingSurface() { return surface_; }
    FrameTimer& Timer() { return DXTimer1; }
    QWidget* Stage() { return stage_; }
    SurfaceView* View() { return DXDraw; }

    // The controls, by panel.
    const ToolButtons& Tools() const { return tools_; }
    const MainMenuControls& Menu() const { return menu_; }
    const InitialConditionsPanel& Conditions() const { return conditions_; }
    const ExperimentControls& Experiment() const { return experiment_; }
    const ClassroomControls& Classroom() const { return classroom_; }
    const StudyTablePanel& StudyTable() const { return studyTable_; }
    const FreePathTable& FreePath() const { return freePathTable_; }

    // The bindings, one per feature, with the handlers of their controls.
    NavigationBinding& Navigation() { return *navigation_; }
    RunControlBinding& Run() { return *run_; }
    ExperimentBinding& Experiments() { return *experiments_; }
    StudiesBinding& Studies() { return *studies_; }
    PrintingBinding& Printing() { return *printing_; }
    ClassroomBinding& ClassroomOptions() { return *classroom_binding_; }

    // Shows the core's screen in every control. Signals the controls raise meanwhile are not
    // the pupil's: the bindings drop them.
    void ShowScreen(ScreenOrder order = ScreenOrder::TakeOver);
    // After a tick: only when the screen changed (a run that stopped itself).
    void ShowScreenIfChanged();
    bool Presenting() const { return presenting_; }

    // Puts every text of the window, its dialogs, the surface, the charts and the table cells
    // into the language, keeping what the tables hold and the run as it is. False when the
    // language cannot be loaded.
    bool SetLanguage(Language language);
    // The next language of the menu's choice, after the last the first (F12).
    void NextLanguage();

    // Frame timer tick.
    void DXTimer1Timer(int lagCount);
    // Opens an exercise by its --exercise name, as two clicks would; false for none.
    bool OpenExercise(const QString& name);
    // The Esc key: leaves the panel or the run; false when there is nothing to leave.
    bool Escape();

    // For tests: the heat transport's placement off the window's thread, and its bounds.
    BackgroundPlacement& HeatPlacement();
    void SetHeatTransportRetries(int maxTries, int milliseconds);
    // Pages go to this service; tests give it a printer of their own.
    void SetPrintService(std::unique_ptr<PrintService> service);

  protected:
    void resizeEvent(QResizeEvent* event) override;
    // "Wyjście", or the window system's close: asks first when a table holds typed values.
    void closeEvent(QCloseEvent* event) override;

  private:
    // The menu's choice shows the language the window speaks.
    void ShowCurrentLanguage();

    Surface surface_;
    FrameTimer DXTimer1;
    std::unique_ptr<Clock> ownClock_;
    QWidget* stage_ = nullptr;
    SurfaceView* DXDraw = nullptr;
    // The controls, by panel, as their builders made them.
    ToolButtons tools_;
    MainMenuControls menu_;
    InitialConditionsPanel conditions_;
    ExperimentControls experiment_;
    StudyTablePanel studyTable_;
    FreePathTable freePathTable_;
    ClassroomControls classroom_;

    Tjednostki* jednostki_ = nullptr;  // retranslated with the window
    bool presenting_ = false;
    Screen shown_;                            // the screen the controls show
    std::unique_ptr<RunControlBinding> run_;  // the core's front-end: made before the core
    std::unique_ptr<RunControl> core_;
    std::unique_ptr<NavigationBinding> navigation_;
    std::unique_ptr<ExperimentBinding> experiments_;
    std::unique_ptr<StudiesBinding> studies_;
    std::unique_ptr<PrintingBinding> printing_;
    std::unique_ptr<ClassroomBinding> classroom_binding_;
};
