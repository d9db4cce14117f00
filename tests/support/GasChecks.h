#pragma once

#include <gtest/gtest.h>

#include <cmath>

#include "engine/Placement.h"
#include "engine/SimulationState.h"

// Every slot first..last lies with its whole sprite inside the vessel.
inline ::testing::AssertionResult SlotsInsideVessel(const SimulationState& s, int first, int last) {
    for (int i = first; i <= last; ++i) {
        if (s.PosX[i] < s.VesselLeft || s.PosX[i] > s.RightLimit() || s.PosY[i] < s.VesselTop ||
            s.PosY[i] > s.BottomLimit())
            return ::testing::AssertionFailure()
                   << "slot " << i << " at (" << s.PosX[i] << ", " << s.PosY[i] << ")";
    }
    return ::testing::AssertionSuccess();
}

// No slot first..last touches any particle 1..ParticleCount other than itself.
inline ::testing::AssertionResult SlotsFree(const SimulationState& s, int first, int last) {
    for (int i = first; i <= last; ++i) {
        for (int k = 1; k <= s.ParticleCount; ++k) {
            if (k != i && Touches(s, i, k))
                return ::testing::AssertionFailure() << "slot " << i << " touches " << k;
        }
    }
    return ::testing::AssertionSuccess();
}

// A velocity component as drawn: a whole number of 1/sqrt 2 steps times factor, at most bound
// steps. Returns the number of steps, or -1 when the value is not of that form.
inline int VelocitySteps(double component, double factor) {
    const double steps = std::fabs(component) / factor * std::sqrt(2.0);
    const double whole = std::round(steps);
    return std::fabs(steps - whole) < 1e-9 ? static_cast<int>(whole) : -1;
}
