#pragma once

#include <QWidget>
#include <functional>
#include <memory>

#include "core/ChartMath.h"
#include "display/FrameTimer.h"
#include "display/Surface.h"
#include "engine/Clock.h"
#include "engine/Simulation.h"
#include "measure/Language.h"
#include "measure/PrintService.h"
#include "ui/BackgroundPlacement.h"
#include "ui/Classroom.h"
#include "ui/FormControls.h"

class QIODevice;
class QLabel;
class QLineEdit;
class QPainter;
class QPushButton;
class SurfaceView;
class TFO_programie;
class Tjednostki;

// The main window: a full-screen black window with a 1024 x 768 stage in its middle. The stage
// holds the drawing surface and, over it, the tool buttons, the main menu, the initial-conditions
// panel, the experiment panel and the table panel. Every event has its own method, named after
// its control and event; the handlers are spread over files by topic, and each topic's file
// connects its own handlers.
class TForm1 : public QWidget {
    Q_OBJECT
  public:
    // `clock` replaces the wall clock (tests drive one by hand); it must outlive the window.
    explicit TForm1(Clock* clock = nullptr, QWidget* parent = nullptr);
    ~TForm1() override;

    // The dialogs opened from the menu; created after the window, as the program starts.
    void SetDialogs(TFO_programie* about, Tjednostki* units);

    // For tests.
    Simulation& Sim() { return *sim_; }
    Surface& DrawingSurface() { return surface_; }
    FrameTimer& Timer() { return DXTimer1; }
    QWidget* Stage() { return stage_; }

    // The controls, by type, for the keyboard and the screen modes.
    const ToolButtons& Tools() const { return tools_; }
    const MainMenuControls& Menu() const { return menu_; }
    const InitialConditionsPanel& Conditions() const { return conditions_; }
    const ExperimentControls& Experiment() const { return experiment_; }

    // Copies the panel's spin boxes, the size choice, the free-path option and the experiment
    // panel's track bars into the simulation's controls. Runs before every engine call.
    void SyncControls();

    // Puts every text of the window, its dialogs, the surface, the charts and the table cells
    // into the language, keeping what the tables hold and the run as it is. False when the
    // language cannot be loaded.
    bool SetLanguage(Language language);
    void LanguageButtonClick();

    // Frame timer tick.
    void DXTimer1Timer(int lagCount);

    // ---- navigation: topic buttons of the main menu
    void BitBtn8Click();   // "Dyfuzja"
    void BitBtn11Click();  // "Droga swobodna"
    void BitBtn9Click();   // "Zderzenia ze ściankami naczynia"
    void BitBtn12Click();  // "Temperatura"
    void BitBtn16Click();  // "Ciśnienie"
    void BitBtn17Click();  // "Transport ciepła"
    // ---- navigation: other menu buttons
    void BitBtn26Click();  // "O jednostkach"
    void BitBtn10Click();  // "Inne programy"
    void BitBtn4Click();   // "Informacje"
    void BitBtn2Click();   // "Wyjście" of the menu
    // ---- navigation: exercise links
    void Label11Click();
    void Label13Click();
    void Label20Click();
    void Label22Click();
    void Label23Click();
    void Label26Click();
    void Label46Click();
    void Label47Click();
    void Label65Click();
    void Label75Click();
    void Label76Click();
    void Label64Click();
    void Label97Click();
    void Label98Click();
    void Label99Click();
    void Label100Click();
    void Label69Click();

    // ---- run control
    void BitBtn3Click();   // Start
    void BitBtn6Click();   // pause / resume
    void BitBtn7Click();   // restart
    void BitBtn18Click();  // parameters
    void BitBtn1Click();   // back to the menu
    void BitBtn5Click();   // "Uruchom symulację" of the diffusion illustration
    void SpinEdit1Change();
    void SpinEdit2Change();
    void SpinEdit3Change();
    void SpinEdit4Change();
    void SpinEdit6Change();

    // ---- measurement tables, dependency studies, charts and printing (tables.cpp,
    // dependency.cpp, printing.cpp)
    void BitBtn13Click();  // "Uruchom symulację", temperature studies: run, then the table
    void BitBtn39Click();  // "Uruchom symulację", pressure studies: run, then the table
    void BitBtn28Click();  // "Rysuj wykres", free-path table
    void BitBtn35Click();  // "Rysuj wykres", dependency table
    void BitBtn27Click();  // "Drukuj tabelę i wykres", free-path table
    void BitBtn36Click();  // "Drukuj tabelę i wykres", dependency table
    void BitBtn19Click();  // "Drukuj"
    void Button1Click();   // "Ukryj panel"
    void Button2Click();   // "Pokaż tabelę pomiarów"
    void BitBtn40Click();  // "Uruchom symulację" in the table panel
    // Every cell of both tables.
    void EditChange(QLineEdit* cell);
    // Both chart boxes.
    void wykrPaint(QWidget* box, QPainter& painter);
    // Pages go to this service; tests give it a printer of their own.
    void SetPrintService(std::unique_ptr<PrintService> service);

    // ---- saving to files (exporting.cpp)
    void SavePictureClick();        // the simulation picture as PNG, beside "Drukuj"
    void FreePathSaveTableClick();  // the free-path table as CSV
    void FreePathSaveChartClick();  // its chart as PNG or PDF
    void StudySaveTableClick();     // the dependency table as CSV
    void StudySaveChartClick();     // its chart as PNG or PDF

  private:
    // What a chart box drew last, so that a repaint shows the same chart.
    struct ChartMemory {
        ChartInput Input;
        int Kind = 0;
    };
    void ConnectTables();
    void ConnectPrinting();
    void ConnectDependencyStudies();
    // The texts and chart of the study an exercise link chooses.
    void SetUpDependencyStudy(ClickLabel* MainMenuControls::*link);
    // The study set up last, whose texts a change of language writes again.
    ClickLabel* MainMenuControls::*study_ = nullptr;
    // Under the study's table: what the exact model teaches in it, only while that model runs.
    void ShowExactStudyNote();
    // The table panel over the running experiment.
    void ShowTablePanel();
    // Gathers the dependency table into the state; false, with a message, while its first
    // rows are not filled.
    bool GatherStudyTable();
    ChartInput CurrentChartInput() const;
    void DrawChart(QWidget* box, ChartMemory& memory, int kind);
    TableHeadings StudyHeadings() const;
    // Prints a page; the word after a printed page carries the note, if any.
    void PrintPage(const PageJob& job, const QString& note = {});

    void ConnectExporting();
    // The hints of the save buttons; a change of language translates them with the rest.
    void SetExportTexts();
    // Asks where to save, from the folder of the last save, and writes the file there; a
    // failure is shown with the file's name and its reason.
    void SaveAs(const QString& title, const QString& name, const QString& filter,
                const std::function<bool(const QString& path, QIODevice& out)>& write);
    // The free-path table gathered; false, with a message, while no row is filled.
    bool GatherFreePathTable();
    void SaveTableFile(const std::string& xHeading, const std::string& yHeading);
    void SaveChartFile(int kind);
    QString exportFolder_;
    ChartMemory wykrChart_{{}, kHyperbola};
    ChartMemory paintBox2Chart_;
    std::unique_ptr<PrintService> printService_;

  private:
    using Handler = void (TForm1::*)();
    // Connects each button's click to its handler.
    void ConnectClicks(std::initializer_list<std::pair<QPushButton*, Handler>> buttons);
    void ConnectNavigation();
    void ConnectRunControl();
    void ConnectLanguage();

    // Shared by the topic buttons: the one topic panel shown, the tool buttons enabled.
    void ShowTopic(QWidget* panel, std::initializer_list<QWidget*> hidden);
    // The exercise pane of the studies shown, the topic's first exercise hidden.
    void ShowStudyPane(QScrollArea* studies, QScrollArea* first);
    void HideCollisionLimit() const;

    // Runs an initialiser on the current control values; when it ran, shows the experiment
    // captions it wrote and the placement failure. Returns whether it ran.
    bool RunInitialiser(const std::function<bool(Simulation&)>& init);
    bool RunInitialiser(void (*init)(Simulation&));
    // Turns the frame timer on for a fresh run: its button offers the pause again.
    void StartTimer();
    // The validation every spin box runs on a change of its text.
    void CheckSpinText(SpinEdit* box);

    std::unique_ptr<Clock> ownClock_;
    Clock* clock_;
    std::unique_ptr<Simulation> sim_;
    Surface surface_;
    FrameTimer DXTimer1;

    QWidget* stage_ = nullptr;
    SurfaceView* DXDraw = nullptr;
    // The controls, by panel, as their builders made them.
    ToolButtons tools_;
    MainMenuControls menu_;
    InitialConditionsPanel conditions_;
    ExperimentControls experiment_;
    StudyTablePanel studyTable_;
    FreePathTable freePathTable_;

    TFO_programie* FO_programie = nullptr;
    Tjednostki* jednostki = nullptr;
    bool resettingSpin_ = false;

  protected:
    void resizeEvent(QResizeEvent* event) override;

    // ---- exercise run buttons and the experiment panel (mode_start.cpp, experiment_panel.cpp)
  public:
    void BitBtn24Click();  // "Uruchom symulację", free-path illustration
    void BitBtn20Click();  // "Uruchom symulację", free-path study, upper button
    void BitBtn29Click();  // "Uruchom symulację", free-path study, beside the chart
    void BitBtn23Click();  // "Ustal parametry początkowe"
    void BitBtn25Click();  // "Zamknij" on the initial-conditions panel
    void BitBtn21Click();  // "Uruchom", diffusion with chart
    void BitBtn30Click();  // "Uruchom", wall collisions
    void BitBtn32Click();  // "Uruchom", temperature
    void BitBtn15Click();  // "Uruchom", pressure
    void BitBtn34Click();  // "Uruchom", heat transport
    void TrackBar1Change();
    void TrackBar2Change();
    void TrackBar3Change();
    void TrackBar4Change();
    // Bounds of the heat transport's placement tries (50 tries, 3 s); tests lower them.
    void SetHeatTransportRetries(int maxTries, int milliseconds);

  private:
    void ConnectModeStarts();
    void ConnectExperimentPanel();
    // The gas model and histogram chosen on either panel: both show it, the simulation uses
    // it from now on, and a run on screen starts again with it.
    void ModelChoiceChange(const ModelChoice* from);
    // A panel mode's run button: initialise, then the initial-conditions panel over the menu.
    void OpenPanelFor(void (*init)(Simulation&));
    // Copies the captions the experiment initialisers wrote into the experiment panel.
    void ShowExperimentCaptions();
    // Track bar 1 or 2: a fresh gas with the new count or speed factor.
    void RestartExperiment();
    int heatTransportTries_ = 50;
    int heatTransportMilliseconds_ = 3000;

    // ---- the heat transport's placement off the window's thread (mode_start.cpp)
  public:
    BackgroundPlacement& HeatPlacement() { return *heatPlacement_; }  // for tests

  private:
    // After the placement: the run starts, or the failure is reported.
    void StartHeatTransport(bool placed);
    // Runs without the initial-conditions panel close it if it was left open.
    void HideSetUpPanel();
    // "Trwa rozmieszczanie cząsteczek…" over the stage, with the busy cursor, while it works.
    void ShowPlacementNote(bool shown);
    QLabel* placementNote_ = nullptr;  // made the first time it is needed
    // Leaving, another run or another topic drops a placement still at work.
    void CancelPlacement();

    // ---- class use around the described screens (classroom.cpp)
  public:
    const ClassroomControls& Classroom() const { return classroom_; }
    void CancelParametersClick();  // "Anuluj" on the panel opened by "Parametry"
    void HeatDefaultsClick();      // the heat transport's settings back to their start values
    void ClearFreePathTableClick();
    void ClearStudyTableClick();

  private:
    void BuildClassroom();
    void ConnectClassroom();
    void ViewChoiceChange();
    // The heat transport's page shows the values of the controls its run reads, and sets them.
    void RefreshHeatSettings();
    void HeatSettingChange();
    void ShowStopNote(bool shown);
    // After a yes to the question: empty cells and an empty chart. False on a no.
    bool ClearTable(const TableCells& cells, QWidget* box, ChartMemory& memory);
    void TitleSetUpPanel(int mode);
    void ClearPicture();
    ClassroomControls classroom_;
    bool settingHeat_ = false;
    int64_t parametersStamp_ = 0;  // when "Parametry" stopped the run
    bool restartPaused_ = false;   // a heat transport restarted during a pause stays paused
    int studyChartMode_ = 0;       // the mode whose quantity the study's chart shows

    // Last, so that its worker stops before the clock it reads goes.
    std::unique_ptr<BackgroundPlacement> heatPlacement_ = std::make_unique<BackgroundPlacement>();
};
