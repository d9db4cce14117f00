#pragma once

#include "core/TextId.h"

// The words of the panels, tool buttons, dialogs and classroom additions around the
// simulations, for a front-end that builds them from the core's texts (the browser's page).
// The same Polish sources as the desktop's widgets, so that one translation serves both.
namespace page_texts {

// The tool buttons' hints.
inline constexpr const char* kRestart = QT_TRANSLATE_NOOP("kinetra", "Zacznij od nowa");
inline constexpr const char* kParameters = QT_TRANSLATE_NOOP("kinetra", "Parametry");
inline constexpr const char* kPrint = QT_TRANSLATE_NOOP("kinetra", "Drukuj");
inline constexpr const char* kExit = QT_TRANSLATE_NOOP("kinetra", "Wyjście");
inline constexpr const char* kSavePicture = QT_TRANSLATE_NOOP("kinetra", "Zapisz obraz");

// The initial-conditions panel.
inline constexpr const char* kParticleSize = QT_TRANSLATE_NOOP("kinetra", "Wielkość cząsteczek");
inline constexpr const char* kMixtureCount =
    QT_TRANSLATE_NOOP("kinetra", "llość cząsteczek mieszaniny");
inline constexpr const char* kVesselWidth = QT_TRANSLATE_NOOP("kinetra", "Szerokość naczynia");
inline constexpr const char* kVesselHeight = QT_TRANSLATE_NOOP("kinetra", "Wysokość naczynia");
inline constexpr const char* kMaxSpeed =
    QT_TRANSLATE_NOOP("kinetra", "Określ maksymalną szybkość cząsteczek");
inline constexpr const char* kCollisions = QT_TRANSLATE_NOOP("kinetra", "Ilosc zderzeń");
inline constexpr const char* kUnitsWord = QT_TRANSLATE_NOOP("kinetra", "jednostek");
inline constexpr const char* kStart = QT_TRANSLATE_NOOP("kinetra", "Start");
inline constexpr const char* kClose = QT_TRANSLATE_NOOP("kinetra", "Zamknij");
inline constexpr const char* kCancel = QT_TRANSLATE_NOOP("kinetra", "Anuluj");

// The gas model.
inline constexpr const char* kModel = QT_TRANSLATE_NOOP("kinetra", "Model:");
inline constexpr const char* kCollisionModel = QT_TRANSLATE_NOOP("kinetra", "Model zderzeń:");
inline constexpr const char* kDescribed = QT_TRANSLATE_NOOP("kinetra", "prosty");
inline constexpr const char* kDescribedHint = QT_TRANSLATE_NOOP(
    "kinetra", "Cząsteczki, które się zetkną, wymieniają się całymi prędkościami (model programu)");
inline constexpr const char* kExact = QT_TRANSLATE_NOOP("kinetra", "dokładny");
inline constexpr const char* kExactHint = QT_TRANSLATE_NOOP(
    "kinetra", "Cząsteczki są sprężystymi krążkami: zderzają się jak w teorii kinetycznej gazów");
inline constexpr const char* kHistogram = QT_TRANSLATE_NOOP("kinetra", "Histogram prędkości");
inline constexpr const char* kHistogramHint = QT_TRANSLATE_NOOP(
    "kinetra",
    "Rozkład prędkości cząsteczek obok naczynia, z krzywą Maxwella dla tej samej energii");

// The experiment panel's captions before an initialiser writes them.
inline constexpr const char* kCount = QT_TRANSLATE_NOOP("kinetra", "Liczba cząsteczek");
inline constexpr const char* kMeanSpeed = QT_TRANSLATE_NOOP("kinetra", "Vśr. cząsteczek:");
inline constexpr const char* kMass = QT_TRANSLATE_NOOP("kinetra", "Masa cząsteczek gazu:");

// The free-path table.
inline constexpr const char* kFreePathX1 = QT_TRANSLATE_NOOP("kinetra", "Liczba");
inline constexpr const char* kFreePathX2 = QT_TRANSLATE_NOOP("kinetra", "cząsteczek N");
inline constexpr const char* kFreePathY1 = QT_TRANSLATE_NOOP("kinetra", "Średnia droga swobodna ");
inline constexpr const char* kFreePathY2 = QT_TRANSLATE_NOOP("kinetra", "s [jedn.]");
inline constexpr const char* kFreePathChart1 =
    QT_TRANSLATE_NOOP("kinetra", "Wykres zależności średniej drogi swobodnej");
inline constexpr const char* kFreePathChart2 =
    QT_TRANSLATE_NOOP("kinetra", "od liczby cząsteczek w naczyniu");

// Classroom additions.
inline constexpr const char* kView = QT_TRANSLATE_NOOP("kinetra", "Widok");
inline constexpr const char* kVelocityLines =
    QT_TRANSLATE_NOOP("kinetra", "Pokaż wektory prędkości");
inline constexpr const char* kLargeView = QT_TRANSLATE_NOOP("kinetra", "Duży podgląd");
inline constexpr const char* kLabelUndetermined =
    QT_TRANSLATE_NOOP("kinetra", "Opis przy „nieokreślona”");
inline constexpr const char* kHeatSettings =
    QT_TRANSLATE_NOOP("kinetra", "Ustawienia tej symulacji");
inline constexpr const char* kHeatMaxSpeed =
    QT_TRANSLATE_NOOP("kinetra", "Maksymalna szybkość cząsteczek:");
inline constexpr const char* kHeatSpeedFactor =
    QT_TRANSLATE_NOOP("kinetra", "Mnożnik prędkości (x/2):");
inline constexpr const char* kHeatMass = QT_TRANSLATE_NOOP("kinetra", "Masa cząsteczki gazu [u]:");
inline constexpr const char* kHeatDefaults = QT_TRANSLATE_NOOP("kinetra", "Wartości początkowe");
inline constexpr const char* kHeatHint = QT_TRANSLATE_NOOP(
    "kinetra", "Te same wartości ustawiają panel warunków początkowych i suwaki doświadczeń.");
inline constexpr const char* kClearTable = QT_TRANSLATE_NOOP("kinetra", "Wyczyść tabelę");
inline constexpr const char* kClearQuestion =
    QT_TRANSLATE_NOOP("kinetra", "Czy na pewno usunąć wszystkie liczby z tabeli pomiarów?");

// Files and paper: the tables' save buttons, the files' names, the print jobs' titles, the
// printed table's headings and the view's choice for paper.
inline constexpr const char* kSaveTable = QT_TRANSLATE_NOOP("kinetra", "Zapisz tabelę (CSV)");
inline constexpr const char* kSaveTableHint =
    QT_TRANSLATE_NOOP("kinetra", "Zapisz pomiary z tabeli w pliku CSV dla arkusza kalkulacyjnego");
inline constexpr const char* kSaveChart = QT_TRANSLATE_NOOP("kinetra", "Zapisz wykres (PNG/PDF)");
inline constexpr const char* kSaveChartHint =
    QT_TRANSLATE_NOOP("kinetra", "Zapisz wykres jako obraz PNG albo stronę PDF");
inline constexpr const char* kChartDialogTitle = QT_TRANSLATE_NOOP("kinetra", "Zapisz wykres");
inline constexpr const char* kChartFilter =
    QT_TRANSLATE_NOOP("kinetra", "Obraz PNG (*.png);;Strona PDF (*.pdf)");
inline constexpr const char* kTableFile = QT_TRANSLATE_NOOP("kinetra", "pomiary.csv");
inline constexpr const char* kChartFile = QT_TRANSLATE_NOOP("kinetra", "wykres.png");
inline constexpr const char* kPictureFile = QT_TRANSLATE_NOOP("kinetra", "symulacja.png");
inline constexpr const char* kDiffusionJob =
    QT_TRANSLATE_NOOP("kinetra", "Wydruk ekranu symulacji Dyfuzja - ilustracja procesu");
inline constexpr const char* kFreePathJob =
    QT_TRANSLATE_NOOP("kinetra", "Wydruk ekranu symulacji Droga swobodna");
inline constexpr const char* kWallJob =
    QT_TRANSLATE_NOOP("kinetra", "Wydruk ekranu symulacji Zderzenia ze ściankami naczynia");
inline constexpr const char* kHeatJob =
    QT_TRANSLATE_NOOP("kinetra", "Wydruk ekranu symulacji Transport ciepła");
inline constexpr const char* kPressureJob =
    QT_TRANSLATE_NOOP("kinetra", "Wydruk ekranu symulacji Pojęcie ciśnienia");
inline constexpr const char* kTableJob = QT_TRANSLATE_NOOP("kinetra", "Wydruk tabeli pomiarów - ");
inline constexpr const char* kDateFormat = QT_TRANSLATE_NOOP("kinetra", "dd.MM.yyyy");
inline constexpr const char* kPrintedCount = QT_TRANSLATE_NOOP("kinetra", "Liczba cząsteczek");
inline constexpr const char* kPrintedFreePath =
    QT_TRANSLATE_NOOP("kinetra", "Średnia droga swobodna [jednostka]");
inline constexpr const char* kWhitePaper = QT_TRANSLATE_NOOP("kinetra", "druk na białym tle");
inline constexpr const char* kWhitePaperHint = QT_TRANSLATE_NOOP(
    "kinetra",
    "Przycisk „Drukuj” nad symulacją: obraz ekranu drukuje się na białym tle zamiast\n"
    "czarnego, co oszczędza toner. Dyfuzja bez wykresu i droga swobodna drukują się na białym\n"
    "tle zawsze.");

// The Units dialog.
inline constexpr const char* kUnitsTitle =
    QT_TRANSLATE_NOOP("kinetra", "Jednostki stosowane w programie");
inline constexpr const char* kUnitsLines[] = {
    QT_TRANSLATE_NOOP("kinetra", "W programie zastosowano umowne jednostki wielkości fizycznych."),
    QT_TRANSLATE_NOOP("kinetra", "Oto znaczenie poszczególnych miar wielkości fizycznyc"),
};
// Each quantity with what it is measured in.
inline constexpr const char* kUnitsRows[][2] = {
    {QT_TRANSLATE_NOOP("kinetra", "DŁUGOŚĆ"),
     QT_TRANSLATE_NOOP("kinetra", "wyrażona jest w pikselach")},
    {QT_TRANSLATE_NOOP("kinetra", "CZAS"),
     QT_TRANSLATE_NOOP("kinetra", "wyrażony jest w sekundach")},
    {QT_TRANSLATE_NOOP("kinetra", "OBJĘTOŚC NACZYNIA"),
     QT_TRANSLATE_NOOP("kinetra",
                       "wyrażona jest w jednostce piksel x piksel. Naczynie jest dwuwymiarowe. ")},
    {"", QT_TRANSLATE_NOOP("kinetra",
                           "Wszelkie obliczenia wielkości mierzonych uwzgldniają mniejszą liczbę "
                           "stopni swobody ")},
    {"", QT_TRANSLATE_NOOP("kinetra", "cząsteczek mieszaniny.")},
    {QT_TRANSLATE_NOOP("kinetra", "PRĘDKOŚĆ"),
     QT_TRANSLATE_NOOP("kinetra", "mierzona jest w jednostce liczba pikseli/ms")},
    {QT_TRANSLATE_NOOP("kinetra", "MASA"),
     QT_TRANSLATE_NOOP("kinetra", "wyrażona jest w jednostce masy atomowej u")},
    {QT_TRANSLATE_NOOP("kinetra", "CIŚNIENIE"),
     QT_TRANSLATE_NOOP("kinetra", "mierzone jest w jednostce umownej")},
    {QT_TRANSLATE_NOOP("kinetra", "TEMPERATURA"),
     QT_TRANSLATE_NOOP("kinetra", "mierzone jest w jednostce umownej")},
};

// The About dialog.
inline constexpr const char* kAboutTitle = QT_TRANSLATE_NOOP("kinetra", "O programie");
inline constexpr const char* kAuthors = QT_TRANSLATE_NOOP("kinetra", "Autorzy:");
inline constexpr const char* kVersion = QT_TRANSLATE_NOOP("kinetra", "Wersja produktu: 2.0");
inline constexpr const char* kYear = QT_TRANSLATE_NOOP("kinetra", "Rok produkcji: 2003");
inline constexpr const char* kOk = QT_TRANSLATE_NOOP("kinetra", "OK");

}  // namespace page_texts
