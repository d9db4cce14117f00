#pragma once

#include <cstdint>
#include <string_view>

#include "engine/Simulation.h"

// The settings a pupil or teacher changes, by what they mean. The core keeps their values (the
// simulation's Controls); a front-end writes a control's value here as it changes and shows
// what the core has.
enum class Setting : uint8_t {
    // The initial-conditions panel.
    Particles,
    VesselWidth,
    VesselHeight,
    MaxSpeed,
    CollisionLimit,
    SizeChoice,  // 1 to 9, the particle size buttons
    // The free-path study's option: stop after CollisionLimit collisions (0 or 1).
    StopAtLimit,
    // The experiment panel's track bars.
    ExperimentParticles,
    SpeedFactor,
    ParticleMass,
    VesselSide,
};
inline constexpr int kSettingCount = 11;

// The values a setting's control offers and starts with.
struct SettingRange {
    int Minimum;
    int Maximum;  // the vessel width's changes with the exercise (Screen::WidestVessel)
    int Start;
};
SettingRange RangeOf(Setting setting);

int ValueOf(const Controls& controls, Setting setting);
void SetValueOf(Controls& controls, Setting setting, int value);

// The check the initial-conditions panel makes on every change of a box's text: an empty text,
// or one of digits only, passes; the text "0" passes only where 0 is the minimum.
bool SpinTextAccepted(std::string_view text, int minimum);

// A box's value: its text read as a whole number (blanks around it and a sign allowed; digits
// beyond the range read as the maximum), or the minimum when the text is not a number; always
// within [minimum, maximum].
int SpinTextValue(std::string_view text, int minimum, int maximum);
