#pragma once

#include <QString>

#include "ui/FormControls.h"

// The texts of the table panel and of the eight studies of how the pressure and the temperature
// depend on the number of particles, their mean speed, their mass and the size of the vessel.
// Captions keep their exact spelling and blanks.
namespace study_texts {

inline const QString kHideTable = QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Ukryj panel"));
inline const QString kShowTable =
    QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Pokaż tabelę pomiarów"));
inline const QString kDrawChart = QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Rysuj wykres"));
inline const QString kPrintTable =
    QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Drukuj tabelę i wykres"));
inline const QString kRunSimulation =
    QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Uruchom symulację"));
inline const QString kMemo78 = QStringLiteral(QT_TRANSLATE_NOOP(
    "kinetra", "Powtórz doświadczenie dla różnych parametrów początkowych układu."));

// Headings of the table and its chart before a study sets them.
inline const QString kDefaultX1 = QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Liczba"));
inline const QString kDefaultX2 = QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "cząsteczek N"));
inline const QString kDefaultY = QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Ciśnienie p"));
inline const QString kMultiplier = QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "x 10 "));
inline const QString kExponent = QStringLiteral("-26");
inline const QString kUnit = QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "[jedn.]"));
inline const QString kDefaultChart1 =
    QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Wykres zależności ciśnienia gazu"));
inline const QString kDefaultChart2 =
    QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "od liczby cząsteczek w naczyniu"));

// Instructions, one per study; the study shows its own and hides the rest.
inline const QString kMemo75 = QStringLiteral(QT_TRANSLATE_NOOP(
    "kinetra",
    "Ustaw następujące parametry układu: \n"
    "- średnia prędkość cząsteczek (Vśr.): około 100 jednostek,\n"
    "- masa cząsteczki gazu: 7 u,\n"
    "- szerokość naczynia: 400 jednostek.\n"
    "Potem suwakiem „Liczba cząsteczek” zmieniaj liczbę cząsteczek gazu. Dla każdej liczby "
    "cząsteczek odczytaj wskazanie manometru i wpisz do tabeli liczbę cząsteczek N oraz "
    "ciśnienie p. Powtórz pomiar dla kilku, a najlepiej kilkunastu różnych liczb cząsteczek. "
    "Na koniec narysuj wykres i zastanów się, jak ciśnienie gazu zależy od liczby jego "
    "cząsteczek."));
inline const QString kMemo34 = QStringLiteral(QT_TRANSLATE_NOOP(
    "kinetra",
    "Ustaw następujące parametry układu: \n"
    "- masa cząsteczki gazu: 7 u,\n"
    "- szerokość naczynia: 500 jednostek,\n"
    "- liczba cząsteczek: 500.\n"
    "Potem suwakiem „Vśr. cząsteczek” zmieniaj średnią prędkość cząsteczek gazu. Dla każdej "
    "prędkości odczytaj wskazanie manometru i wpisz do tabeli średnią prędkość Vśr oraz "
    "ciśnienie p. Powtórz pomiar dla kilku, a najlepiej kilkunastu różnych prędkości. Na koniec "
    "narysuj wykres i zastanów się, jak ciśnienie gazu zależy od średniej prędkości jego "
    "cząsteczek."));
inline const QString kMemo33 = QStringLiteral(QT_TRANSLATE_NOOP(
    "kinetra",
    "Ustaw następujące parametry układu: \n"
    "- średnia prędkość cząsteczek (Vśr.): około 100 jednostek,\n"
    "- szerokość naczynia: 500 jednostek,\n"
    "- liczba cząsteczek: 500.\n"
    "Potem suwakiem „Masa cząsteczek gazu” zmieniaj masę cząsteczek. Dla każdej masy odczytaj "
    "wskazanie manometru i wpisz do tabeli masę cząsteczki m oraz ciśnienie p. Powtórz pomiar "
    "dla kilku, a najlepiej kilkunastu różnych mas. Na koniec narysuj wykres i zastanów się, "
    "jak ciśnienie gazu zależy od masy jego cząsteczek."));
inline const QString kMemo32 = QStringLiteral(QT_TRANSLATE_NOOP(
    "kinetra",
    "Ustaw następujące parametry układu: \n"
    "- średnia prędkość cząsteczek (Vśr.): około 120 jednostek,\n"
    "- masa cząsteczki gazu: 9 u,\n"
    "- liczba cząsteczek: 500.\n"
    "Potem suwakiem „Szerokość naczynia” zmieniaj bok naczynia. Naczynie jest kwadratem, więc "
    "jego objętość to bok pomnożony przez bok: V = bok × bok. Dla każdego boku oblicz V, "
    "odczytaj wskazanie manometru i wpisz do tabeli objętość V oraz ciśnienie p. Powtórz pomiar "
    "dla kilku, a najlepiej kilkunastu różnych boków. Na koniec narysuj wykres i zastanów się, "
    "jak ciśnienie gazu zależy od objętości naczynia."));
inline const QString kMemo35 = QStringLiteral(QT_TRANSLATE_NOOP(
    "kinetra",
    "Ustaw następujące parametry układu: \n"
    "- średnia prędkość cząsteczek (Vśr.): około 100 jednostek,\n"
    "- masa cząsteczki gazu: 7 u,\n"
    "- szerokość naczynia: 400 jednostek.\n"
    "Potem suwakiem „Liczba cząsteczek” zmieniaj liczbę cząsteczek gazu. Dla każdej liczby "
    "cząsteczek odczytaj wskazanie termometru i wpisz do tabeli liczbę cząsteczek N oraz "
    "temperaturę T. Powtórz pomiar dla kilku, a najlepiej kilkunastu różnych liczb cząsteczek. "
    "Na koniec narysuj wykres i zastanów się, czy temperatura gazu zależy od liczby jego "
    "cząsteczek."));
inline const QString kMemo36 = QStringLiteral(QT_TRANSLATE_NOOP(
    "kinetra",
    "Ustaw następujące parametry układu: \n"
    "- masa cząsteczki gazu: 7 u,\n"
    "- szerokość naczynia: 500 jednostek,\n"
    "- liczba cząsteczek: 500.\n"
    "Potem suwakiem „Vśr. cząsteczek” zmieniaj średnią prędkość cząsteczek gazu. Dla każdej "
    "prędkości odczytaj wskazanie termometru i wpisz do tabeli średnią prędkość Vśr oraz "
    "temperaturę T. Powtórz pomiar dla kilku, a najlepiej kilkunastu różnych prędkości. "
    "Na koniec narysuj wykres i zastanów się, jak temperatura gazu zależy od średniej "
    "prędkości jego cząsteczek."));
inline const QString kMemo37 = QStringLiteral(QT_TRANSLATE_NOOP(
    "kinetra",
    "Ustaw następujące parametry układu: \n"
    "- średnia prędkość cząsteczek (Vśr.): około 100 jednostek,\n"
    "- szerokość naczynia: 500 jednostek,\n"
    "- liczba cząsteczek: 500.\n"
    "Potem suwakiem „Masa cząsteczek gazu” zmieniaj masę cząsteczek. Dla każdej masy odczytaj "
    "wskazanie termometru i wpisz do tabeli masę cząsteczki m oraz temperaturę T. Powtórz "
    "pomiar dla kilku, a najlepiej kilkunastu różnych mas. Na koniec narysuj wykres i zastanów "
    "się, jak temperatura gazu zależy od masy jego cząsteczek."));
inline const QString kMemo38 = QStringLiteral(QT_TRANSLATE_NOOP(
    "kinetra",
    "Ustaw następujące parametry układu: \n"
    "- średnia prędkość cząsteczek (Vśr.): około 120 jednostek,\n"
    "- masa cząsteczki gazu: 9 u,\n"
    "- liczba cząsteczek: 500.\n"
    "Potem suwakiem „Szerokość naczynia” zmieniaj bok naczynia. Naczynie jest kwadratem, więc "
    "jego objętość to bok pomnożony przez bok: V = bok × bok. Dla każdego boku oblicz V, "
    "odczytaj wskazanie termometru i wpisz do tabeli objętość V oraz temperaturę T. Powtórz "
    "pomiar dla kilku, a najlepiej kilkunastu różnych boków. Na koniec narysuj wykres i "
    "zastanów się, czy temperatura gazu zależy od objętości naczynia."));

// What choosing a study writes: the pane's title and description, the table's headings, the
// chart's title, x caption and curve (1 hyperbola, 2 straight line, 3 parabola) and the
// instruction shown.
struct Study {
    ClickLabel* MainMenuControls::*Link;  // the exercise link chosen
    bool Pressure;                        // a pressure study (else temperature)
    QString Title;                        // Label72 or Label43
    QString Description;                  // Memo72 or Memo24
    QString X1, X2;                       // Label102, Label105
    QString Chart1, Chart2;               // Label115, Label116
    const char* ChartXCaption;
    int ChartKind;
    QPlainTextEdit* StudyTablePanel::*Memo;
};

inline const Study kStudies[] = {
    {&MainMenuControls::Label97, true,
     QStringLiteral(
         QT_TRANSLATE_NOOP("kinetra", "Badanie zależności ciśnienia od ilości cząsteczek gazu")),
     QStringLiteral(QT_TRANSLATE_NOOP(
         "kinetra",
         "Zbadamy czy i jak zależy ciśnienie gazu od liczby cząsteczek gazu "
         "znajdujących się w zamkniętym naczyniu. Doświadczenie będzie polegało na "
         "pomiarze ciśnienia dla różnej liczby cząsteczek gazu.")),
     QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Liczba")),
     QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "cząsteczek N")),
     QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Wykres zależności ciśnienia gazu")),
     QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "od liczby cząsteczek gazu")),
     QT_TRANSLATE_NOOP("kinetra", "N"), 2, &StudyTablePanel::Memo75},
    {&MainMenuControls::Label98, true,
     QStringLiteral(QT_TRANSLATE_NOOP(
         "kinetra", "Badanie zależności ciśnienia od średniej prędkości cząsteczek gazu")),
     QStringLiteral(QT_TRANSLATE_NOOP(
         "kinetra",
         "Zbadamy czy i jak zależy ciśnienie gazu od średniej prędkości cząsteczek "
         "gazu znajdujących się w zamkniętym naczyniu. Doświadczenie będzie polegało "
         "na pomiarze ciśnienia dla różnych wartości prędkości cząsteczek gazu.")),
     QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Śr. prędkość")),
     QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "cząsteczek Vśr")),
     QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Wykres zależności ciśnienia gazu")),
     QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "od średniej prędkości cząsteczek gazu")),
     QT_TRANSLATE_NOOP("kinetra", "Vśr [jedn.]"), 3, &StudyTablePanel::Memo34},
    {&MainMenuControls::Label99, true,
     QStringLiteral(
         QT_TRANSLATE_NOOP("kinetra", "Badanie zależności ciśnienia od masy cząsteczek gazu")),
     QStringLiteral(QT_TRANSLATE_NOOP(
         "kinetra",
         "Zbadamy czy i jak zależy ciśnienie gazu od masy cząsteczek gazu "
         "znajdujących się w zamkniętym naczyniu. Doświadczenie będzie polegało na "
         "pomiarze ciśnienia dla różnych wartości masy cząsteczek gazu.")),
     QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Masa")),
     QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "cząsteczek m")),
     QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Wykres zależności ciśnienia gazu")),
     QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "od masy cząsteczek gazu")),
     QT_TRANSLATE_NOOP("kinetra", "m [u]"), 2, &StudyTablePanel::Memo33},
    {&MainMenuControls::Label100, true,
     QStringLiteral(
         QT_TRANSLATE_NOOP("kinetra", "Badanie zależności ciśnienia od wielkości naczynia")),
     QStringLiteral(QT_TRANSLATE_NOOP(
         "kinetra",
         "Zbadamy czy i jak zależy ciśnienie gazu od wielkości naczynia. "
         "Doświadczenie będzie polegało na pomiarze ciśnienia dla różnych wartoci "
         "objetości naczynia.")),
     QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Objętość")),
     QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "naczynia V")),
     QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Wykres zależności ciśnienia gazu")),
     QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "od objętości naczynia")),
     QT_TRANSLATE_NOOP("kinetra", "V [jedn.]"), 1, &StudyTablePanel::Memo32},
    {&MainMenuControls::Label47, false,
     QStringLiteral(
         QT_TRANSLATE_NOOP("kinetra", "Badanie zależności temperatury od ilości cząsteczek gazu")),
     QStringLiteral(QT_TRANSLATE_NOOP(
         "kinetra",
         "Zbadamy czy i jak zależy temperatura gazu od liczby cząsteczek zbajdujących "
         "się w zamkniętym naczyniu. Doświadczenie będzie polegało na pomiarze "
         "temperatury dla różnej liczby cząsteczek w każdym powtórzeniu "
         "doświadczenia.")),
     QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Liczba")),
     QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "cząsteczek N")),
     QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Wykres zależności temperatury gazu")),
     QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "od liczby cząsteczek gazu")),
     QT_TRANSLATE_NOOP("kinetra", "N"), 2, &StudyTablePanel::Memo35},
    {&MainMenuControls::Label65, false,
     QStringLiteral(QT_TRANSLATE_NOOP(
         "kinetra", "Badanie zależności temperatury od średniej prędkości cząsteczek gazu")),
     QStringLiteral(QT_TRANSLATE_NOOP(
         "kinetra",
         "Zbadamy czy i jak zależy temperatura gazu od średniej prędkości cząsteczek "
         "gazu znajdujących się w zamkniętym naczyniu. Doświadczenie będzie polegało "
         "na pomiarze temperatury dla różnych wartości średnich prędkości "
         "cząsteczek.")),
     QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Śr. prędkość")),
     QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "cząsteczek Vśr")),
     QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Wykres zależności temperatury gazu")),
     QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "od śedniej prędkości cząsteczek gazu")),
     QT_TRANSLATE_NOOP("kinetra", "Vśr [jedn.]"), 3, &StudyTablePanel::Memo36},
    {&MainMenuControls::Label75, false,
     QStringLiteral(
         QT_TRANSLATE_NOOP("kinetra", "Badanie zależności temperatury od masy cząsteczek gazu")),
     QStringLiteral(QT_TRANSLATE_NOOP(
         "kinetra",
         "Zbadamy czy i jak zależy temperatura gazu od masy cząsteczek gazu "
         "znajdujących się w zamkniętym naczyniu. Doświadczenie będzie polegało na "
         "pomiarze temperatury dla różnych wartości mas cząsteczek.")),
     QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Masa")),
     QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "cząsteczek m")),
     QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Wykres zależności temperatury gazu")),
     QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "od masy cząsteczek gazu")),
     QT_TRANSLATE_NOOP("kinetra", "m [u]"), 2, &StudyTablePanel::Memo37},
    {&MainMenuControls::Label76, false,
     QStringLiteral(
         QT_TRANSLATE_NOOP("kinetra", "Badanie zależności temperatury od wielkości naczynia")),
     QStringLiteral(QT_TRANSLATE_NOOP(
         "kinetra",
         "Zbadamy czy i jak zależy temperatura gazu od wielkości naczynia. "
         "Doświadczenie będzie polegało na pomiarze temperatury dla różnych wartości "
         "objętości naczynia.")),
     QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Objętość")),
     QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "naczynia V")),
     QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Wykres zależności temperatury gazu")),
     QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "od objętości naczynia")),
     QT_TRANSLATE_NOOP("kinetra", "V [jedn]"), 2, &StudyTablePanel::Memo38},
};

// The instructions in the order the studies hide them.
}  // namespace study_texts
