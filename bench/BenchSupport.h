#pragma once

#include <benchmark/benchmark.h>

#include "BenchScenarios.h"
