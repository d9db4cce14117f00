#pragma once

#include <cstdint>
#include <string>

#include "engine/Array1.h"

// Capacity of the particle arrays; the panels allow at most kMaxParticles of them.
inline constexpr int kParticleCapacity = 5000;
inline constexpr int kMaxParticles = 1500;
inline constexpr int kPathCapacity = 10000;
inline constexpr int kTableRowCount = 17;

struct PathPoint {
    int32_t x = 0;
    int32_t y = 0;
    friend bool operator==(const PathPoint&, const PathPoint&) = default;
};

struct TableRow {
    double X = 0.0;  // -1.0 marks an empty cell
    double Y = 0.0;
    friend bool operator==(const TableRow&, const TableRow&) = default;
};

// Wall numbers of WallHits: clockwise from the left.
enum Wall : int { kLeftWall = 1, kTopWall = 2, kRightWall = 3, kBottomWall = 4 };

// The one record of all simulation data. Zero at program start.
struct SimulationState {
    // Vessel, surface pixels.
    uint16_t VesselLeft = 0;
    uint16_t VesselTop = 0;
    uint16_t VesselWidth = 0;
    uint16_t VesselHeight = 0;

    // Run clock, milliseconds.
    int64_t ClockNow = 0;
    int64_t ClockStart = 0;
    int64_t PausedTotal = 0;
    int64_t PauseStart = 0;

    // Particles: velocity in speed units, position of the sprite's top-left corner.
    Array1<double, kParticleCapacity> VelX;
    Array1<double, kParticleCapacity> VelY;
    Array1<double, kParticleCapacity> PosX;
    Array1<double, kParticleCapacity> PosY;
    Array1<uint8_t, kParticleCapacity> Kind;

    int32_t ParticleCount = 0;
    int32_t SecondCount = 0;
    // 64 bits, so that a run of any length cannot wrap the counters.
    Array1<int64_t, 4> WallHits;
    uint8_t ParticleSize = 0;
    uint8_t InitOk = 0;
    uint8_t SimulationMode = 0;
    double MeanSpeed = 0.0;
    double StepDivisor = 0.0;

    // Free-path track.
    Array1<PathPoint, kPathCapacity> PathPoints;
    int32_t PathCount = 0;

    // Gathered measurement table.
    Array1<TableRow, kTableRowCount> TableRows;

    // Thermal and pressure quantities.
    double GasTemperature = 0.0;
    double GasMass = 0.0;
    double ThermoHeight = 0.0;
    int32_t SideCount = 0;
    int32_t PartitionCount = 0;
    double Pressure = 0.0;

    // Chart settings of the dependency exercises.
    uint8_t ChartKind = 0;
    std::string ChartXCaption;

    int RightLimit() const { return VesselLeft + VesselWidth - ParticleSize; }
    int BottomLimit() const { return VesselTop + VesselHeight - ParticleSize; }
};
