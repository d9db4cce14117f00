#pragma once

#include <QDir>
#include <QString>

#include "measure/Language.h"

// The texts of saving to files: the buttons, their dialogs and the failure message. Each is
// translated when it is used, so that it follows the language chosen.
namespace export_texts {

// Buttons beside the tables' print buttons, and the tool button beside "Drukuj".
inline QString SaveTableCaption() {
    return Tr(QT_TRANSLATE_NOOP("kinetra", "Zapisz tabelę (CSV)"));
}
inline QString SaveTableHint() {
    return Tr(QT_TRANSLATE_NOOP("kinetra",
                                "Zapisz pomiary z tabeli w pliku CSV dla arkusza kalkulacyjnego"));
}
inline QString SaveChartCaption() {
    return Tr(QT_TRANSLATE_NOOP("kinetra", "Zapisz wykres (PNG/PDF)"));
}
inline QString SaveChartHint() {
    return Tr(QT_TRANSLATE_NOOP("kinetra", "Zapisz wykres jako obraz PNG albo stronę PDF"));
}
inline QString SavePictureHint() {
    return Tr(QT_TRANSLATE_NOOP("kinetra", "Zapisz obraz"));
}

// The save dialogs: title, suggested name and the types offered.
inline QString TableDialogTitle() {
    return Tr(QT_TRANSLATE_NOOP("kinetra", "Zapisz tabelę pomiarów"));
}
inline QString TableFileName() {
    return Tr(QT_TRANSLATE_NOOP("kinetra", "pomiary.csv"));
}
inline QString TableFilter() {
    return Tr(QT_TRANSLATE_NOOP("kinetra", "Plik CSV (*.csv)"));
}
inline QString ChartDialogTitle() {
    return Tr(QT_TRANSLATE_NOOP("kinetra", "Zapisz wykres"));
}
inline QString ChartFileName() {
    return Tr(QT_TRANSLATE_NOOP("kinetra", "wykres.png"));
}
inline QString ChartFilter() {
    return Tr(QT_TRANSLATE_NOOP("kinetra", "Obraz PNG (*.png);;Strona PDF (*.pdf)"));
}
inline QString PictureDialogTitle() {
    return Tr(QT_TRANSLATE_NOOP("kinetra", "Zapisz obraz symulacji"));
}
inline QString PictureFileName() {
    return Tr(QT_TRANSLATE_NOOP("kinetra", "symulacja.png"));
}
inline QString PictureFilter() {
    return Tr(QT_TRANSLATE_NOOP("kinetra", "Obraz PNG (*.png)"));
}

// A file that could not be written, with the system's reason when there is one.
inline QString SaveErrorTitle() {
    return Tr(QT_TRANSLATE_NOOP("kinetra", "Zapisywanie pliku"));
}
inline QString SaveFailed(const QString& path, const QString& reason) {
    const QString why = reason.isEmpty() ? Tr(QT_TRANSLATE_NOOP("kinetra", "błąd zapisu")) : reason;
    return Tr(QT_TRANSLATE_NOOP("kinetra", "Nie udało się zapisać pliku „%1”.\nPowód: %2"))
        .arg(QDir::toNativeSeparators(path), why);
}

}  // namespace export_texts
