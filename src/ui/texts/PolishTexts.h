#pragma once

#include "engine/SurfaceTexts.h"

// The program's texts in Polish, the language it speaks.
const SurfaceTexts& PolishSurfaceTexts();
