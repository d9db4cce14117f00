#pragma once

#include "engine/Simulation.h"

// How the gas initialisers of modes 1 to 4 give each slot its sprite.
enum class SubstanceRule {
    BySide,        // second substance left of the centre line, counted in SecondCount
    TrackedFirst,  // every slot first substance, slot 1 second substance
    Single,        // every slot first substance
};

// The initialiser shared by the modes set up on the initial-conditions panel: vessel, count
// and size from the panel, placement, velocities, kinds, clock and mean speed. Leaves InitOk 0
// when placement ran out of attempts; the window then shows the message.
void InitPanelGas(Simulation& sim, Mode mode, SubstanceRule rule);
