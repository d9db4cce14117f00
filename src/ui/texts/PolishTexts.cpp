#include "ui/texts/PolishTexts.h"

const SurfaceTexts& PolishSurfaceTexts() {
    static const SurfaceTexts texts{
        .Units = " jednostek",
        .ShortUnits = " jedn.",
        .TimePrefix = "Czas  =   ",
        .SecondsUnit = " s",

        .CountN1 = "Liczba cząsteczek N1 = ",
        .CountN2 = "Liczba cząsteczek N2 =  ",
        .CountN = "Liczba cząsteczek N   =  ",
        .VmaxLine = "Vmax   =  ",
        .MeanSpeedLine = "Vśr    =  ",

        .DiffusionTitle = "DYFUZJA",
        .PartAxis = "n - numer kolejny części objętości naczynia",
        .CountPerPart = "Liczba cząsteczek w n-tej części objętości",

        .FreePathTitle = "DROGA SWOBODNA",
        .MeanFreePath = "Śr. droga swob.  =   ",
        .Diameter = "Średnica cząsteczek =  ",
        .TrackedCollisions = "Liczba zderzeń cząsteczki =  ",

        .WallsTitle = "ZDERZENIA",
        .WallsTitle2 = "ZE ŚCIANKAMI NACZYNIA",
        .WallChartTitle = "Liczba zderzeń cząsteczek",
        .WallChartTitle2 = "z n-tą ścianką naczynia",
        .WallAxis = "Numer ścianki naczynia",
        .ScaleAll = "N",
        .ScaleThreeQuarters = "3/4 N",
        .ScaleHalf = "1/2 N",
        .ScaleQuarter = "1/4 N",
        .AllWallHits = "Liczba zderzeń N  =   ",

        .ExperimentCount = "Liczba cząsteczek: ",
        .ExperimentVmax = "Vmax = ",
        .ExperimentMeanSpeed = "Vśr = ",
        .Temperature = "T = ",
        .TemperatureOffScale = "T > 4000 jednostek",
        .TemperatureTitle = "POJĘCIE TEMPERATURY",
        .PressureTitle = "POJĘCIE CISNIENIA",
        .Pressure = "p = ",
        .PressureTimesTen = " x 10 ",
        .PressureExponent = "- 26",
        .PressureUnit = "jedn.",
        .PressureUnsettled = "p - nieustalone",

        .HeatTitle = "TRANSPORT CIEPŁA",
        .LeftCount = "Liczba cząsteczek w lewej części naczynia: ",
        .RightCount = "Liczba cząsteczek w prawej części naczynia: ",
        .PartitionCount = "Liczba cząsteczek przegrody: ",
        .LeftTemperature = "Temperatura gazu w lewej części naczynia = ",
        .RightTemperature = "Temperatura gazu w prawej części naczynia = ",
        .PartitionTemperature = "Temperatura przegrody = ",
        .Undetermined = "nieokreślona",

        .CaptionCount = "Liczba cząsteczek: ",
        .CaptionMeanSpeed = "Vśr. cząsteczek = ",
        .CaptionMass = "Masa cząsteczki gazu: ",
        .MassUnit = " u",
        .CaptionSide = "Szerokość naczynia: ",

        .SpeedHistogram = "Rozkład prędkości cząsteczek",
        .ExactModel = "Model dokładny: zderzenia sprężystych krążków",
    };
    return texts;
}
