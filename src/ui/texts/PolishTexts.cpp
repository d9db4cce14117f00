#include "ui/texts/PolishTexts.h"

// Marks the pieces for the translation tools without making the engine's tests link Qt.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, text) text
#endif

const SurfaceTexts& PolishSurfaceTexts() {
    static const SurfaceTexts texts{
        .Units = QT_TRANSLATE_NOOP("kinetra", " jednostek"),
        .ShortUnits = QT_TRANSLATE_NOOP("kinetra", " jedn."),
        .TimePrefix = QT_TRANSLATE_NOOP("kinetra", "Czas  =   "),
        .SecondsUnit = QT_TRANSLATE_NOOP("kinetra", " s"),

        .CountN1 = QT_TRANSLATE_NOOP("kinetra", "Liczba cząsteczek N1 = "),
        .CountN2 = QT_TRANSLATE_NOOP("kinetra", "Liczba cząsteczek N2 =  "),
        .CountN = QT_TRANSLATE_NOOP("kinetra", "Liczba cząsteczek N   =  "),
        .VmaxLine = QT_TRANSLATE_NOOP("kinetra", "Vmax   =  "),
        .MeanSpeedLine = QT_TRANSLATE_NOOP("kinetra", "Vśr    =  "),

        .DiffusionTitle = QT_TRANSLATE_NOOP("kinetra", "DYFUZJA"),
        .PartAxis = QT_TRANSLATE_NOOP("kinetra", "n - numer kolejny części objętości naczynia"),
        .CountPerPart = QT_TRANSLATE_NOOP("kinetra", "Liczba cząsteczek w n-tej części objętości"),

        .FreePathTitle = QT_TRANSLATE_NOOP("kinetra", "DROGA SWOBODNA"),
        .MeanFreePath = QT_TRANSLATE_NOOP("kinetra", "Śr. droga swob.  =   "),
        .Diameter = QT_TRANSLATE_NOOP("kinetra", "Średnica cząsteczek =  "),
        .TrackedCollisions = QT_TRANSLATE_NOOP("kinetra", "Liczba zderzeń cząsteczki =  "),
        .ThinGasFreePath = QT_TRANSLATE_NOOP("kinetra", "Wzór (gaz rzadki) =  "),

        .WallsTitle = QT_TRANSLATE_NOOP("kinetra", "ZDERZENIA"),
        .WallsTitle2 = QT_TRANSLATE_NOOP("kinetra", "ZE ŚCIANKAMI NACZYNIA"),
        .WallChartTitle = QT_TRANSLATE_NOOP("kinetra", "Liczba zderzeń cząsteczek"),
        .WallChartTitle2 = QT_TRANSLATE_NOOP("kinetra", "z n-tą ścianką naczynia"),
        .WallAxis = QT_TRANSLATE_NOOP("kinetra", "Numer ścianki naczynia"),
        .ScaleAll = QT_TRANSLATE_NOOP("kinetra", "N"),
        .ScaleThreeQuarters = QT_TRANSLATE_NOOP("kinetra", "3/4 N"),
        .ScaleHalf = QT_TRANSLATE_NOOP("kinetra", "1/2 N"),
        .ScaleQuarter = QT_TRANSLATE_NOOP("kinetra", "1/4 N"),
        .AllWallHits = QT_TRANSLATE_NOOP("kinetra", "Liczba zderzeń N  =   "),

        .ExperimentCount = QT_TRANSLATE_NOOP("kinetra", "Liczba cząsteczek: "),
        .ExperimentVmax = QT_TRANSLATE_NOOP("kinetra", "Vmax = "),
        .ExperimentMeanSpeed = QT_TRANSLATE_NOOP("kinetra", "Vśr = "),
        .Temperature = QT_TRANSLATE_NOOP("kinetra", "T = "),
        .TemperatureOffScale = QT_TRANSLATE_NOOP("kinetra", "T > 4000 jednostek"),
        .TemperatureTitle = QT_TRANSLATE_NOOP("kinetra", "POJĘCIE TEMPERATURY"),
        .PressureTitle = QT_TRANSLATE_NOOP("kinetra", "POJĘCIE CISNIENIA"),
        .Pressure = QT_TRANSLATE_NOOP("kinetra", "p = "),
        .PressureTimesTen = QT_TRANSLATE_NOOP("kinetra", " x 10 "),
        .PressureExponent = QT_TRANSLATE_NOOP("kinetra", "- 26"),
        .PressureUnit = QT_TRANSLATE_NOOP("kinetra", "jedn."),
        .PressureUnsettled = QT_TRANSLATE_NOOP("kinetra", "p - nieustalone"),
        .PressureMeasuring = QT_TRANSLATE_NOOP("kinetra", "p - trwa pomiar"),
        .GaugeMeasuring = QT_TRANSLATE_NOOP("kinetra", "trwa pomiar"),

        .HeatTitle = QT_TRANSLATE_NOOP("kinetra", "TRANSPORT CIEPŁA"),
        .LeftCount = QT_TRANSLATE_NOOP("kinetra", "Liczba cząsteczek w lewej części naczynia: "),
        .RightCount = QT_TRANSLATE_NOOP("kinetra", "Liczba cząsteczek w prawej części naczynia: "),
        .PartitionCount = QT_TRANSLATE_NOOP("kinetra", "Liczba cząsteczek przegrody: "),
        .LeftTemperature =
            QT_TRANSLATE_NOOP("kinetra", "Temperatura gazu w lewej części naczynia = "),
        .RightTemperature =
            QT_TRANSLATE_NOOP("kinetra", "Temperatura gazu w prawej części naczynia = "),
        .PartitionTemperature = QT_TRANSLATE_NOOP("kinetra", "Temperatura przegrody = "),
        .Undetermined = QT_TRANSLATE_NOOP("kinetra", "nieokreślona"),

        .CaptionCount = QT_TRANSLATE_NOOP("kinetra", "Liczba cząsteczek: "),
        .CaptionMeanSpeed = QT_TRANSLATE_NOOP("kinetra", "Vśr. cząsteczek = "),
        .CaptionMass = QT_TRANSLATE_NOOP("kinetra", "Masa cząsteczki gazu: "),
        .MassUnit = QT_TRANSLATE_NOOP("kinetra", " u"),
        .CaptionSide = QT_TRANSLATE_NOOP("kinetra", "Szerokość naczynia: "),

        .SpeedHistogram = QT_TRANSLATE_NOOP("kinetra", "Rozkład prędkości cząsteczek"),
        .ExactModel = QT_TRANSLATE_NOOP("kinetra", "Model dokładny: zderzenia sprężystych krążków"),
        .CoveredShare = QT_TRANSLATE_NOOP("kinetra", "Zajęte pole = "),
        .CoveredShareUnit = QT_TRANSLATE_NOOP("kinetra", "%"),
    };
    return texts;
}
