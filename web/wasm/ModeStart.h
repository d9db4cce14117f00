#pragma once

#include <functional>

#include "engine/Simulation.h"

// Starts a mode at the controls' values as the desktop's buttons do: the panel modes (1 to 4)
// as "Start" does, the experiments and the heat transport as their run buttons do, with the
// 5-pixel particles. The heat transport's placement may take several tries, up to `tries` while
// mayGoOn() agrees. True when the run may go: every particle placed (the experiments run
// anyway, as on the desktop).
bool StartMode(Simulation& sim, int mode, int tries, const std::function<bool()>& mayGoOn);
