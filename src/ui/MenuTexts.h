#pragma once

#include <QString>

// The texts of the main menu, its topic pages and exercise panes. Captions keep their exact
// spelling and blanks; the memos are the program's teaching content.
namespace texts {

// Menu buttons.
inline const QString kMenuFreePath = QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Droga swobodna"));
inline const QString kMenuDiffusion = QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Dyfuzja"));
inline const QString kMenuWalls =
    QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Zderzenia ze ściankami naczynia"));
inline const QString kMenuTemperature = QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Temperatura"));
inline const QString kMenuPressure = QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Ciśnienie"));
inline const QString kMenuHeat = QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Transport ciepła"));
inline const QString kMenuUnits = QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "O jednostkach"));
inline const QString kMenuOtherPrograms =
    QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Inne programy"));
inline const QString kMenuInformation = QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Informacje"));
inline const QString kMenuExit = QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Wyjście"));
// The button that switches the language names the other one, in that language.
inline const QString kOtherLanguage = QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "English"));
inline const QString kOtherLanguageHint =
    QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Program w języku angielskim (klawisz F12)"));

// Topic pages.
inline const QString kExercises = QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Ćwiczenia:"));
inline const QString kDiffusionTitle = QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "DYFUZJA"));
inline const QString kFreePathTitle =
    QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "DROGA SWOBODNA"));
inline const QString kWallTitle =
    QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "ZDERZENIA ZE ŚCIANKAMI NACZYNIA"));
inline const QString kTemperatureTitle =
    QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "POJĘCIE TEMPERATURY"));
inline const QString kPressureTitle =
    QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "POJĘCIE CIŚNIENIA"));
inline const QString kHeatTitle = QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "TRANSPORT CIEPŁA"));

// Exercise links (the double blanks and the spelling are the program's own).
inline const QString kLabel11 =
    QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "1. Ilustracja zjawiska dyfuzji"));
inline const QString kLabel13 =
    QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "2. Ilustracja zjawiska dyfuzji - wykres"));
inline const QString kLabel20 =
    QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "1. Ilustracja zjawiska"));
inline const QString kLabel22 =
    QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "2. Badanie zależności średniej drogi"));
inline const QString kLabel23 =
    QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "swobodnej od ilości cząsteczek"));
inline const QString kLabel26 =
    QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "1. Pomiar liczby zderzeń ze ściankaminaczynia"));
inline const QString kLabel46 =
    QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "1. Od czego zależy temeratura?"));
inline const QString kLabel47 = QStringLiteral(
    QT_TRANSLATE_NOOP("kinetra", "2. Badanie zależności temperatury od  liczby cząsteczek gazu"));
inline const QString kLabel65 = QStringLiteral(QT_TRANSLATE_NOOP(
    "kinetra", "3. Badanie zależności temperatury od  średniej prędkości cząsteczek gazu"));
inline const QString kLabel75 = QStringLiteral(
    QT_TRANSLATE_NOOP("kinetra", "4. Badanie zależności temperatury od  masy cząsteczek gazu"));
inline const QString kLabel76 = QStringLiteral(
    QT_TRANSLATE_NOOP("kinetra", "5. Badanie zależności temperatury od  wielkości naczynia"));
inline const QString kLabel64 =
    QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "1. Od czego zależy ciśnienie gazu?"));
inline const QString kLabel97 = QStringLiteral(
    QT_TRANSLATE_NOOP("kinetra", "2. Badanie zależności ciśnienia od  liczby cząsteczek gazu"));
inline const QString kLabel98 = QStringLiteral(QT_TRANSLATE_NOOP(
    "kinetra", "3. Badanie zależności ciśnienia od  średniej prędkości cząsteczek gazu"));
inline const QString kLabel99 = QStringLiteral(
    QT_TRANSLATE_NOOP("kinetra", "4. Badanie zależności ciśnienia od  masy cząsteczek gazu"));
inline const QString kLabel100 = QStringLiteral(
    QT_TRANSLATE_NOOP("kinetra", "5. Badanie zależności ciśnienia od  wielkości naczynia"));
inline const QString kLabel69 =
    QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Ilustracja zjawiska transportu ciepła"));

// Introductions of the topic pages.
inline const QString kMemo2 = QStringLiteral(QT_TRANSLATE_NOOP(
    "kinetra",
    "Dyfuzja jest to nieodwracalny proces zachodzący samorzutnie na skutek bezładnego ruchu "
    "cząsteczek substancji, polegający na wyrównywaniu się stężeń składników mieszaniny "
    "substancji. Zjawisko to możemy badać na modelu płaskiego naczynia, w którym na początku "
    "cząsteczki dwóch różnych substancji zajmują dwie oddzielne części naczynia. Cząsteczki "
    "poruszają się bezładnie, zderzają się ze sobą i ze ściankami naczynia, dlatego po pewnym "
    "czasie obie substancje mieszają się, a stężenie każdej z nich staje się w całym naczyniu "
    "prawie jednakowe."));
inline const QString kMemo10 = QStringLiteral(QT_TRANSLATE_NOOP(
    "kinetra",
    "Symulacja pozwala zrozumieć pojęcie drogi swobodnej cząsteczki gazu. Drogą swobodną "
    "nazywamy odcinek, który cząsteczka przebywa ruchem prostoliniowym między dwoma kolejnymi "
    "zderzeniami. Jedna z cząsteczek jest wyróżniona innym kolorem: program rysuje jej tor, "
    "liczy jej zderzenia i oblicza średnią długość jej drogi swobodnej. Symulacja nie "
    "uwzględnia siły ciężkości."));
// Shared by the wall-collision and the temperature pages.
inline const QString kWallIntro = QStringLiteral(QT_TRANSLATE_NOOP(
    "kinetra",
    "Na skutek ruchu cieplnego cząsteczek gazu w zamkniętym naczyniu następują zderzenia ze "
    "ściankami naczynia. Cząsteczka, która uderza w ściankę, odbija się od niej i przez krótką "
    "chwilę działa na nią siłą. Bardzo wiele takich uderzeń składa się na nacisk gazu na "
    "ścianki. Liczba zderzeń zależy od liczby cząsteczek, od ich szybkości i od wielkości "
    "naczynia."));
inline const QString kMemo62 = QStringLiteral(QT_TRANSLATE_NOOP(
    "kinetra",
    "Cząsteczki gazu zamknięte w naczyniu znajdują się w nieustannym ruchu, w wyniku którego "
    "ulegają zderzeniom ze ściankami naczynia. Przy każdym zderzeniu cząsteczka działa na "
    "ściankę niewielką siłą. Cząsteczek jest bardzo dużo i w każdej sekundzie uderzają w "
    "ścianki ogromną liczbę razy, dlatego te drobne uderzenia składają się na stały nacisk gazu "
    "na ścianki. Ciśnieniem gazu nazywamy stosunek siły, z jaką gaz naciska na ściankę, do pola "
    "powierzchni tej ścianki: p = F / S. Ciśnienie jest tym większe, im częściej i im mocniej "
    "cząsteczki uderzają w ścianki."));
inline const QString kMemo73 = QStringLiteral(QT_TRANSLATE_NOOP(
    "kinetra",
    "Symulacja ilustruje zjawisko wyrównywania się temperatur gazów zamkniętych w zamkniętym "
    "pojemniku rozdzielonych przegrodą."));

// Pane titles and buttons.
inline const QString kDiffusionPaneTitle =
    QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Ilustracja zjawiska dyfuzji"));
inline const QString kDiffusionChartPaneTitle =
    QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Ilustracja zjawiska dyfuzji - wykres"));
inline const QString kFreePathPaneTitle =
    QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "DROGA SWOBODNA - Ilustracja zjawiska"));
inline const QString kFreePathStudyTitle = QStringLiteral(QT_TRANSLATE_NOOP(
    "kinetra", " Badanie zależności średniej drogi swobodnej od ilości cząsteczek gazu"));
inline const QString kWallPaneTitle =
    QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Pomiar liczby zderzeń ze ściankami naczynia"));
inline const QString kTemperaturePaneTitle =
    QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Pojęcie temperatury"));
inline const QString kPressurePaneTitle =
    QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Od czego zależy ciśnienie gazu?"));
inline const QString kHeatPaneTitle =
    QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Ilustracja zjawiska transportu ciepła"));
inline const QString kRunSimulation =
    QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Uruchom symulację"));
inline const QString kRun = QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Uruchom"));
inline const QString kSetInitialConditions =
    QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Ustal parametry początkowe"));
inline const QString kRunSimulationMemo =
    QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "    Uruchom symulację. "));

// The diffusion illustration; the memos beside the pictures are narrow.
inline const QString kMemo3 = QStringLiteral(QT_TRANSLATE_NOOP("kinetra",
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
                                                               "i zderzają się ze sobą."));
inline const QString kMemo4 = QStringLiteral(QT_TRANSLATE_NOOP("kinetra",
                                                               "Po pewnym czasie\n"
                                                               "obserwujemy\n"
                                                               "wymieszanie się\n"
                                                               "cząsteczek obu\n"
                                                               "substancji.\n"
                                                               "Stężenie każdej\n"
                                                               "z nich jest wtedy\n"
                                                               "w całym naczyniu\n"
                                                               "prawie jednakowe."));

// The diffusion chart.
inline const QString kMemo20 = QStringLiteral(QT_TRANSLATE_NOOP(
    "kinetra",
    "Jeszcze raz spójrz na ilustrację zjawiska dyfuzji. Tym razem naczynie jest podzielone na "
    "8 równych części, ponumerowanych od lewej do prawej. Na początku cząsteczki drugiej "
    "substancji zajmują tylko lewą połowę naczynia. Wykres słupkowy po prawej stronie ekranu "
    "pokazuje, ile cząsteczek drugiej substancji znajduje się w każdej z ośmiu części. "
    "Obserwuj, jak z upływem czasu zmieniają się wysokości słupków, i spróbuj odpowiedzieć na "
    "pytania:"));
inline const QString kMemo22 = QStringLiteral(
    QT_TRANSLATE_NOOP("kinetra",
                      "1) Jak mierzyć szybkość dyfuzji?\n"
                      "2) Od czego zależy tempo zachodzenia zjawiska?\n"
                      "3) Czy osiagnięty zostaje stan równowagi stałej?\n"
                      "4) Czy możliwy jest powrót do stanu początkowego mieszaniny substancji?"));

// The free-path illustration.
inline const QString kMemo23 = QStringLiteral(QT_TRANSLATE_NOOP(
    "kinetra",
    "Cząsteczki gazu/cieczy zamknięte w naczyniu poruszają się chaotycznie zderzając się ze "
    "sobą. Między dwoma kolejnymi zderzeniami cząsteczka porusza się po linii prostej. "
    "Odcinek, który przebywa w tym czasie, nazywamy drogą swobodną.\n"
    "Kolejne drogi swobodne mają różne długości, dlatego posługujemy się średnią drogą "
    "swobodną, czyli średnią długością tych odcinków.\n"
    "Na rysunku żółta cząsteczka zostawia za sobą czarny ślad. Każdy prosty odcinek tego śladu "
    "to jedna droga swobodna. Średnia droga swobodna jest tym krótsza, im więcej cząsteczek "
    "jest w naczyniu i im są one większe."));

// The free-path study.
inline const QString kMemo11 = QStringLiteral(QT_TRANSLATE_NOOP(
    "kinetra",
    "Zbadamy, jak średnia droga swobodna cząsteczki zależy od liczby cząsteczek gazu w "
    "naczyniu. Wielkość naczynia, wielkość cząsteczek i ich maksymalną szybkość ustaw na "
    "początku i nie zmieniaj ich w czasie całego doświadczenia. Zmieniaj tylko liczbę "
    "cząsteczek N."));
inline const QString kMemo19 = QStringLiteral(QT_TRANSLATE_NOOP(
    "kinetra",
    "1. Naciśnij „Ustal parametry początkowe”. Ustaw wielkość naczynia, wielkość cząsteczek, "
    "maksymalną szybkość oraz liczbę zderzeń, po której symulacja sama się zatrzyma (np. 300). "
    "Zamknij panel przyciskiem „Zamknij”. W ramce „Opcje” poniżej zaznacz „Zatrzymuj symulację "
    "po określonej liczbie zderzeń”."));
inline const QString kMemo21 = QStringLiteral(QT_TRANSLATE_NOOP(
    "kinetra",
    "2. Naciśnij „Uruchom symulację”, ustaw liczbę cząsteczek N (np. 100) i naciśnij „Start”. "
    "Gdy symulacja się zatrzyma, odczytaj średnią drogę swobodną („Śr. droga swob.”), wróć "
    "tutaj przyciskiem „Wyjście” i wpisz do tabeli N oraz zmierzoną drogę s."));
inline const QString kMemo18 = QStringLiteral(QT_TRANSLATE_NOOP(
    "kinetra",
    "3. Powtórz pomiar dla kilku innych liczb cząsteczek (np. 200, 300, 400, 500, 600) i "
    "naciśnij „Rysuj wykres”. Punkty powinny ułożyć się w przybliżeniu na hiperboli: im więcej "
    "cząsteczek, tym częściej się zderzają i tym krótsza jest ich średnia droga swobodna. Jest "
    "ona odwrotnie proporcjonalna do liczby cząsteczek N."));
inline const QString kOptions = QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Opcje"));
inline const QString kScaleFromZero =
    QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Skaluj wykres od zera"));
inline const QString kStopAfterCollisions = QStringLiteral(
    QT_TRANSLATE_NOOP("kinetra", "Zatrzymuj symulację po określonej liczbie zderzeń"));
inline const QString kDrawCurve = QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Rysuj krzywą "));

// Collisions with the walls.
inline const QString kMemo44 = QStringLiteral(QT_TRANSLATE_NOOP(
    "kinetra",
    "Ustaw parametry układu doświadczalnego tak, aby w możliwie dużym naczyniu zmieścić dużą "
    "ilość cząsteczek. Parametry ustawisz na panelu, który otworzy się po naciśnięciu "
    "„Uruchom”; symulację rozpoczyna przycisk „Start”. Obok naczynia program wypisuje, ile "
    "razy cząsteczki uderzyły w każdą z czterech ścianek (1 – lewa, 2 – górna, 3 – prawa, "
    "4 – dolna), a wykres słupkowy pokazuje te liczby. "
    "Obserwuj przez pewien czas, jak rosną liczby zderzeń."));
inline const QString kMemo45 = QStringLiteral(QT_TRANSLATE_NOOP(
    "kinetra",
    "Teraz powtórz doświadczenie dla innych parametrów początkowych układu pomiarowego i "
    "odpowiedz na pytania:\n"
    "1. Czy liczby zderzeń z czterema ściankami są jednakowe? Co się zmienia, gdy naczynie "
    "nie jest kwadratem?\n"
    "2. Jak zmienia się liczba zderzeń w ciągu jednej sekundy, gdy zwiększamy liczbę "
    "cząsteczek?\n"
    "3. Jak zmienia się liczba zderzeń, gdy zwiększamy maksymalną szybkość cząsteczek?\n"
    "4. Jak zmienia się liczba zderzeń, gdy powiększamy naczynie?\n"
    "5. Jaki związek ma liczba zderzeń ze ściankami z ciśnieniem gazu?"));

// Temperature.
inline const QString kMemo49 = QStringLiteral(QT_TRANSLATE_NOOP(
    "kinetra",
    "W tym ćwiczeniu można obserwować zachowanie wirtualnego termometru w zależności od zmiany "
    "różnych parametrów. Po naciśnięciu „Uruchom” symulacja rusza od razu, a po prawej stronie "
    "ekranu pojawia się panel z czterema suwakami: liczba cząsteczek, prędkość cząsteczek, masa "
    "cząsteczek i szerokość naczynia. Zmieniaj kolejno każdy z nich i obserwuj termometr."));
inline const QString kMemo50 = QStringLiteral(QT_TRANSLATE_NOOP(
    "kinetra",
    "Spróbuj odpowiedzieć na pytania:\n"
    "1. Jak zmienia się temperatura gazu, gdy zwiększamy średnią prędkość cząsteczek?\n"
    "2. Czy temperatura gazu zależy od masy jego cząsteczek?\n"
    "3. Czy temperatura zmienia się, gdy zmieniamy liczbę cząsteczek?\n"
    "4. Czy temperatura zależy od wielkości naczynia?\n"
    "5. Z jaką wielkością opisującą ruch cząsteczek jest związana temperatura gazu?"));

// Pressure.
inline const QString kMemo60 = QStringLiteral(QT_TRANSLATE_NOOP(
    "kinetra",
    "W tym ćwiczeniu można obserwować zachowanie wirtualnego manometru w zależności od zmiany "
    "różnych parametrów\n"
    "układu. Po naciśnięciu „Uruchom” symulacja rusza od razu, a po prawej stronie ekranu "
    "pojawia się panel z czterema suwakami: liczba cząsteczek, prędkość cząsteczek, masa "
    "cząsteczek i szerokość naczynia. Zmieniaj kolejno każdy z nich i obserwuj poziom cieczy w "
    "manometrze oraz wartość ciśnienia."));
inline const QString kMemo61 = QStringLiteral(
    QT_TRANSLATE_NOOP("kinetra",
                      "Spróbuj odpowiedzieć na pytania:\n"
                      "1. Jak zmienia się ciśnienie gazu, gdy zwiększamy liczbę cząsteczek?\n"
                      "2. Jak zmienia się ciśnienie, gdy zwiększamy prędkość cząsteczek?\n"
                      "3. Czy ciśnienie zależy od masy cząsteczek?\n"
                      "4. Jak zmienia się ciśnienie, gdy powiększamy naczynie?\n"
                      "5. Dlaczego gaz wywiera ciśnienie na ścianki naczynia?"));

// Heat transport.
inline const QString kMemo71 = QStringLiteral(QT_TRANSLATE_NOOP(
    "kinetra",
    "Jeden z gazów ma wyższą temperaturę. Jego cząsteczki poruszają się średnio szybciej niż "
    "cząsteczki drugiego gazu. Przegroda między gazami też jest zbudowana z cząsteczek. Szybkie "
    "cząsteczki cieplejszego gazu uderzają w cząsteczki przegrody i przekazują im energię "
    "kinetyczną, a cząsteczki przegrody przekazują ją dalej, aż do cząsteczek chłodniejszego "
    "gazu. Energia przepływa w ten sposób od gazu cieplejszego do chłodniejszego, dopóki "
    "temperatury obu gazów się nie wyrównają. Obserwuj wskazania obu termometrów. Symulacja nie "
    "uwzględnia siły ciężkości."));

// The guide to the tool buttons of a running simulation.
inline const QString kKeyHeading =
    QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Można używać nastpujących klawiszy:"));
inline const QString kKeyHeadingNoAccents =
    QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Mozna uzywać nastpujących klawiszy:"));
inline const QString kKeyRestartLine1 = QStringLiteral(
    QT_TRANSLATE_NOOP("kinetra", "Rozpoczęcie symulacji od początku dla danych warunków"));
inline const QString kKeyRestartLine2 =
    QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "początkowych"));
inline const QString kKeyParametersOpeningPlain =
    QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Ustawienie warunków poczatkowych układu."));
inline const QString kKeyParametersOpening =
    QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Ustawienie warunków początkowych układu."));
inline const QString kKeyParametersRest = QStringLiteral(QT_TRANSLATE_NOOP(
    "kinetra",
    " Przycisk otwiera panel warunków początkowych (rysunek obok). Na panelu wybiera się "
    "wielkość cząsteczek oraz ustawia liczbę cząsteczek, szerokość i wysokość naczynia i "
    "maksymalną szybkość cząsteczek. Przycisk „Start” zamyka panel i uruchamia symulację od "
    "nowa z nowymi ustawieniami."));
inline const QString kKeyPause =
    QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Zatrzymanie symulacji (pauza)"));
inline const QString kKeyPrint =
    QStringLiteral(QT_TRANSLATE_NOOP("kinetra", "Możliwość wydruku zrzutu ekranu"));
inline const QString kKeyExit = QStringLiteral(
    QT_TRANSLATE_NOOP("kinetra", "Opuszczenie symulacji i przejście do menu głównego"));

}  // namespace texts
