#pragma once

#include "core/TextId.h"

// The texts of the study table's panel that every study shares; the studies' own are in the
// catalogue. Captions keep their exact spelling and blanks.
namespace study_texts {

inline constexpr const char* kHideTable = QT_TRANSLATE_NOOP("kinetra", "Ukryj panel");
inline constexpr const char* kShowTable = QT_TRANSLATE_NOOP("kinetra", "Pokaż tabelę pomiarów");
inline constexpr const char* kDrawChart = QT_TRANSLATE_NOOP("kinetra", "Rysuj wykres");
inline constexpr const char* kPrintTable = QT_TRANSLATE_NOOP("kinetra", "Drukuj tabelę i wykres");
inline constexpr const char* kRunSimulation = QT_TRANSLATE_NOOP("kinetra", "Uruchom symulację");
inline constexpr const char* kMemo78 = QT_TRANSLATE_NOOP(
    "kinetra", "Powtórz doświadczenie dla różnych parametrów początkowych układu.");

// Headings of the table and its chart before a study sets them.
inline constexpr const char* kDefaultX1 = QT_TRANSLATE_NOOP("kinetra", "Liczba");
inline constexpr const char* kDefaultX2 = QT_TRANSLATE_NOOP("kinetra", "cząsteczek N");
inline constexpr const char* kDefaultY = QT_TRANSLATE_NOOP("kinetra", "Ciśnienie p");
inline constexpr const char* kMultiplier = QT_TRANSLATE_NOOP("kinetra", "x 10 ");
inline constexpr const char* kExponent = "-26";
inline constexpr const char* kUnit = QT_TRANSLATE_NOOP("kinetra", "[jedn.]");
inline constexpr const char* kDefaultChart1 =
    QT_TRANSLATE_NOOP("kinetra", "Wykres zależności ciśnienia gazu");
inline constexpr const char* kDefaultChart2 =
    QT_TRANSLATE_NOOP("kinetra", "od liczby cząsteczek w naczyniu");

// The y heading's quantity, by the study's kind.
inline constexpr const char* kPressureHeading = QT_TRANSLATE_NOOP("kinetra", "Ciśnienie");
inline constexpr const char* kTemperatureHeading = QT_TRANSLATE_NOOP("kinetra", "Temperatura");

}  // namespace study_texts
