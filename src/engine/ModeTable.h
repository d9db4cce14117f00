#pragma once

#include <optional>

#include "engine/HistogramRender.h"
#include "engine/Simulation.h"

class Canvas;
struct SurfaceTexts;

// What each simulation mode is, in one place: every choice by mode goes through this table.
struct ModeEntry {
    // The initialiser the exercise's run button calls; null for no mode.
    void (*Init)(Simulation& sim) = nullptr;
    // One tick of the state, and the picture of a state.
    FrameResult (*Advance)(Simulation& sim) = nullptr;
    void (*Render)(const Simulation& sim, const SurfaceTexts& texts, Canvas& canvas) = nullptr;
    // The initial-conditions panel's title while this mode is set up (a Polish source text).
    const char* SetUpTitle = nullptr;
    // Start initialises it again from the panel (modes 1 to 5); restart does so too, and for
    // the pressure as well, whose run starts without the panel.
    bool StartInitialises = false;
    bool RestartInitialises = false;
    // Its placement can take long: it is tried again and again, off the window's thread.
    bool PlacesInBackground = false;
    // Its initialiser writes the experiment panel's four captions.
    bool WritesExperimentCaptions = false;
    // Its picture can be printed (the temperature's has no printout).
    bool Printable = true;
    // Where the speed histogram fits beside its vessel, if it does.
    std::optional<HistogramPlace> Histogram;
};

// The entry of a SimulationMode; mode 0 and anything unknown give an entry without a mode.
const ModeEntry& ModeOf(int mode);
