#pragma once

#include <array>
#include <string>

// Every word the simulations write: status lines, titles and chart labels on the surface, and
// the experiment panel's captions. The engine puts numbers between these pieces; the window
// chooses the language by the table it passes. Pieces keep their blanks, which line up the
// "=" signs of the status blocks.
struct SurfaceTexts {
    // Shared units and lines.
    std::string Units;       // after Vmax, mean speeds and temperatures
    std::string ShortUnits;  // after lengths and the captions' speed and side
    std::string TimePrefix;  // elapsed time, then the seconds
    std::string SecondsUnit;

    // Status block of the panel modes, 20 pixels apart.
    std::string CountN1;
    std::string CountN2;
    std::string CountN;
    std::string VmaxLine;
    std::string MeanSpeedLine;

    // Diffusion and its chart.
    std::string DiffusionTitle;
    std::string PartAxis;
    std::string CountPerPart;

    // Free path.
    std::string FreePathTitle;
    std::string MeanFreePath;
    std::string Diameter;
    std::string TrackedCollisions;
    std::string ThinGasFreePath;  // the exact model's: the thin gas's formula, beside the measured

    // Wall collisions.
    std::string WallsTitle;
    std::string WallsTitle2;
    std::string WallChartTitle;
    std::string WallChartTitle2;
    std::string WallAxis;
    std::string ScaleAll;  // the bar scale: N, 3/4 N, 1/2 N, 1/4 N
    std::string ScaleThreeQuarters;
    std::string ScaleHalf;
    std::string ScaleQuarter;
    std::string AllWallHits;

    // The experiment block of the temperature and pressure modes.
    std::string ExperimentCount;
    std::string ExperimentVmax;
    std::string ExperimentMeanSpeed;
    std::string Temperature;
    std::string TemperatureOffScale;
    std::string TemperatureTitle;
    std::string PressureTitle;
    std::string Pressure;
    std::string PressureTimesTen;
    std::string PressureExponent;
    std::string PressureUnit;
    std::string PressureUnsettled;
    std::string PressureMeasuring;  // the exact model's status line and gauge, while measuring
    std::string GaugeMeasuring;

    // Heat transport.
    std::string HeatTitle;
    std::string LeftCount;
    std::string RightCount;
    std::string PartitionCount;
    std::string LeftTemperature;
    std::string RightTemperature;
    std::string PartitionTemperature;
    std::string Undetermined;

    // Captions of the experiment panel.
    std::string CaptionCount;
    std::string CaptionMeanSpeed;
    std::string CaptionMass;
    std::string MassUnit;
    std::string CaptionSide;

    // Speed histogram, when shown; the name of the exact model, when chosen.
    std::string SpeedHistogram;
    std::string ExactModel;
    std::string CoveredShare;  // the exact model's, where a dense gas departs from the formulas
    std::string CoveredShareUnit;

    // Decimal separator of the numbers between the pieces.
    char Decimal = ',';
};

// Every piece of the table, for whatever treats them all alike (a translation, a check that
// nothing is written outside the table). A piece added above belongs here too.
inline constexpr std::array<std::string SurfaceTexts::*, 58> kSurfaceTextPieces = {
    &SurfaceTexts::Units,
    &SurfaceTexts::ShortUnits,
    &SurfaceTexts::TimePrefix,
    &SurfaceTexts::SecondsUnit,
    &SurfaceTexts::CountN1,
    &SurfaceTexts::CountN2,
    &SurfaceTexts::CountN,
    &SurfaceTexts::VmaxLine,
    &SurfaceTexts::MeanSpeedLine,
    &SurfaceTexts::DiffusionTitle,
    &SurfaceTexts::PartAxis,
    &SurfaceTexts::CountPerPart,
    &SurfaceTexts::FreePathTitle,
    &SurfaceTexts::MeanFreePath,
    &SurfaceTexts::Diameter,
    &SurfaceTexts::TrackedCollisions,
    &SurfaceTexts::ThinGasFreePath,
    &SurfaceTexts::WallsTitle,
    &SurfaceTexts::WallsTitle2,
    &SurfaceTexts::WallChartTitle,
    &SurfaceTexts::WallChartTitle2,
    &SurfaceTexts::WallAxis,
    &SurfaceTexts::ScaleAll,
    &SurfaceTexts::ScaleThreeQuarters,
    &SurfaceTexts::ScaleHalf,
    &SurfaceTexts::ScaleQuarter,
    &SurfaceTexts::AllWallHits,
    &SurfaceTexts::ExperimentCount,
    &SurfaceTexts::ExperimentVmax,
    &SurfaceTexts::ExperimentMeanSpeed,
    &SurfaceTexts::Temperature,
    &SurfaceTexts::TemperatureOffScale,
    &SurfaceTexts::TemperatureTitle,
    &SurfaceTexts::PressureTitle,
    &SurfaceTexts::Pressure,
    &SurfaceTexts::PressureTimesTen,
    &SurfaceTexts::PressureExponent,
    &SurfaceTexts::PressureUnit,
    &SurfaceTexts::PressureUnsettled,
    &SurfaceTexts::PressureMeasuring,
    &SurfaceTexts::GaugeMeasuring,
    &SurfaceTexts::HeatTitle,
    &SurfaceTexts::LeftCount,
    &SurfaceTexts::RightCount,
    &SurfaceTexts::PartitionCount,
    &SurfaceTexts::LeftTemperature,
    &SurfaceTexts::RightTemperature,
    &SurfaceTexts::PartitionTemperature,
    &SurfaceTexts::Undetermined,
    &SurfaceTexts::CaptionCount,
    &SurfaceTexts::CaptionMeanSpeed,
    &SurfaceTexts::CaptionMass,
    &SurfaceTexts::MassUnit,
    &SurfaceTexts::CaptionSide,
    &SurfaceTexts::SpeedHistogram,
    &SurfaceTexts::ExactModel,
    &SurfaceTexts::CoveredShare,
    &SurfaceTexts::CoveredShareUnit,
};
// A string added to the table without a place in the list above makes the table outgrow this.
static_assert(sizeof(SurfaceTexts) <= (kSurfaceTextPieces.size() + 1) * sizeof(std::string),
              "every piece of SurfaceTexts is listed in kSurfaceTextPieces");
