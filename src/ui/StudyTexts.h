#pragma once

#include <QString>

#include "ui/FormControls.h"

// The texts of the table panel and of the eight studies of how the pressure and the temperature
// depend on the number of particles, their mean speed, their mass and the size of the vessel.
// Captions keep their exact spelling and blanks.
namespace study_texts {

inline const QString kHideTable = QStringLiteral("Ukryj panel");
inline const QString kShowTable = QStringLiteral("Pokaż tabelę pomiarów");
inline const QString kDrawChart = QStringLiteral("Rysuj wykres");
inline const QString kPrintTable = QStringLiteral("Drukuj tabelę i wykres");
inline const QString kRunSimulation = QStringLiteral("Uruchom symulację");
inline const QString kMemo78 =
    QStringLiteral("Powtórz doświadczenie dla różnych parametrów początkowych układu.");

// Headings of the table and its chart before a study sets them.
inline const QString kDefaultX1 = QStringLiteral("Liczba");
inline const QString kDefaultX2 = QStringLiteral("cząsteczek N");
inline const QString kDefaultY = QStringLiteral("Ciśnienie p");
inline const QString kMultiplier = QStringLiteral("x 10 ");
inline const QString kExponent = QStringLiteral("-26");
inline const QString kUnit = QStringLiteral("[jedn.]");
inline const QString kDefaultChart1 = QStringLiteral("Wykres zależności ciśnienia gazu");
inline const QString kDefaultChart2 = QStringLiteral("od liczby cząsteczek w naczyniu");

// Instructions, one per study; the study shows its own and hides the rest.
inline const QString kMemo75 = QStringLiteral(
    "Ustaw następujące parametry układu: \n"
    "- średnia prędkość cząsteczek (Vśr.): około 100 jednostek,\n"
    "- masa cząsteczki gazu: 7 u,\n"
    "- szerokość naczynia: 400 jednostek.\n"
    "Potem suwakiem „Liczba cząsteczek” zmieniaj liczbę cząsteczek gazu. Dla każdej liczby "
    "cząsteczek odczytaj wskazanie manometru i wpisz do tabeli liczbę cząsteczek N oraz "
    "ciśnienie p. Powtórz pomiar dla kilku, a najlepiej kilkunastu różnych liczb cząsteczek. "
    "Na koniec narysuj wykres i zastanów się, jak ciśnienie gazu zależy od liczby jego "
    "cząsteczek.");
inline const QString kMemo34 = QStringLiteral(
    "Ustaw następujące parametry układu: \n"
    "- masa cząsteczki gazu: 7 u,\n"
    "- szerokość naczynia: 500 jednostek,\n"
    "- liczba cząsteczek: 500.\n"
    "Potem suwakiem „Vśr. cząsteczek” zmieniaj średnią prędkość cząsteczek gazu. Dla każdej "
    "prędkości odczytaj wskazanie manometru i wpisz do tabeli średnią prędkość Vśr oraz "
    "ciśnienie p. Powtórz pomiar dla kilku, a najlepiej kilkunastu różnych prędkości. Na koniec "
    "narysuj wykres i zastanów się, jak ciśnienie gazu zależy od średniej prędkości jego "
    "cząsteczek.");
inline const QString kMemo33 = QStringLiteral(
    "Ustaw następujące parametry układu: \n"
    "- średnia prędkość cząsteczek (Vśr.): około 100 jednostek,\n"
    "- szerokość naczynia: 500 jednostek,\n"
    "- liczba cząsteczek: 500.\n"
    "Potem suwakiem „Masa cząsteczek gazu” zmieniaj masę cząsteczek. Dla każdej masy odczytaj "
    "wskazanie manometru i wpisz do tabeli masę cząsteczki m oraz ciśnienie p. Powtórz pomiar "
    "dla kilku, a najlepiej kilkunastu różnych mas. Na koniec narysuj wykres i zastanów się, "
    "jak ciśnienie gazu zależy od masy jego cząsteczek.");
inline const QString kMemo32 = QStringLiteral(
    "Ustaw następujące parametry układu: \n"
    "- średnia prędkość cząsteczek (Vśr.): około 120 jednostek,\n"
    "- masa cząsteczki gazu: 9 u,\n"
    "- liczba cząsteczek: 500.\n"
    "Potem suwakiem „Szerokość naczynia” zmieniaj bok naczynia. Naczynie jest kwadratem, więc "
    "jego objętość to bok pomnożony przez bok: V = bok × bok. Dla każdego boku oblicz V, "
    "odczytaj wskazanie manometru i wpisz do tabeli objętość V oraz ciśnienie p. Powtórz pomiar "
    "dla kilku, a najlepiej kilkunastu różnych boków. Na koniec narysuj wykres i zastanów się, "
    "jak ciśnienie gazu zależy od objętości naczynia.");
inline const QString kMemo35 = QStringLiteral(
    "Ustaw następujące parametry układu: \n"
    "- średnia prędkość cząsteczek (Vśr.): około 100 jednostek,\n"
    "- masa cząsteczki gazu: 7 u,\n"
    "- szerokość naczynia: 400 jednostek.\n"
    "Potem suwakiem „Liczba cząsteczek” zmieniaj liczbę cząsteczek gazu. Dla każdej liczby "
    "cząsteczek odczytaj wskazanie termometru i wpisz do tabeli liczbę cząsteczek N oraz "
    "temperaturę T. Powtórz pomiar dla kilku, a najlepiej kilkunastu różnych liczb cząsteczek. "
    "Na koniec narysuj wykres i zastanów się, czy temperatura gazu zależy od liczby jego "
    "cząsteczek.");
inline const QString kMemo36 = QStringLiteral(
    "Ustaw następujące parametry układu: \n"
    "- masa cząsteczki gazu: 7 u,\n"
    "- szerokość naczynia: 500 jednostek,\n"
    "- liczba cząsteczek: 500.\n"
    "Potem suwakiem „Vśr. cząsteczek” zmieniaj średnią prędkość cząsteczek gazu. Dla każdej "
    "prędkości odczytaj wskazanie termometru i wpisz do tabeli średnią prędkość Vśr oraz "
    "temperaturę T. Powtórz pomiar dla kilku, a najlepiej kilkunastu różnych prędkości. "
    "Na koniec narysuj wykres i zastanów się, jak temperatura gazu zależy od średniej "
    "prędkości jego cząsteczek.");
inline const QString kMemo37 = QStringLiteral(
    "Ustaw następujące parametry układu: \n"
    "- średnia prędkość cząsteczek (Vśr.): około 100 jednostek,\n"
    "- szerokość naczynia: 500 jednostek,\n"
    "- liczba cząsteczek: 500.\n"
    "Potem suwakiem „Masa cząsteczek gazu” zmieniaj masę cząsteczek. Dla każdej masy odczytaj "
    "wskazanie termometru i wpisz do tabeli masę cząsteczki m oraz temperaturę T. Powtórz "
    "pomiar dla kilku, a najlepiej kilkunastu różnych mas. Na koniec narysuj wykres i zastanów "
    "się, jak temperatura gazu zależy od masy jego cząsteczek.");
inline const QString kMemo38 = QStringLiteral(
    "Ustaw następujące parametry układu: \n"
    "- średnia prędkość cząsteczek (Vśr.): około 120 jednostek,\n"
    "- masa cząsteczki gazu: 9 u,\n"
    "- liczba cząsteczek: 500.\n"
    "Potem suwakiem „Szerokość naczynia” zmieniaj bok naczynia. Naczynie jest kwadratem, więc "
    "jego objętość to bok pomnożony przez bok: V = bok × bok. Dla każdego boku oblicz V, "
    "odczytaj wskazanie termometru i wpisz do tabeli objętość V oraz temperaturę T. Powtórz "
    "pomiar dla kilku, a najlepiej kilkunastu różnych boków. Na koniec narysuj wykres i "
    "zastanów się, czy temperatura gazu zależy od objętości naczynia.");

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
     QStringLiteral("Badanie zależności ciśnienia od ilości cząsteczek gazu"),
     QStringLiteral("Zbadamy czy i jak zależy ciśnienie gazu od liczby cząsteczek gazu "
                    "znajdujących się w zamkniętym naczyniu. Doświadczenie będzie polegało na "
                    "pomiarze ciśnienia dla różnej liczby cząsteczek gazu."),
     QStringLiteral("Liczba"), QStringLiteral("cząsteczek N"),
     QStringLiteral("Wykres zależności ciśnienia gazu"),
     QStringLiteral("od liczby cząsteczek gazu"), "N", 2, &StudyTablePanel::Memo75},
    {&MainMenuControls::Label98, true,
     QStringLiteral("Badanie zależności ciśnienia od średniej prędkości cząsteczek gazu"),
     QStringLiteral("Zbadamy czy i jak zależy ciśnienie gazu od średniej prędkości cząsteczek "
                    "gazu znajdujących się w zamkniętym naczyniu. Doświadczenie będzie polegało "
                    "na pomiarze ciśnienia dla różnych wartości prędkości cząsteczek gazu."),
     QStringLiteral("Śr. prędkość"), QStringLiteral("cząsteczek Vśr"),
     QStringLiteral("Wykres zależności ciśnienia gazu"),
     QStringLiteral("od średniej prędkości cząsteczek gazu"), "Vśr [jedn.]", 3,
     &StudyTablePanel::Memo34},
    {&MainMenuControls::Label99, true,
     QStringLiteral("Badanie zależności ciśnienia od masy cząsteczek gazu"),
     QStringLiteral("Zbadamy czy i jak zależy ciśnienie gazu od masy cząsteczek gazu "
                    "znajdujących się w zamkniętym naczyniu. Doświadczenie będzie polegało na "
                    "pomiarze ciśnienia dla różnych wartości masy cząsteczek gazu."),
     QStringLiteral("Masa"), QStringLiteral("cząsteczek m"),
     QStringLiteral("Wykres zależności ciśnienia gazu"), QStringLiteral("od masy cząsteczek gazu"),
     "m [u]", 2, &StudyTablePanel::Memo33},
    {&MainMenuControls::Label100, true,
     QStringLiteral("Badanie zależności ciśnienia od wielkości naczynia"),
     QStringLiteral("Zbadamy czy i jak zależy ciśnienie gazu od wielkości naczynia. "
                    "Doświadczenie będzie polegało na pomiarze ciśnienia dla różnych wartoci "
                    "objetości naczynia."),
     QStringLiteral("Objętość"), QStringLiteral("naczynia V"),
     QStringLiteral("Wykres zależności ciśnienia gazu"), QStringLiteral("od objętości naczynia"),
     "V [jedn.]", 1, &StudyTablePanel::Memo32},
    {&MainMenuControls::Label47, false,
     QStringLiteral("Badanie zależności temperatury od ilości cząsteczek gazu"),
     QStringLiteral("Zbadamy czy i jak zależy temperatura gazu od liczby cząsteczek zbajdujących "
                    "się w zamkniętym naczyniu. Doświadczenie będzie polegało na pomiarze "
                    "temperatury dla różnej liczby cząsteczek w każdym powtórzeniu "
                    "doświadczenia."),
     QStringLiteral("Liczba"), QStringLiteral("cząsteczek N"),
     QStringLiteral("Wykres zależności temperatury gazu"),
     QStringLiteral("od liczby cząsteczek gazu"), "N", 2, &StudyTablePanel::Memo35},
    {&MainMenuControls::Label65, false,
     QStringLiteral("Badanie zależności temperatury od średniej prędkości cząsteczek gazu"),
     QStringLiteral("Zbadamy czy i jak zależy temperatura gazu od średniej prędkości cząsteczek "
                    "gazu znajdujących się w zamkniętym naczyniu. Doświadczenie będzie polegało "
                    "na pomiarze temperatury dla różnych wartości średnich prędkości "
                    "cząsteczek."),
     QStringLiteral("Śr. prędkość"), QStringLiteral("cząsteczek Vśr"),
     QStringLiteral("Wykres zależności temperatury gazu"),
     QStringLiteral("od śedniej prędkości cząsteczek gazu"), "Vśr [jedn.]", 3,
     &StudyTablePanel::Memo36},
    {&MainMenuControls::Label75, false,
     QStringLiteral("Badanie zależności temperatury od masy cząsteczek gazu"),
     QStringLiteral("Zbadamy czy i jak zależy temperatura gazu od masy cząsteczek gazu "
                    "znajdujących się w zamkniętym naczyniu. Doświadczenie będzie polegało na "
                    "pomiarze temperatury dla różnych wartości mas cząsteczek."),
     QStringLiteral("Masa"), QStringLiteral("cząsteczek m"),
     QStringLiteral("Wykres zależności temperatury gazu"),
     QStringLiteral("od masy cząsteczek gazu"), "m [u]", 2, &StudyTablePanel::Memo37},
    {&MainMenuControls::Label76, false,
     QStringLiteral("Badanie zależności temperatury od wielkości naczynia"),
     QStringLiteral("Zbadamy czy i jak zależy temperatura gazu od wielkości naczynia. "
                    "Doświadczenie będzie polegało na pomiarze temperatury dla różnych wartości "
                    "objętości naczynia."),
     QStringLiteral("Objętość"), QStringLiteral("naczynia V"),
     QStringLiteral("Wykres zależności temperatury gazu"), QStringLiteral("od objętości naczynia"),
     "V [jedn]", 2, &StudyTablePanel::Memo38},
};

// The instructions in the order the studies hide them.
}  // namespace study_texts
