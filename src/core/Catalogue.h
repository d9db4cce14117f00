#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "engine/Simulation.h"

// What the program offers, as data every front-end shows in its own way: the topics of the main
// menu, the exercises under them and the eight studies of how the temperature and the pressure
// depend on one quantity. Texts are Polish sources; each front-end translates them.

enum class TopicId : uint8_t { Diffusion, FreePath, WallCollisions, Temperature, Pressure, Heat };
inline constexpr int kTopicCount = 6;

// The exercise panes of the topic pages.
enum class PaneId : uint8_t {
    DiffusionIllustration,
    DiffusionChart,
    FreePathIllustration,
    FreePathStudy,
    WallCollisions,
    TemperatureIntro,
    TemperatureStudy,
    PressureIntro,
    PressureStudy,
    Heat,
};
inline constexpr int kPaneCount = 10;

// The picture of a topic that the initial-conditions panel borrows for its corner.
enum class SetUpPicture : uint8_t { None, Diffusion, FreePath, WallCollisions };

struct Topic {
    TopicId Id;
    const char* MenuCaption;
    const char* Title;
    const char* Introduction;
    // The temperature leaves the experiment panel as it is; the others hide it.
    bool KeepsExperimentPanel;
    // The vessel may be 700 wide again (the diffusion chart's 600 no longer holds).
    bool WidensVessel;
    bool HidesCollisionLimit;
    SetUpPicture Picture;
};

// What an exercise's run button does.
enum class RunKind : uint8_t {
    SetUpPanel,  // initialises its mode and opens the initial-conditions panel
    Experiment,  // runs at once with the experiment panel
    Study,       // the same, with the study's table over it
    Background,  // places its particles off the window's thread, then runs
};

enum class Visibility : uint8_t { Unchanged, Shown, Hidden };

struct Exercise {
    const char* Name;         // the short ASCII name of --exercise
    const char* Description;  // its line in --help: a Polish source text
    TopicId Topic;
    const char* Link;             // the caption of its link on the topic page
    const char* LinkContinued;    // a second line of the link, or null
    PaneId Pane;                  // the pane its link opens
    std::optional<PaneId> Hides;  // the other pane of the topic, closed by it
    Mode RunMode;
    RunKind Run;
    int WidestVessel;  // the vessel width's new maximum, 0 to leave it
    Visibility CollisionLimit;
    int Study;  // its index among Studies(), -1 for none
};

// The quantity a study varies with one track bar.
enum class StudiedQuantity : uint8_t { ParticleCount, MeanSpeed, ParticleMass, VesselVolume };

// The curve drawn through a chart's points (the values of SimulationState::ChartKind).
enum class Fit : uint8_t { Hyperbola = 1, StraightLine = 2, Parabola = 3 };

struct Study {
    bool Pressure;  // a pressure study, else a temperature study
    StudiedQuantity Varied;
    const char* Title;
    const char* Description;
    const char* HeadingX1;  // the x column's heading, two lines
    const char* HeadingX2;
    const char* ChartTitle1;  // the chart's title, two lines
    const char* ChartTitle2;
    const char* ChartXCaption;
    Fit Curve;
    // The settings the pupil is told to set and what to vary and write down.
    const char* Instruction;
    // What the exact model shows in it.
    const char* ExactNote;
};

std::span<const Topic> Topics();
const Topic& TopicOf(TopicId id);
std::span<const Exercise> Exercises();
// The exercise of that --exercise name, or null.
const Exercise* FindExercise(std::string_view name);
std::span<const Study> Studies();
