#pragma once

#include "core/TextId.h"

// What the run control tells the pupil, and the words of its tool buttons and notes.
namespace run_texts {

inline constexpr const char* kPauseHint = QT_TRANSLATE_NOOP("kinetra", "Pauza");
inline constexpr const char* kResumeHint = QT_TRANSLATE_NOOP("kinetra", "Wznów");
inline constexpr const char* kErrorTitle = QT_TRANSLATE_NOOP("kinetra", "Bład");
inline constexpr const char* kInvalidValue = QT_TRANSLATE_NOOP("kinetra", "Nieprawidłowa wartość");
inline constexpr const char* kTooFewCollisions =
    QT_TRANSLATE_NOOP("kinetra", "Nieprawidłowa wartość! Minimalna liczba zderzeń: 100");
inline constexpr const char* kTooManyParticles =
    QT_TRANSLATE_NOOP("kinetra", "Zmniejsz liczbę cząsteczek gazu");
inline constexpr const char* kHeatTransportFailed =
    QT_TRANSLATE_NOOP("kinetra",
                      "Nie udało się rozmieścić cząsteczek gazu i przegrody w naczyniu. "
                      "Spróbuj uruchomić symulację jeszcze raz.");
inline constexpr const char* kVesselTooSmall =
    QT_TRANSLATE_NOOP("kinetra",
                      "W naczyniu o szerokości %1 jedn. nie zmieszczą się "
                      "wszystkie cząsteczki gazu. Szerokość naczynia "
                      "pozostaje równa %2 jedn.");
inline constexpr const char* kPlacingNote =
    QT_TRANSLATE_NOOP("kinetra", "Trwa rozmieszczanie cząsteczek…");
inline constexpr const char* kStopNote = QT_TRANSLATE_NOOP(
    "kinetra",
    "Symulację zatrzymano po %1 zderzeniach śledzonej cząsteczki. Aby ją kontynuować, "
    "naciśnij przycisk „Wznów”.");

}  // namespace run_texts
