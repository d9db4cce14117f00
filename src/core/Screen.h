#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "core/Catalogue.h"
#include "engine/Simulation.h"

// What the program shows and offers at a moment, as the run control decides it. A front-end
// shows exactly this after every event; it keeps no state of its own about it.
struct Screen {
    // The main menu, the one topic page open on it and the exercise panes of the topic pages
    // (a pane stays open while its topic page is closed).
    bool Menu = true;
    std::optional<TopicId> Topic;
    std::array<bool, kPaneCount> Panes{};
    bool PaneShown(PaneId pane) const { return Panes[static_cast<size_t>(pane)]; }

    // The initial-conditions panel, its "Zamknij" over Start when opened from the free-path
    // study, and "Anuluj" back to the run that "Parametry" interrupted.
    bool SetUp = false;
    bool SetUpClose = false;
    bool BackToRun = false;
    const char* SetUpTitle = nullptr;  // null: the panel's first title
    SetUpPicture Picture = SetUpPicture::None;
    int WidestVessel = 700;       // the vessel width's maximum
    bool CollisionLimit = false;  // the free-path study's number of collisions

    // Over a run: the experiment panel, the heat transport's model choice, the study's table
    // and the button that brings it back.
    bool ExperimentPanel = false;
    bool HeatModel = false;
    bool StudyTable = false;
    bool StudyTableButton = false;
    // The study chosen last (index among Studies()), whose texts the table panel shows, and
    // how many times a study was chosen: each choice starts its chart afresh.
    int Study = -1;
    uint32_t StudyChoices = 0;
    // The mode whose quantity the study's chart shows, 0 before a study is chosen.
    int StudyChartMode = 0;
    // Under the study's table: what the exact model shows, while it runs.
    bool ExactNote = false;

    // The tool buttons over a run.
    bool ParametersEnabled = true;
    bool PrintEnabled = true;
    bool Running = false;       // frames advance and are drawn, while the window is active
    bool WindowActive = true;   // the program is the active application
    bool OffersResume = false;  // the pause button's hint: "Wznów", else "Pauza"
    bool StopNote = false;      // beside a free-path run that stopped itself at its limit
    bool Placing = false;       // the heat transport's particles are looking for places

    // The experiment panel's captions: each shows its start text until first written, then the
    // value written last.
    ExperimentCaptions Captions;
    bool CountCaption = false;
    bool SpeedCaption = false;
    bool MassCaption = false;
    bool SideCaption = false;

    // The gas model and the histogram, as every model choice shows them.
    GasModel Model = GasModel::Described;
    bool Histogram = false;

    bool ToolsUncovered() const { return !Menu && !SetUp; }
    bool FramesRun() const { return Running && WindowActive; }
    bool operator==(const Screen&) const = default;
};

// The run's phase, read from the screen: what the pupil is doing now.
enum class Phase : uint8_t {
    Menu,   // the main menu, with or without an exercise page
    SetUp,  // the initial-conditions panel
    Running,
    Paused,
    StoppedAtLimit,  // a free-path run that paused itself after its collisions
};
Phase PhaseOf(const Screen& screen);
