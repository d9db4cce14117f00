#pragma once

#include <QString>
#include <QtGlobal>

#include "ui/FormControls.h"

// What the exact model teaches in each dependency study, written under the study's table while
// that model runs. The temperature studies of the simple model show T growing with N; these say
// which law the exact model shows instead.
namespace exact_study_texts {

inline const QString kPressure = QStringLiteral(QT_TRANSLATE_NOOP(
    "kinetra",
    "Model dokładny: ciśnienie mierzy się z uderzeń cząsteczek o ścianki. Po każdej zmianie "
    "odczekaj około 10 s, aż wskazanie manometru się ustali."));
inline const QString kTemperatureNumber = QStringLiteral(QT_TRANSLATE_NOOP(
    "kinetra",
    "Model dokładny: temperatura to średnia energia jednej cząsteczki, więc nie zależy od "
    "liczby cząsteczek (w modelu prostym rośnie razem z nią)."));
inline const QString kTemperatureSpeed = QStringLiteral(QT_TRANSLATE_NOOP(
    "kinetra",
    "Model dokładny: temperatura to średnia energia jednej cząsteczki, więc rośnie z kwadratem "
    "średniej prędkości."));
inline const QString kTemperatureMass = QStringLiteral(QT_TRANSLATE_NOOP(
    "kinetra",
    "Model dokładny: temperatura to średnia energia jednej cząsteczki, więc przy tej samej "
    "prędkości rośnie proporcjonalnie do masy."));
inline const QString kTemperatureVolume = QStringLiteral(QT_TRANSLATE_NOOP(
    "kinetra",
    "Model dokładny: temperatura to średnia energia jednej cząsteczki, więc nie zależy od "
    "wielkości naczynia."));

struct Note {
    QPlainTextEdit* StudyTablePanel::*Memo;  // the study's instruction
    const QString* Text;
};

inline const Note kNotes[] = {
    {&StudyTablePanel::Memo75, &kPressure},
    {&StudyTablePanel::Memo34, &kPressure},
    {&StudyTablePanel::Memo33, &kPressure},
    {&StudyTablePanel::Memo32, &kPressure},
    {&StudyTablePanel::Memo35, &kTemperatureNumber},
    {&StudyTablePanel::Memo36, &kTemperatureSpeed},
    {&StudyTablePanel::Memo37, &kTemperatureMass},
    {&StudyTablePanel::Memo38, &kTemperatureVolume},
};

}  // namespace exact_study_texts
