#pragma once

#include "core/TextId.h"

// The texts of the main menu, its topic pages and exercise panes. Captions keep their exact
// spelling and blanks; the memos are the program's teaching content.
namespace texts {

// Menu buttons.
inline constexpr const char* kMenuFreePath = QT_TRANSLATE_NOOP("kinetra", "Droga swobodna");
inline constexpr const char* kMenuDiffusion = QT_TRANSLATE_NOOP("kinetra", "Dyfuzja");
inline constexpr const char* kMenuWalls =
    QT_TRANSLATE_NOOP("kinetra", "Zderzenia ze ściankami naczynia");
inline constexpr const char* kMenuTemperature = QT_TRANSLATE_NOOP("kinetra", "Temperatura");
inline constexpr const char* kMenuPressure = QT_TRANSLATE_NOOP("kinetra", "Ciśnienie");
inline constexpr const char* kMenuHeat = QT_TRANSLATE_NOOP("kinetra", "Transport ciepła");
inline constexpr const char* kMenuUnits = QT_TRANSLATE_NOOP("kinetra", "O jednostkach");
inline constexpr const char* kMenuOtherPrograms = QT_TRANSLATE_NOOP("kinetra", "Inne programy");
inline constexpr const char* kMenuInformation = QT_TRANSLATE_NOOP("kinetra", "Informacje");
inline constexpr const char* kMenuExit = QT_TRANSLATE_NOOP("kinetra", "Wyjście");
// The choice of the language; its entries are the languages' own names.
inline constexpr const char* kLanguageName = QT_TRANSLATE_NOOP("kinetra", "Język programu");
inline constexpr const char* kLanguageHint =
    QT_TRANSLATE_NOOP("kinetra", "Język programu (klawisz F12: następny język)");

// Topic pages.
inline constexpr const char* kExercises = QT_TRANSLATE_NOOP("kinetra", "Ćwiczenia:");
inline constexpr const char* kDiffusionTitle = QT_TRANSLATE_NOOP("kinetra", "DYFUZJA");
inline constexpr const char* kFreePathTitle = QT_TRANSLATE_NOOP("kinetra", "DROGA SWOBODNA");
inline constexpr const char* kWallTitle =
    QT_TRANSLATE_NOOP("kinetra", "ZDERZENIA ZE ŚCIANKAMI NACZYNIA");
inline constexpr const char* kTemperatureTitle =
    QT_TRANSLATE_NOOP("kinetra", "POJĘCIE TEMPERATURY");
inline constexpr const char* kPressureTitle = QT_TRANSLATE_NOOP("kinetra", "POJĘCIE CIŚNIENIA");
inline constexpr const char* kHeatTitle = QT_TRANSLATE_NOOP("kinetra", "TRANSPORT CIEPŁA");

// Exercise links (the double blanks and the spelling are the program's own).
inline constexpr const char* kLabel11 =
    QT_TRANSLATE_NOOP("kinetra", "1. Ilustracja zjawiska dyfuzji");
inline constexpr const char* kLabel13 =
    QT_TRANSLATE_NOOP("kinetra", "2. Ilustracja zjawiska dyfuzji - wykres");
inline constexpr const char* kLabel20 = QT_TRANSLATE_NOOP("kinetra", "1. Ilustracja zjawiska");
inline constexpr const char* kLabel22 =
    QT_TRANSLATE_NOOP("kinetra", "2. Badanie zależności średniej drogi");
inline constexpr const char* kLabel23 =
    QT_TRANSLATE_NOOP("kinetra", "swobodnej od ilości cząsteczek");
inline constexpr const char* kLabel26 =
    QT_TRANSLATE_NOOP("kinetra", "1. Pomiar liczby zderzeń ze ściankaminaczynia");
inline constexpr const char* kLabel46 =
    QT_TRANSLATE_NOOP("kinetra", "1. Od czego zależy temeratura?");
inline constexpr const char* kLabel47 =
    QT_TRANSLATE_NOOP("kinetra", "2. Badanie zależności temperatury od  liczby cząsteczek gazu");
inline constexpr const char* kLabel65 = QT_TRANSLATE_NOOP(
    "kinetra", "3. Badanie zależności temperatury od  średniej prędkości cząsteczek gazu");
inline constexpr const char* kLabel75 =
    QT_TRANSLATE_NOOP("kinetra", "4. Badanie zależności temperatury od  masy cząsteczek gazu");
inline constexpr const char* kLabel76 =
    QT_TRANSLATE_NOOP("kinetra", "5. Badanie zależności temperatury od  wielkości naczynia");
inline constexpr const char* kLabel64 =
    QT_TRANSLATE_NOOP("kinetra", "1. Od czego zależy ciśnienie gazu?");
inline constexpr const char* kLabel97 =
    QT_TRANSLATE_NOOP("kinetra", "2. Badanie zależności ciśnienia od  liczby cząsteczek gazu");
inline constexpr const char* kLabel98 = QT_TRANSLATE_NOOP(
    "kinetra", "3. Badanie zależności ciśnienia od  średniej prędkości cząsteczek gazu");
inline constexpr const char* kLabel99 =
    QT_TRANSLATE_NOOP("kinetra", "4. Badanie zależności ciśnienia od  masy cząsteczek gazu");
inline constexpr const char* kLabel100 =
    QT_TRANSLATE_NOOP("kinetra", "5. Badanie zależności ciśnienia od  wielkości naczynia");
inline constexpr const char* kLabel69 =
    QT_TRANSLATE_NOOP("kinetra", "Ilustracja zjawiska transportu ciepła");

// Introductions of the topic pages.
inline constexpr const char* kMemo2 = QT_TRANSLATE_NOOP(
    "kinetra",
    "Dyfuzja jest to nieodwracalny proces zachodzący samorzutnie na skutek bezładnego ruchu "
    "cząsteczek substancji, polegający na wyrównywaniu się stężeń składników mieszaniny "
    "substancji. Zjawisko to możemy badać na modelu płaskiego naczynia, w którym na początku "
    "cząsteczki dwóch różnych substancji zajmują dwie oddzielne części naczynia. Cząsteczki "
    "poruszają się bezładnie, zderzają się ze sobą i ze ściankami naczynia, dlatego po pewnym "
    "czasie obie substancje mieszają się, a stężenie każdej z nich staje się w całym naczyniu "
    "prawie jednakowe.");
inline constexpr const char* kMemo10 = QT_TRANSLATE_NOOP(
    "kinetra",
    "Symulacja pozwala zrozumieć pojęcie drogi swobodnej cząsteczki gazu. Drogą swobodną "
    "nazywamy odcinek, który cząsteczka przebywa ruchem prostoliniowym między dwoma kolejnymi "
    "zderzeniami. Jedna z cząsteczek jest wyróżniona innym kolorem: program rysuje jej tor, "
    "liczy jej zderzenia i oblicza średnią długość jej drogi swobodnej. Symulacja nie "
    "uwzględnia siły ciężkości.");
inline constexpr const char* kWallIntro = QT_TRANSLATE_NOOP(
    "kinetra",
    "Na skutek ruchu cieplnego cząsteczek gazu w zamkniętym naczyniu następują zderzenia ze "
    "ściankami naczynia. Cząsteczka, która uderza w ściankę, odbija się od niej i przez krótką "
    "chwilę działa na nią siłą. Bardzo wiele takich uderzeń składa się na nacisk gazu na "
    "ścianki. Liczba zderzeń zależy od liczby cząsteczek, od ich szybkości i od wielkości "
    "naczynia.");
inline constexpr const char* kTemperatureIntro = QT_TRANSLATE_NOOP(
    "kinetra",
    "Temperatura gazu jest związana z ruchem cieplnym jego cząsteczek. Cząsteczki gazu "
    "zamkniętego w naczyniu poruszają się bezładnie z różnymi prędkościami, zderzają się ze sobą "
    "i ze ściankami naczynia. Im szybciej poruszają się cząsteczki, tym większa jest ich energia "
    "kinetyczna i tym wyższa jest temperatura gazu. Wirtualny termometr pokazuje temperaturę "
    "obliczoną z ruchu cząsteczek, w jednostkach programu.");
inline constexpr const char* kMemo62 = QT_TRANSLATE_NOOP(
    "kinetra",
    "Cząsteczki gazu zamknięte w naczyniu znajdują się w nieustannym ruchu, w wyniku którego "
    "ulegają zderzeniom ze ściankami naczynia. Przy każdym zderzeniu cząsteczka działa na "
    "ściankę niewielką siłą. Cząsteczek jest bardzo dużo i w każdej sekundzie uderzają w "
    "ścianki ogromną liczbę razy, dlatego te drobne uderzenia składają się na stały nacisk gazu "
    "na ścianki. Ciśnieniem gazu nazywamy stosunek siły, z jaką gaz naciska na ściankę, do pola "
    "powierzchni tej ścianki: p = F / S. Ciśnienie jest tym większe, im częściej i im mocniej "
    "cząsteczki uderzają w ścianki.");
inline constexpr const char* kMemo73 = QT_TRANSLATE_NOOP(
    "kinetra",
    "Symulacja ilustruje zjawisko wyrównywania się temperatur gazów zamkniętych w zamkniętym "
    "pojemniku rozdzielonych przegrodą.");

// Pane titles and buttons.
inline constexpr const char* kDiffusionPaneTitle =
    QT_TRANSLATE_NOOP("kinetra", "Ilustracja zjawiska dyfuzji");
inline constexpr const char* kDiffusionChartPaneTitle =
    QT_TRANSLATE_NOOP("kinetra", "Ilustracja zjawiska dyfuzji - wykres");
inline constexpr const char* kFreePathPaneTitle =
    QT_TRANSLATE_NOOP("kinetra", "DROGA SWOBODNA - Ilustracja zjawiska");
inline constexpr const char* kFreePathStudyTitle = QT_TRANSLATE_NOOP(
    "kinetra", " Badanie zależności średniej drogi swobodnej od ilości cząsteczek gazu");
inline constexpr const char* kWallPaneTitle =
    QT_TRANSLATE_NOOP("kinetra", "Pomiar liczby zderzeń ze ściankami naczynia");
inline constexpr const char* kTemperaturePaneTitle =
    QT_TRANSLATE_NOOP("kinetra", "Pojęcie temperatury");
inline constexpr const char* kPressurePaneTitle =
    QT_TRANSLATE_NOOP("kinetra", "Od czego zależy ciśnienie gazu?");
inline constexpr const char* kHeatPaneTitle =
    QT_TRANSLATE_NOOP("kinetra", "Ilustracja zjawiska transportu ciepła");
inline constexpr const char* kRunSimulation = QT_TRANSLATE_NOOP("kinetra", "Uruchom symulację");
inline constexpr const char* kRun = QT_TRANSLATE_NOOP("kinetra", "Uruchom");
inline constexpr const char* kSetInitialConditions =
    QT_TRANSLATE_NOOP("kinetra", "Ustal parametry początkowe");
inline constexpr const char* kRunSimulationMemo =
    QT_TRANSLATE_NOOP("kinetra", "    Uruchom symulację. ");

// The diffusion illustration; the memos beside the pictures are narrow.
inline constexpr const char* kMemo3 = QT_TRANSLATE_NOOP("kinetra",
                                                        "W lewej części naczynia\n"
                                                        "znajdują się tylko\n"
                                                        "cząsteczki jednej\n"
                                                        "substancji, natomiast\n"
                                                        "w prawej części\n"
                                                        "naczynia znajdują się\n"
                                                        "jedynie cząsteczki\n"
                                                        "drugiej substancji.\n"
                                                        "Cząsteczki obu\n"
                                                        "substancji poruszają\n"
                                                        "się bezładnie\n"
                                                        "i zderzają się ze sobą.");
inline constexpr const char* kMemo4 = QT_TRANSLATE_NOOP("kinetra",
                                                        "Po pewnym czasie\n"
                                                        "obserwujemy\n"
                                                        "wymieszanie się\n"
                                                        "cząsteczek obu\n"
                                                        "substancji.\n"
                                                        "Stężenie każdej\n"
                                                        "z nich jest wtedy\n"
                                                        "w całym naczyniu\n"
                                                        "prawie jednakowe.");

// The diffusion chart.
inline constexpr const char* kMemo20 = QT_TRANSLATE_NOOP(
    "kinetra",
    "Jeszcze raz spójrz na ilustrację zjawiska dyfuzji. Tym razem naczynie jest podzielone na "
    "8 równych części, ponumerowanych od lewej do prawej. Na początku cząsteczki drugiej "
    "substancji zajmują tylko lewą połowę naczynia. Wykres słupkowy po prawej stronie ekranu "
    "pokazuje, ile cząsteczek drugiej substancji znajduje się w każdej z ośmiu części. "
    "Obserwuj, jak z upływem czasu zmieniają się wysokości słupków, i spróbuj odpowiedzieć na "
    "pytania:");
inline constexpr const char* kMemo22 =
    QT_TRANSLATE_NOOP("kinetra",
                      "1) Jak mierzyć szybkość dyfuzji?\n"
                      "2) Od czego zależy tempo zachodzenia zjawiska?\n"
                      "3) Czy osiagnięty zostaje stan równowagi stałej?\n"
                      "4) Czy możliwy jest powrót do stanu początkowego mieszaniny substancji?");

// The free-path illustration.
inline constexpr const char* kMemo23 = QT_TRANSLATE_NOOP(
    "kinetra",
    "Cząsteczki gazu/cieczy zamknięte w naczyniu poruszają się chaotycznie zderzając się ze "
    "sobą. Między dwoma kolejnymi zderzeniami cząsteczka porusza się po linii prostej. "
    "Odcinek, który przebywa w tym czasie, nazywamy drogą swobodną.\n"
    "Kolejne drogi swobodne mają różne długości, dlatego posługujemy się średnią drogą "
    "swobodną, czyli średnią długością tych odcinków.\n"
    "Na rysunku żółta cząsteczka zostawia za sobą czarny ślad. Każdy prosty odcinek tego śladu "
    "to jedna droga swobodna. Średnia droga swobodna jest tym krótsza, im więcej cząsteczek "
    "jest w naczyniu i im są one większe.");

// The free-path study.
inline constexpr const char* kMemo11 = QT_TRANSLATE_NOOP(
    "kinetra",
    "Zbadamy, jak średnia droga swobodna cząsteczki zależy od liczby cząsteczek gazu w "
    "naczyniu. Wielkość naczynia, wielkość cząsteczek i ich maksymalną szybkość ustaw na "
    "początku i nie zmieniaj ich w czasie całego doświadczenia. Zmieniaj tylko liczbę "
    "cząsteczek N.");
inline constexpr const char* kMemo19 = QT_TRANSLATE_NOOP(
    "kinetra",
    "1. Naciśnij „Ustal parametry początkowe”. Ustaw wielkość naczynia, wielkość cząsteczek, "
    "maksymalną szybkość oraz liczbę zderzeń, po której symulacja sama się zatrzyma (np. 300). "
    "Zamknij panel przyciskiem „Zamknij”. W ramce „Opcje” poniżej zaznacz „Zatrzymuj symulację "
    "po określonej liczbie zderzeń”.");
inline constexpr const char* kMemo21 = QT_TRANSLATE_NOOP(
    "kinetra",
    "2. Naciśnij „Uruchom symulację”, ustaw liczbę cząsteczek N (np. 100) i naciśnij „Start”. "
    "Gdy symulacja się zatrzyma, odczytaj średnią drogę swobodną („Śr. droga swob.”), wróć "
    "tutaj przyciskiem „Wyjście” i wpisz do tabeli N oraz zmierzoną drogę s.");
inline constexpr const char* kMemo18 = QT_TRANSLATE_NOOP(
    "kinetra",
    "3. Powtórz pomiar dla kilku innych liczb cząsteczek (np. 200, 300, 400, 500, 600) i "
    "naciśnij „Rysuj wykres”. Punkty powinny ułożyć się w przybliżeniu na hiperboli: im więcej "
    "cząsteczek, tym częściej się zderzają i tym krótsza jest ich średnia droga swobodna. Jest "
    "ona odwrotnie proporcjonalna do liczby cząsteczek N.");
inline constexpr const char* kOptions = QT_TRANSLATE_NOOP("kinetra", "Opcje");
inline constexpr const char* kScaleFromZero = QT_TRANSLATE_NOOP("kinetra", "Skaluj wykres od zera");
inline constexpr const char* kStopAfterCollisions =
    QT_TRANSLATE_NOOP("kinetra", "Zatrzymuj symulację po określonej liczbie zderzeń");
inline constexpr const char* kDrawCurve = QT_TRANSLATE_NOOP("kinetra", "Rysuj krzywą ");

// Collisions with the walls.
inline constexpr const char* kMemo44 = QT_TRANSLATE_NOOP(
    "kinetra",
    "Ustaw parametry układu doświadczalnego tak, aby w możliwie dużym naczyniu zmieścić dużą "
    "ilość cząsteczek. Parametry ustawisz na panelu, który otworzy się po naciśnięciu "
    "„Uruchom”; symulację rozpoczyna przycisk „Start”. Obok naczynia program wypisuje, ile "
    "razy cząsteczki uderzyły w każdą z czterech ścianek (1 – lewa, 2 – górna, 3 – prawa, "
    "4 – dolna), a wykres słupkowy pokazuje te liczby. "
    "Obserwuj przez pewien czas, jak rosną liczby zderzeń.");
inline constexpr const char* kMemo45 = QT_TRANSLATE_NOOP(
    "kinetra",
    "Teraz powtórz doświadczenie dla innych parametrów początkowych układu pomiarowego i "
    "odpowiedz na pytania:\n"
    "1. Czy liczby zderzeń z czterema ściankami są jednakowe? Co się zmienia, gdy naczynie "
    "nie jest kwadratem?\n"
    "2. Jak zmienia się liczba zderzeń w ciągu jednej sekundy, gdy zwiększamy liczbę "
    "cząsteczek?\n"
    "3. Jak zmienia się liczba zderzeń, gdy zwiększamy maksymalną szybkość cząsteczek?\n"
    "4. Jak zmienia się liczba zderzeń, gdy powiększamy naczynie?\n"
    "5. Jaki związek ma liczba zderzeń ze ściankami z ciśnieniem gazu?");

// Temperature.
inline constexpr const char* kMemo49 = QT_TRANSLATE_NOOP(
    "kinetra",
    "W tym ćwiczeniu można obserwować zachowanie wirtualnego termometru w zależności od zmiany "
    "różnych parametrów. Po naciśnięciu „Uruchom” symulacja rusza od razu, a po prawej stronie "
    "ekranu pojawia się panel z czterema suwakami: liczba cząsteczek, prędkość cząsteczek, masa "
    "cząsteczek i szerokość naczynia. Zmieniaj kolejno każdy z nich i obserwuj termometr.");
inline constexpr const char* kMemo50 = QT_TRANSLATE_NOOP(
    "kinetra",
    "Spróbuj odpowiedzieć na pytania:\n"
    "1. Jak zmienia się temperatura gazu, gdy zwiększamy średnią prędkość cząsteczek?\n"
    "2. Czy temperatura gazu zależy od masy jego cząsteczek?\n"
    "3. Czy temperatura zmienia się, gdy zmieniamy liczbę cząsteczek?\n"
    "4. Czy temperatura zależy od wielkości naczynia?\n"
    "5. Z jaką wielkością opisującą ruch cząsteczek jest związana temperatura gazu?");

// Pressure.
inline constexpr const char* kMemo60 = QT_TRANSLATE_NOOP(
    "kinetra",
    "W tym ćwiczeniu można obserwować zachowanie wirtualnego manometru w zależności od zmiany "
    "różnych parametrów\n"
    "układu. Po naciśnięciu „Uruchom” symulacja rusza od razu, a po prawej stronie ekranu "
    "pojawia się panel z czterema suwakami: liczba cząsteczek, prędkość cząsteczek, masa "
    "cząsteczek i szerokość naczynia. Zmieniaj kolejno każdy z nich i obserwuj poziom cieczy w "
    "manometrze oraz wartość ciśnienia.");
inline constexpr const char* kMemo61 =
    QT_TRANSLATE_NOOP("kinetra",
                      "Spróbuj odpowiedzieć na pytania:\n"
                      "1. Jak zmienia się ciśnienie gazu, gdy zwiększamy liczbę cząsteczek?\n"
                      "2. Jak zmienia się ciśnienie, gdy zwiększamy prędkość cząsteczek?\n"
                      "3. Czy ciśnienie zależy od masy cząsteczek?\n"
                      "4. Jak zmienia się ciśnienie, gdy powiększamy naczynie?\n"
                      "5. Dlaczego gaz wywiera ciśnienie na ścianki naczynia?");

// Heat transport.
inline constexpr const char* kMemo71 = QT_TRANSLATE_NOOP(
    "kinetra",
    "Jeden z gazów ma wyższą temperaturę. Jego cząsteczki poruszają się średnio szybciej niż "
    "cząsteczki drugiego gazu. Przegroda między gazami też jest zbudowana z cząsteczek. Szybkie "
    "cząsteczki cieplejszego gazu uderzają w cząsteczki przegrody i przekazują im energię "
    "kinetyczną, a cząsteczki przegrody przekazują ją dalej, aż do cząsteczek chłodniejszego "
    "gazu. Energia przepływa w ten sposób od gazu cieplejszego do chłodniejszego, dopóki "
    "temperatury obu gazów się nie wyrównają. Obserwuj wskazania obu termometrów. Symulacja nie "
    "uwzględnia siły ciężkości.");

// The guide to the tool buttons of a running simulation.
inline constexpr const char* kKeyHeading =
    QT_TRANSLATE_NOOP("kinetra", "Można używać nastpujących klawiszy:");
inline constexpr const char* kKeyHeadingNoAccents =
    QT_TRANSLATE_NOOP("kinetra", "Mozna uzywać nastpujących klawiszy:");
inline constexpr const char* kKeyRestartLine1 =
    QT_TRANSLATE_NOOP("kinetra", "Rozpoczęcie symulacji od początku dla danych warunków");
inline constexpr const char* kKeyRestartLine2 = QT_TRANSLATE_NOOP("kinetra", "początkowych");
inline constexpr const char* kKeyParametersOpeningPlain =
    QT_TRANSLATE_NOOP("kinetra", "Ustawienie warunków poczatkowych układu.");
inline constexpr const char* kKeyParametersOpening =
    QT_TRANSLATE_NOOP("kinetra", "Ustawienie warunków początkowych układu.");
inline constexpr const char* kKeyParametersRest = QT_TRANSLATE_NOOP(
    "kinetra",
    " Przycisk otwiera panel warunków początkowych (rysunek obok). Na panelu wybiera się "
    "wielkość cząsteczek oraz ustawia liczbę cząsteczek, szerokość i wysokość naczynia i "
    "maksymalną szybkość cząsteczek. Przycisk „Start” zamyka panel i uruchamia symulację od "
    "nowa z nowymi ustawieniami.");
inline constexpr const char* kKeyPause =
    QT_TRANSLATE_NOOP("kinetra", "Zatrzymanie symulacji (pauza)");
inline constexpr const char* kKeyPrint =
    QT_TRANSLATE_NOOP("kinetra", "Możliwość wydruku zrzutu ekranu");
inline constexpr const char* kKeyExit =
    QT_TRANSLATE_NOOP("kinetra", "Opuszczenie symulacji i przejście do menu głównego");

}  // namespace texts
