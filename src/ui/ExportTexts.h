#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QString>

// The texts of saving to files: the buttons, their dialogs and the failure message. Each is
// translated when it is used, so that it follows the language chosen.
namespace export_texts {

// Buttons beside the tables' print buttons, and the tool button beside "Drukuj".
inline QString SaveTableCaption() {
    return QCoreApplication::translate("Export", "Zapisz tabelę (CSV)");
}
inline QString SaveTableHint() {
    return QCoreApplication::translate(
        "Export", "Zapisz pomiary z tabeli w pliku CSV dla arkusza kalkulacyjnego");
}
inline QString SaveChartCaption() {
    return QCoreApplication::translate("Export", "Zapisz wykres (PNG/PDF)");
}
inline QString SaveChartHint() {
    return QCoreApplication::translate("Export", "Zapisz wykres jako obraz PNG albo stronę PDF");
}
inline QString SavePictureHint() {
    return QCoreApplication::translate("Export", "Zapisz obraz");
}

// The save dialogs: title, suggested name and the types offered.
inline QString TableDialogTitle() {
    return QCoreApplication::translate("Export", "Zapisz tabelę pomiarów");
}
inline QString TableFileName() {
    return QCoreApplication::translate("Export", "pomiary.csv");
}
inline QString TableFilter() {
    return QCoreApplication::translate("Export", "Plik CSV (*.csv)");
}
inline QString ChartDialogTitle() {
    return QCoreApplication::translate("Export", "Zapisz wykres");
}
inline QString ChartFileName() {
    return QCoreApplication::translate("Export", "wykres.png");
}
inline QString ChartFilter() {
    return QCoreApplication::translate("Export", "Obraz PNG (*.png);;Strona PDF (*.pdf)");
}
inline QString PictureDialogTitle() {
    return QCoreApplication::translate("Export", "Zapisz obraz symulacji");
}
inline QString PictureFileName() {
    return QCoreApplication::translate("Export", "symulacja.png");
}
inline QString PictureFilter() {
    return QCoreApplication::translate("Export", "Obraz PNG (*.png)");
}

// A file that could not be written, with the system's reason when there is one.
inline QString SaveErrorTitle() {
    return QCoreApplication::translate("Export", "Zapisywanie pliku");
}
inline QString SaveFailed(const QString& path, const QString& reason) {
    const QString why =
        reason.isEmpty() ? QCoreApplication::translate("Export", "błąd zapisu") : reason;
    return QCoreApplication::translate("Export", "Nie udało się zapisać pliku „%1”.\nPowód: %2")
        .arg(QDir::toNativeSeparators(path), why);
}

}  // namespace export_texts
