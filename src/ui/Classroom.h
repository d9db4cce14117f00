#pragma once

#include <QString>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;

// What the window adds for class use around the described screens: view choices that last
// until the program ends, a word where a run stops by itself, a way back from the parameters,
// the heat transport's settings on its page and a clear button for each table.
struct ClassroomControls {
    // On the main menu, under its buttons: how the pictures are drawn and printed.
    QGroupBox* ViewGroup = nullptr;
    QCheckBox* VelocityLines = nullptr;      // pressure: the particles' velocity lines (on)
    QCheckBox* LargeView = nullptr;          // for a projector (off)
    QCheckBox* LabelUndetermined = nullptr;  // heat transport: "nieokreślona" with its label (off)
    QCheckBox* WhitePaper = nullptr;         // beside "Drukuj": screen copies on white paper
    // Beside the free-path picture once the run stopped after its collisions.
    QLabel* StopNote = nullptr;
    // On the initial-conditions panel opened from a run: back to the paused run.
    QPushButton* CancelParameters = nullptr;
    // On the heat transport's page: the settings its run starts with.
    QGroupBox* HeatSettings = nullptr;
    QSpinBox* HeatMaxSpeed = nullptr;     // SpinEdit4
    QSpinBox* HeatSpeedFactor = nullptr;  // TrackBar2
    QSpinBox* HeatMass = nullptr;         // TrackBar3
    QPushButton* HeatDefaults = nullptr;
    // Under each table.
    QPushButton* ClearFreePathTable = nullptr;
    QPushButton* ClearStudyTable = nullptr;
};

namespace classroom_texts {
inline const QString kView = QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Widok"));
inline const QString kVelocityLines =
    QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Pokaż wektory prędkości"));
inline const QString kLargeView = QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Duży podgląd"));
inline const QString kLabelUndetermined =
    QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Opis przy „nieokreślona”"));
inline const QString kWhitePaper =
    QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "druk na białym tle"));
// What each view choice changes, and on which screens.
inline const QString kVelocityLinesHint = QStringLiteral(QT_TRANSLATE_NOOP(
    "kinetra",
    "Symulacje tematu „Ciśnienie”: przy każdej cząsteczce kreska w kierunku jej ruchu,\n"
    "tym dłuższa, im szybciej cząsteczka się porusza. Wyłączone: same cząsteczki."));
inline const QString kLargeViewHint = QStringLiteral(QT_TRANSLATE_NOOP(
    "kinetra",
    "Dla projektora, w symulacjach tematów „Dyfuzja”, „Droga swobodna”\n"
    "i „Zderzenia ze ściankami naczynia”: cząsteczki wielkości 1, 2 i 3 są rysowane\n"
    "jak cząsteczki wielkości 5, a tor cząsteczki w drodze swobodnej trzy razy grubszą linią.\n"
    "Przy większych cząsteczkach zmienia się tylko ten tor."));
inline const QString kLabelUndeterminedHint = QStringLiteral(QT_TRANSLATE_NOOP(
    "kinetra",
    "Symulacja tematu „Transport ciepła”: gdy temperatura wychodzi poza skalę termometru,\n"
    "wiersz pokazuje przed słowem „nieokreślona” swój opis,\n"
    "np. „Temperatura przegrody = nieokreślona”. Temperatury na skali wyglądają tak samo."));
inline const QString kWhitePaperHint = QStringLiteral(QT_TRANSLATE_NOOP(
    "kinetra",
    "Przycisk „Drukuj” nad symulacją: obraz ekranu drukuje się na białym tle zamiast\n"
    "czarnego, co oszczędza toner. Dyfuzja bez wykresu i droga swobodna drukują się na białym\n"
    "tle zawsze."));
inline const QString kCancel = QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Anuluj"));
inline const QString kHeatSettings =
    QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Ustawienia tej symulacji"));
inline const QString kHeatMaxSpeed =
    QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Maksymalna szybkość cząsteczek:"));
inline const QString kHeatSpeedFactor =
    QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Mnożnik prędkości (x/2):"));
inline const QString kHeatMass =
    QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Masa cząsteczki gazu [u]:"));
inline const QString kHeatDefaults =
    QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Wartości początkowe"));
inline const QString kHeatHint = QStringLiteral(QT_TRANSLATE_NOOP(
    "kinetra", "Te same wartości ustawiają panel warunków początkowych i suwaki doświadczeń."));
inline const QString kClearTable = QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Wyczyść tabelę"));
inline const QString kClearQuestion = QStringLiteral(
    QT_TRANSLATE_NOOP("kinetra", "Czy na pewno usunąć wszystkie liczby z tabeli pomiarów?"));
}  // namespace classroom_texts
