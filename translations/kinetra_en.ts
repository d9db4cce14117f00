<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="pl_PL">
<context>
    <name>kinetra</name>
    <message>
        <source>s[jedn.]</source>
        <translation>s[units]</translation>
    </message>
    <message>
        <source>T[jedn.]</source>
        <translation>T[units]</translation>
    </message>
    <message>
        <source>p[jedn.]</source>
        <translation>p[units]</translation>
    </message>
    <message>
        <source>Liczba cząsteczek N1 = </source>
        <translation>Number of particles N1 = </translation>
    </message>
    <message>
        <source>Liczba cząsteczek N2 =  </source>
        <translation>Number of particles N2 =  </translation>
    </message>
    <message>
        <source>Liczba cząsteczek N   =  </source>
        <translation>Number of particles N   =  </translation>
    </message>
    <message>
        <source>Vmax   =  </source>
        <translation>Vmax   =  </translation>
    </message>
    <message>
        <source> jednostek</source>
        <translation> units</translation>
    </message>
    <message>
        <source>Vśr    =  </source>
        <translation>Vav    =  </translation>
    </message>
    <message>
        <source>Czas  =   </source>
        <translation>Time  =   </translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>DYFUZJA</source>
        <translation>DIFFUSION</translation>
    </message>
    <message>
        <source>DROGA SWOBODNA</source>
        <translation>FREE PATH</translation>
    </message>
    <message>
        <source>Śr. droga swob.  =   </source>
        <translation>Mean free path  =   </translation>
    </message>
    <message>
        <source> jedn.</source>
        <translation> units</translation>
    </message>
    <message>
        <source>Średnica cząsteczek =  </source>
        <translation>Particle diameter =  </translation>
    </message>
    <message>
        <source>Liczba zderzeń cząsteczki =  </source>
        <translation>Collisions of the particle =  </translation>
    </message>
    <message>
        <source>Liczba cząsteczek</source>
        <translation>Number of particles</translation>
    </message>
    <message>
        <source>Średnia droga swobodna [jednostka]</source>
        <translation>Mean free path [unit]</translation>
    </message>
    <message>
        <source>Wydruk ekranu symulacji Dyfuzja - ilustracja procesu</source>
        <translation>Simulation printout Diffusion - illustration of the process</translation>
    </message>
    <message>
        <source>Wydruk ekranu symulacji Transport ciepła</source>
        <translation>Simulation printout Heat transfer</translation>
    </message>
    <message>
        <source>Wydruk ekranu symulacji Pojęcie ciśnienia</source>
        <translation>Simulation printout The idea of pressure</translation>
    </message>
    <message>
        <source>

Szczegóły: </source>
        <translation>

Details: </translation>
    </message>
    <message>
        <source>nie udało się przygotować strony w pliku </source>
        <translation>the page could not be prepared in the file </translation>
    </message>
    <message>
        <source>Drukowanie</source>
        <translation>Printing</translation>
    </message>
    <message>
        <source>Zapisz stronę jako plik PDF</source>
        <translation>Save the page as a PDF file</translation>
    </message>
    <message>
        <source>Pliki PDF (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>Proszę wypełnić tabelę pomiarów</source>
        <translation>Please fill in the table of measurements</translation>
    </message>
    <message>
        <source>Tylko jeden przecinek</source>
        <translation>Only one decimal comma</translation>
    </message>
    <message>
        <source>Tylko jedna kropka dziesiętna</source>
        <translation>Only one decimal point</translation>
    </message>
    <message>
        <source>Tylko cyfry i przecinek</source>
        <translation>Only digits and the comma</translation>
    </message>
    <message>
        <source>Tylko cyfry i kropka</source>
        <translation>Only digits and the decimal point</translation>
    </message>
    <message>
        <source>Ciśnienie</source>
        <translation>Pressure</translation>
    </message>
    <message>
        <source>Temperatura</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>W naczyniu o szerokości %1 jedn. nie zmieszczą się wszystkie cząsteczki gazu. Szerokość naczynia pozostaje równa %2 jedn.</source>
        <translation>A vessel %1 units wide cannot hold all the gas particles. The width of the vessel stays at %2 units.</translation>
    </message>
    <message>
        <source>W programie zastosowano umowne jednostki wielkości fizycznych.</source>
        <translation>The program measures physical quantities in units of its own.</translation>
    </message>
    <message>
        <source>Oto znaczenie poszczególnych miar wielkości fizycznyc</source>
        <translation>This is what each of the units means</translation>
    </message>
    <message>
        <source>DŁUGOŚĆ</source>
        <translation>LENGTH</translation>
    </message>
    <message>
        <source>wyrażona jest w pikselach</source>
        <translation>is measured in pixels</translation>
    </message>
    <message>
        <source>CZAS</source>
        <translation>TIME</translation>
    </message>
    <message>
        <source>wyrażony jest w sekundach</source>
        <translation>is measured in seconds</translation>
    </message>
    <message>
        <source>OBJĘTOŚC NACZYNIA</source>
        <translation>VOLUME</translation>
    </message>
    <message>
        <source>wyrażona jest w jednostce piksel x piksel. Naczynie jest dwuwymiarowe. </source>
        <translation>of the vessel is measured in pixel x pixel. The vessel is two-dimensional. </translation>
    </message>
    <message>
        <source>Wszelkie obliczenia wielkości mierzonych uwzgldniają mniejszą liczbę stopni swobody </source>
        <translation>All calculations of measured quantities allow for the smaller number of </translation>
    </message>
    <message>
        <source>cząsteczek mieszaniny.</source>
        <translation>degrees of freedom of the particles of the mixture.</translation>
    </message>
    <message>
        <source>PRĘDKOŚĆ</source>
        <translation>SPEED</translation>
    </message>
    <message>
        <source>mierzona jest w jednostce liczba pikseli/ms</source>
        <translation>is measured in pixels per ms</translation>
    </message>
    <message>
        <source>MASA</source>
        <translation>MASS</translation>
    </message>
    <message>
        <source>wyrażona jest w jednostce masy atomowej u</source>
        <translation>is measured in atomic mass units u</translation>
    </message>
    <message>
        <source>CIŚNIENIE</source>
        <translation>PRESSURE</translation>
    </message>
    <message>
        <source>mierzone jest w jednostce umownej</source>
        <translation>is measured in a unit of the program</translation>
    </message>
    <message>
        <source>TEMPERATURA</source>
        <translation>TEMPERATURE</translation>
    </message>
    <message>
        <source>Jednostki stosowane w programie</source>
        <translation>Units used in the program</translation>
    </message>
    <message>
        <source>Wyjście</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Klawisz: </source>
        <translation>Key: </translation>
    </message>
    <message>
        <source>spacja</source>
        <translation>space</translation>
    </message>
    <message>
        <source>Liczba zderzeń ze ściankami naczynia</source>
        <translation>Number of collisions with the walls of the vessel</translation>
    </message>
    <message>
        <source>Droga swobodna</source>
        <translation>Free path</translation>
    </message>
    <message>
        <source>Dyfuzja</source>
        <translation>Diffusion</translation>
    </message>
    <message>
        <source>Zderzenia ze ściankami naczynia</source>
        <translation>Collisions with the walls of the vessel</translation>
    </message>
    <message>
        <source>Transport ciepła</source>
        <translation>Heat transfer</translation>
    </message>
    <message>
        <source>O jednostkach</source>
        <translation>About the units</translation>
    </message>
    <message>
        <source>Inne programy</source>
        <translation>Other programs</translation>
    </message>
    <message>
        <source>Informacje</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Ćwiczenia:</source>
        <translation>Exercises:</translation>
    </message>
    <message>
        <source>ZDERZENIA ZE ŚCIANKAMI NACZYNIA</source>
        <translation>COLLISIONS WITH THE WALLS OF THE VESSEL</translation>
    </message>
    <message>
        <source>POJĘCIE TEMPERATURY</source>
        <translation>THE IDEA OF TEMPERATURE</translation>
    </message>
    <message>
        <source>POJĘCIE CIŚNIENIA</source>
        <translation>THE IDEA OF PRESSURE</translation>
    </message>
    <message>
        <source>TRANSPORT CIEPŁA</source>
        <translation>HEAT TRANSFER</translation>
    </message>
    <message>
        <source>1. Ilustracja zjawiska dyfuzji</source>
        <translation>1. Illustration of diffusion</translation>
    </message>
    <message>
        <source>2. Ilustracja zjawiska dyfuzji - wykres</source>
        <translation>2. Illustration of diffusion - chart</translation>
    </message>
    <message>
        <source>1. Ilustracja zjawiska</source>
        <translation>1. Illustration of the phenomenon</translation>
    </message>
    <message>
        <source>2. Badanie zależności średniej drogi</source>
        <translation>2. How the mean free path depends</translation>
    </message>
    <message>
        <source>swobodnej od ilości cząsteczek</source>
        <translation>on the number of particles</translation>
    </message>
    <message>
        <source>1. Pomiar liczby zderzeń ze ściankaminaczynia</source>
        <translation>1. Counting the collisions with the walls of the vessel</translation>
    </message>
    <message>
        <source>1. Od czego zależy temeratura?</source>
        <translation>1. What does the temperature depend on?</translation>
    </message>
    <message>
        <source>2. Badanie zależności temperatury od  liczby cząsteczek gazu</source>
        <translation>2. How the temperature depends on the number of gas particles</translation>
    </message>
    <message>
        <source>3. Badanie zależności temperatury od  średniej prędkości cząsteczek gazu</source>
        <translation>3. How the temperature depends on the mean speed of the gas particles</translation>
    </message>
    <message>
        <source>4. Badanie zależności temperatury od  masy cząsteczek gazu</source>
        <translation>4. How the temperature depends on the mass of the gas particles</translation>
    </message>
    <message>
        <source>5. Badanie zależności temperatury od  wielkości naczynia</source>
        <translation>5. How the temperature depends on the size of the vessel</translation>
    </message>
    <message>
        <source>1. Od czego zależy ciśnienie gazu?</source>
        <translation>1. What does the pressure of a gas depend on?</translation>
    </message>
    <message>
        <source>2. Badanie zależności ciśnienia od  liczby cząsteczek gazu</source>
        <translation>2. How the pressure depends on the number of gas particles</translation>
    </message>
    <message>
        <source>3. Badanie zależności ciśnienia od  średniej prędkości cząsteczek gazu</source>
        <translation>3. How the pressure depends on the mean speed of the gas particles</translation>
    </message>
    <message>
        <source>4. Badanie zależności ciśnienia od  masy cząsteczek gazu</source>
        <translation>4. How the pressure depends on the mass of the gas particles</translation>
    </message>
    <message>
        <source>5. Badanie zależności ciśnienia od  wielkości naczynia</source>
        <translation>5. How the pressure depends on the size of the vessel</translation>
    </message>
    <message>
        <source>Ilustracja zjawiska transportu ciepła</source>
        <translation>Illustration of heat transfer</translation>
    </message>
    <message>
        <source>Dyfuzja jest to nieodwracalny proces zachodzący samorzutnie na skutek bezładnego ruchu cząsteczek substancji, polegający na wyrównywaniu się stężeń składników mieszaniny substancji. Zjawisko to możemy badać na modelu płaskiego naczynia, w którym na początku cząsteczki dwóch różnych substancji zajmują dwie oddzielne części naczynia. Cząsteczki poruszają się bezładnie, zderzają się ze sobą i ze ściankami naczynia, dlatego po pewnym czasie obie substancje mieszają się, a stężenie każdej z nich staje się w całym naczyniu prawie jednakowe.</source>
        <translation>Diffusion is an irreversible process that happens by itself because of the random motion of the particles of substances: the concentrations of the components of a mixture even out. We can study it on a model of a flat vessel in which, at the start, the particles of two different substances fill two separate parts of the vessel. The particles move at random and collide with one another and with the walls of the vessel, so after some time the two substances mix and the concentration of each becomes almost the same everywhere in the vessel.</translation>
    </message>
    <message>
        <source>Symulacja pozwala zrozumieć pojęcie drogi swobodnej cząsteczki gazu. Drogą swobodną nazywamy odcinek, który cząsteczka przebywa ruchem prostoliniowym między dwoma kolejnymi zderzeniami. Jedna z cząsteczek jest wyróżniona innym kolorem: program rysuje jej tor, liczy jej zderzenia i oblicza średnią długość jej drogi swobodnej. Symulacja nie uwzględnia siły ciężkości.</source>
        <translation>The simulation helps you understand the free path of a gas particle. The free path is the straight line segment that a particle travels between two successive collisions. One of the particles has a different colour: the program draws its track, counts its collisions and works out the mean length of its free path. The simulation leaves out the force of gravity.</translation>
    </message>
    <message>
        <source>Na skutek ruchu cieplnego cząsteczek gazu w zamkniętym naczyniu następują zderzenia ze ściankami naczynia. Cząsteczka, która uderza w ściankę, odbija się od niej i przez krótką chwilę działa na nią siłą. Bardzo wiele takich uderzeń składa się na nacisk gazu na ścianki. Liczba zderzeń zależy od liczby cząsteczek, od ich szybkości i od wielkości naczynia.</source>
        <translation>Because of the thermal motion of the gas particles in a closed vessel, the particles collide with the walls of the vessel. A particle that hits a wall bounces off it and pushes on it with a force for a short moment. A great many such impacts add up to the push of the gas on the walls. The number of collisions depends on the number of particles, on their speed and on the size of the vessel.</translation>
    </message>
    <message>
        <source>Cząsteczki gazu zamknięte w naczyniu znajdują się w nieustannym ruchu, w wyniku którego ulegają zderzeniom ze ściankami naczynia. Przy każdym zderzeniu cząsteczka działa na ściankę niewielką siłą. Cząsteczek jest bardzo dużo i w każdej sekundzie uderzają w ścianki ogromną liczbę razy, dlatego te drobne uderzenia składają się na stały nacisk gazu na ścianki. Ciśnieniem gazu nazywamy stosunek siły, z jaką gaz naciska na ściankę, do pola powierzchni tej ścianki: p = F / S. Ciśnienie jest tym większe, im częściej i im mocniej cząsteczki uderzają w ścianki.</source>
        <translation>The particles of a gas closed in a vessel are always moving, and so they keep colliding with the walls of the vessel. In each collision a particle pushes on the wall with a small force. There are very many particles and they hit the walls a huge number of times every second, so these tiny impacts add up to a steady push of the gas on the walls. The pressure of a gas is the force with which the gas pushes on a wall divided by the area of that wall: p = F / S. The more often and the harder the particles hit the walls, the greater the pressure.</translation>
    </message>
    <message>
        <source>Symulacja ilustruje zjawisko wyrównywania się temperatur gazów zamkniętych w zamkniętym pojemniku rozdzielonych przegrodą.</source>
        <translation>The simulation shows how the temperatures of two gases in a closed container, separated by a partition, even out.</translation>
    </message>
    <message>
        <source>Ilustracja zjawiska dyfuzji</source>
        <translation>Illustration of diffusion</translation>
    </message>
    <message>
        <source>Ilustracja zjawiska dyfuzji - wykres</source>
        <translation>Illustration of diffusion - chart</translation>
    </message>
    <message>
        <source>DROGA SWOBODNA - Ilustracja zjawiska</source>
        <translation>FREE PATH - Illustration of the phenomenon</translation>
    </message>
    <message>
        <source> Badanie zależności średniej drogi swobodnej od ilości cząsteczek gazu</source>
        <translation> How the mean free path depends on the number of gas particles</translation>
    </message>
    <message>
        <source>Pomiar liczby zderzeń ze ściankami naczynia</source>
        <translation>Counting the collisions with the walls of the vessel</translation>
    </message>
    <message>
        <source>Pojęcie temperatury</source>
        <translation>The idea of temperature</translation>
    </message>
    <message>
        <source>Od czego zależy ciśnienie gazu?</source>
        <translation>What does the pressure of a gas depend on?</translation>
    </message>
    <message>
        <source>Uruchom symulację</source>
        <translation>Run the simulation</translation>
    </message>
    <message>
        <source>Uruchom</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>Ustal parametry początkowe</source>
        <translation>Set the initial conditions</translation>
    </message>
    <message>
        <source>    Uruchom symulację. </source>
        <translation>    Run the simulation. </translation>
    </message>
    <message>
        <source>W lewej części naczynia
znajdują się tylko
cząsteczki jednej
substancji, natomiast
w prawej części
naczynia znajdują się
jedynie cząsteczki
drugiej substancji.
Cząsteczki obu
substancji poruszają
się bezładnie
i zderzają się ze sobą.</source>
        <translation>The left part of the
vessel holds only
particles of one
substance, and the
right part holds
only particles of
the other substance.
The particles of both
substances move
at random and
collide with
one another.</translation>
    </message>
    <message>
        <source>Po pewnym czasie
obserwujemy
wymieszanie się
cząsteczek obu
substancji.
Stężenie każdej
z nich jest wtedy
w całym naczyniu
prawie jednakowe.</source>
        <translation>After some time
we see that the
particles of both
substances have
mixed.
The concentration
of each is then
almost the same
in the whole vessel.</translation>
    </message>
    <message>
        <source>Jeszcze raz spójrz na ilustrację zjawiska dyfuzji. Tym razem naczynie jest podzielone na 8 równych części, ponumerowanych od lewej do prawej. Na początku cząsteczki drugiej substancji zajmują tylko lewą połowę naczynia. Wykres słupkowy po prawej stronie ekranu pokazuje, ile cząsteczek drugiej substancji znajduje się w każdej z ośmiu części. Obserwuj, jak z upływem czasu zmieniają się wysokości słupków, i spróbuj odpowiedzieć na pytania:</source>
        <translation>Look at the illustration of diffusion once more. This time the vessel is divided into 8 equal parts, numbered from left to right. At the start the particles of the second substance fill only the left half of the vessel. The bar chart on the right of the screen shows how many particles of the second substance there are in each of the eight parts. Watch how the heights of the bars change as time goes on, and try to answer the questions:</translation>
    </message>
    <message>
        <source>1) Jak mierzyć szybkość dyfuzji?
2) Od czego zależy tempo zachodzenia zjawiska?
3) Czy osiagnięty zostaje stan równowagi stałej?
4) Czy możliwy jest powrót do stanu początkowego mieszaniny substancji?</source>
        <translation>1) How can we measure the rate of diffusion?
2) What does the rate of the process depend on?
3) Is a state of steady equilibrium reached?
4) Can the mixture of substances return to its initial state?</translation>
    </message>
    <message>
        <source>Cząsteczki gazu/cieczy zamknięte w naczyniu poruszają się chaotycznie zderzając się ze sobą. Między dwoma kolejnymi zderzeniami cząsteczka porusza się po linii prostej. Odcinek, który przebywa w tym czasie, nazywamy drogą swobodną.
Kolejne drogi swobodne mają różne długości, dlatego posługujemy się średnią drogą swobodną, czyli średnią długością tych odcinków.
Na rysunku żółta cząsteczka zostawia za sobą czarny ślad. Każdy prosty odcinek tego śladu to jedna droga swobodna. Średnia droga swobodna jest tym krótsza, im więcej cząsteczek jest w naczyniu i im są one większe.</source>
        <translation>The particles of a gas or liquid closed in a vessel move chaotically and collide with one another. Between two successive collisions a particle moves in a straight line. The segment it travels in that time is called its free path.
Successive free paths have different lengths, so we use the mean free path, the average length of these segments.
In the picture the yellow particle leaves a black trail behind it. Each straight segment of the trail is one free path. The more particles there are in the vessel and the larger they are, the shorter the mean free path.</translation>
    </message>
    <message>
        <source>Zbadamy, jak średnia droga swobodna cząsteczki zależy od liczby cząsteczek gazu w naczyniu. Wielkość naczynia, wielkość cząsteczek i ich maksymalną szybkość ustaw na początku i nie zmieniaj ich w czasie całego doświadczenia. Zmieniaj tylko liczbę cząsteczek N.</source>
        <translation>We shall study how the mean free path of a particle depends on the number of gas particles in the vessel. Set the size of the vessel, the size of the particles and their maximum speed at the start and do not change them during the whole experiment. Change only the number of particles N.</translation>
    </message>
    <message>
        <source>1. Naciśnij „Ustal parametry początkowe”. Ustaw wielkość naczynia, wielkość cząsteczek, maksymalną szybkość oraz liczbę zderzeń, po której symulacja sama się zatrzyma (np. 300). Zamknij panel przyciskiem „Zamknij”. W ramce „Opcje” poniżej zaznacz „Zatrzymuj symulację po określonej liczbie zderzeń”.</source>
        <translation>1. Press “Set the initial conditions”. Set the size of the vessel, the size of the particles, the maximum speed and the number of collisions after which the simulation stops by itself (e.g. 300). Close the panel with the “Close” button. In the “Options” box below, tick “Stop the simulation after a set number of collisions”.</translation>
    </message>
    <message>
        <source>2. Naciśnij „Uruchom symulację”, ustaw liczbę cząsteczek N (np. 100) i naciśnij „Start”. Gdy symulacja się zatrzyma, odczytaj średnią drogę swobodną („Śr. droga swob.”), wróć tutaj przyciskiem „Wyjście” i wpisz do tabeli N oraz zmierzoną drogę s.</source>
        <translation>2. Press “Run the simulation”, set the number of particles N (e.g. 100) and press “Start”. When the simulation stops, read the mean free path (“Mean free path”), come back here with the “Exit” button and write N and the measured path s in the table.</translation>
    </message>
    <message>
        <source>3. Powtórz pomiar dla kilku innych liczb cząsteczek (np. 200, 300, 400, 500, 600) i naciśnij „Rysuj wykres”. Punkty powinny ułożyć się w przybliżeniu na hiperboli: im więcej cząsteczek, tym częściej się zderzają i tym krótsza jest ich średnia droga swobodna. Jest ona odwrotnie proporcjonalna do liczby cząsteczek N.</source>
        <translation>3. Repeat the measurement for a few other numbers of particles (e.g. 200, 300, 400, 500, 600) and press “Draw the chart”. The points should lie roughly on a hyperbola: the more particles there are, the more often they collide and the shorter their mean free path. It is inversely proportional to the number of particles N.</translation>
    </message>
    <message>
        <source>Opcje</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Skaluj wykres od zera</source>
        <translation>Scale the chart from zero</translation>
    </message>
    <message>
        <source>Zatrzymuj symulację po określonej liczbie zderzeń</source>
        <translation>Stop the simulation after a set number of collisions</translation>
    </message>
    <message>
        <source>Rysuj krzywą </source>
        <translation>Draw the curve </translation>
    </message>
    <message>
        <source>Ustaw parametry układu doświadczalnego tak, aby w możliwie dużym naczyniu zmieścić dużą ilość cząsteczek. Parametry ustawisz na panelu, który otworzy się po naciśnięciu „Uruchom”; symulację rozpoczyna przycisk „Start”. Obok naczynia program wypisuje, ile razy cząsteczki uderzyły w każdą z czterech ścianek (1 – lewa, 2 – górna, 3 – prawa, 4 – dolna), a wykres słupkowy pokazuje te liczby. Obserwuj przez pewien czas, jak rosną liczby zderzeń.</source>
        <translation>Set up the experiment so that a large vessel holds a large number of particles. You set the values on the panel that opens when you press “Run”; the “Start” button begins the simulation. Next to the vessel the program shows how many times the particles have hit each of the four walls (1 – left, 2 – top, 3 – right, 4 – bottom), and a bar chart shows these numbers. Watch for a while how the numbers of collisions grow.</translation>
    </message>
    <message>
        <source>Teraz powtórz doświadczenie dla innych parametrów początkowych układu pomiarowego i odpowiedz na pytania:
1. Czy liczby zderzeń z czterema ściankami są jednakowe? Co się zmienia, gdy naczynie nie jest kwadratem?
2. Jak zmienia się liczba zderzeń w ciągu jednej sekundy, gdy zwiększamy liczbę cząsteczek?
3. Jak zmienia się liczba zderzeń, gdy zwiększamy maksymalną szybkość cząsteczek?
4. Jak zmienia się liczba zderzeń, gdy powiększamy naczynie?
5. Jaki związek ma liczba zderzeń ze ściankami z ciśnieniem gazu?</source>
        <translation>Now repeat the experiment with other initial conditions and answer the questions:
1. Are the numbers of collisions with the four walls the same? What changes when the vessel is not a square?
2. How does the number of collisions in one second change when we increase the number of particles?
3. How does the number of collisions change when we increase the maximum speed of the particles?
4. How does the number of collisions change when we make the vessel larger?
5. How is the number of collisions with the walls related to the pressure of the gas?</translation>
    </message>
    <message>
        <source>W tym ćwiczeniu można obserwować zachowanie wirtualnego termometru w zależności od zmiany różnych parametrów. Po naciśnięciu „Uruchom” symulacja rusza od razu, a po prawej stronie ekranu pojawia się panel z czterema suwakami: liczba cząsteczek, prędkość cząsteczek, masa cząsteczek i szerokość naczynia. Zmieniaj kolejno każdy z nich i obserwuj termometr.</source>
        <translation>In this exercise you can watch how a virtual thermometer behaves when various conditions change. When you press “Run” the simulation starts at once, and a panel with four sliders appears on the right of the screen: number of particles, speed of the particles, mass of the particles and width of the vessel. Change each of them in turn and watch the thermometer.</translation>
    </message>
    <message>
        <source>Spróbuj odpowiedzieć na pytania:
1. Jak zmienia się temperatura gazu, gdy zwiększamy średnią prędkość cząsteczek?
2. Czy temperatura gazu zależy od masy jego cząsteczek?
3. Czy temperatura zmienia się, gdy zmieniamy liczbę cząsteczek?
4. Czy temperatura zależy od wielkości naczynia?
5. Z jaką wielkością opisującą ruch cząsteczek jest związana temperatura gazu?</source>
        <translation>Try to answer the questions:
1. How does the temperature of the gas change when we increase the mean speed of the particles?
2. Does the temperature of a gas depend on the mass of its particles?
3. Does the temperature change when we change the number of particles?
4. Does the temperature depend on the size of the vessel?
5. Which quantity describing the motion of the particles is the temperature of a gas related to?</translation>
    </message>
    <message>
        <source>W tym ćwiczeniu można obserwować zachowanie wirtualnego manometru w zależności od zmiany różnych parametrów
układu. Po naciśnięciu „Uruchom” symulacja rusza od razu, a po prawej stronie ekranu pojawia się panel z czterema suwakami: liczba cząsteczek, prędkość cząsteczek, masa cząsteczek i szerokość naczynia. Zmieniaj kolejno każdy z nich i obserwuj poziom cieczy w manometrze oraz wartość ciśnienia.</source>
        <translation>In this exercise you can watch how a virtual manometer behaves when various conditions
change. When you press “Run” the simulation starts at once, and a panel with four sliders appears on the right of the screen: number of particles, speed of the particles, mass of the particles and width of the vessel. Change each of them in turn and watch the level of the liquid in the manometer and the value of the pressure.</translation>
    </message>
    <message>
        <source>Spróbuj odpowiedzieć na pytania:
1. Jak zmienia się ciśnienie gazu, gdy zwiększamy liczbę cząsteczek?
2. Jak zmienia się ciśnienie, gdy zwiększamy prędkość cząsteczek?
3. Czy ciśnienie zależy od masy cząsteczek?
4. Jak zmienia się ciśnienie, gdy powiększamy naczynie?
5. Dlaczego gaz wywiera ciśnienie na ścianki naczynia?</source>
        <translation>Try to answer the questions:
1. How does the pressure of the gas change when we increase the number of particles?
2. How does the pressure change when we increase the speed of the particles?
3. Does the pressure depend on the mass of the particles?
4. How does the pressure change when we make the vessel larger?
5. Why does a gas exert pressure on the walls of its vessel?</translation>
    </message>
    <message>
        <source>Jeden z gazów ma wyższą temperaturę. Jego cząsteczki poruszają się średnio szybciej niż cząsteczki drugiego gazu. Przegroda między gazami też jest zbudowana z cząsteczek. Szybkie cząsteczki cieplejszego gazu uderzają w cząsteczki przegrody i przekazują im energię kinetyczną, a cząsteczki przegrody przekazują ją dalej, aż do cząsteczek chłodniejszego gazu. Energia przepływa w ten sposób od gazu cieplejszego do chłodniejszego, dopóki temperatury obu gazów się nie wyrównają. Obserwuj wskazania obu termometrów. Symulacja nie uwzględnia siły ciężkości.</source>
        <translation>One of the gases has a higher temperature. Its particles move faster on average than the particles of the other gas. The partition between the gases is also made of particles. The fast particles of the warmer gas hit the particles of the partition and pass kinetic energy to them, and the particles of the partition pass it on to the particles of the cooler gas. In this way energy flows from the warmer gas to the cooler one until the temperatures of the two gases are equal. Watch the readings of both thermometers. The simulation leaves out the force of gravity.</translation>
    </message>
    <message>
        <source>Można używać nastpujących klawiszy:</source>
        <translation>You can use the following keys:</translation>
    </message>
    <message>
        <source>Mozna uzywać nastpujących klawiszy:</source>
        <translation>You can use the following keys:</translation>
    </message>
    <message>
        <source>Rozpoczęcie symulacji od początku dla danych warunków</source>
        <translation>Start the simulation again with the same initial</translation>
    </message>
    <message>
        <source>początkowych</source>
        <translation>conditions</translation>
    </message>
    <message>
        <source>Ustawienie warunków poczatkowych układu.</source>
        <translation>Setting the initial conditions.</translation>
    </message>
    <message>
        <source>Ustawienie warunków początkowych układu.</source>
        <translation>Setting the initial conditions.</translation>
    </message>
    <message>
        <source> Przycisk otwiera panel warunków początkowych (rysunek obok). Na panelu wybiera się wielkość cząsteczek oraz ustawia liczbę cząsteczek, szerokość i wysokość naczynia i maksymalną szybkość cząsteczek. Przycisk „Start” zamyka panel i uruchamia symulację od nowa z nowymi ustawieniami.</source>
        <translation> The button opens the panel of initial conditions (picture on the right). On the panel you choose the size of the particles and set the number of particles, the width and height of the vessel and the maximum speed of the particles. The “Start” button closes the panel and starts the simulation again with the new settings.</translation>
    </message>
    <message>
        <source>Zatrzymanie symulacji (pauza)</source>
        <translation>Pausing the simulation</translation>
    </message>
    <message>
        <source>Możliwość wydruku zrzutu ekranu</source>
        <translation>Printing a picture of the screen</translation>
    </message>
    <message>
        <source>Opuszczenie symulacji i przejście do menu głównego</source>
        <translation>Leaving the simulation for the main menu</translation>
    </message>
    <message>
        <source>Tak</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Nie</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Folder:</translation>
    </message>
    <message>
        <source>Nazwa pliku:</source>
        <translation>File name:</translation>
    </message>
    <message>
        <source>Typ pliku:</source>
        <translation>File type:</translation>
    </message>
    <message>
        <source>Zapisz</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Nie udało się rozmieścić cząsteczek gazu i przegrody w naczyniu. Spróbuj uruchomić symulację jeszcze raz.</source>
        <translation>The gas particles and the partition could not be placed in the vessel. Try running the simulation again.</translation>
    </message>
    <message>
        <source>Trwa rozmieszczanie cząsteczek…</source>
        <translation>Placing the particles…</translation>
    </message>
    <message>
        <source>Model zderzeń:</source>
        <translation>Collision model:</translation>
    </message>
    <message>
        <source>Cząsteczki, które się zetkną, wymieniają się całymi prędkościami (model programu)</source>
        <translation>Particles that touch swap their whole velocities (the program’s model)</translation>
    </message>
    <message>
        <source>dokładny</source>
        <translation>exact</translation>
    </message>
    <message>
        <source>Cząsteczki są sprężystymi krążkami: zderzają się jak w teorii kinetycznej gazów</source>
        <translation>Particles are elastic discs: they collide as in the kinetic theory of gases</translation>
    </message>
    <message>
        <source>Histogram prędkości</source>
        <translation>Speed histogram</translation>
    </message>
    <message>
        <source>Rozkład prędkości cząsteczek obok naczynia, z krzywą Maxwella dla tej samej energii</source>
        <translation>The distribution of particle speeds beside the vessel, with the Maxwell curve for the same energy</translation>
    </message>
    <message>
        <source>O programie</source>
        <translation>About the program</translation>
    </message>
    <message>
        <source>Wersja produktu: 2.0</source>
        <translation>Product version: 2.0</translation>
    </message>
    <message>
        <source>Rok produkcji: 2003</source>
        <translation>Year of production: 2003</translation>
    </message>
    <message>
        <source>DYFUZJA - ustawienia warunków początkowych układu</source>
        <translation>DIFFUSION - initial conditions of the system</translation>
    </message>
    <message>
        <source>Wielkość cząsteczek</source>
        <translation>Size of the particles</translation>
    </message>
    <message>
        <source>llość cząsteczek mieszaniny</source>
        <translation>Number of particles in the mixture</translation>
    </message>
    <message>
        <source>Szerokość naczynia</source>
        <translation>Width of the vessel</translation>
    </message>
    <message>
        <source>Wysokość naczynia</source>
        <translation>Height of the vessel</translation>
    </message>
    <message>
        <source>Określ maksymalną szybkość cząsteczek</source>
        <translation>Set the maximum speed of the particles</translation>
    </message>
    <message>
        <source>Ilosc zderzeń</source>
        <translation>Number of collisions</translation>
    </message>
    <message>
        <source>Vśr. cząsteczek:</source>
        <translation>Mean speed Vav:</translation>
    </message>
    <message>
        <source>Masa cząsteczek gazu:</source>
        <translation>Mass of the gas particles:</translation>
    </message>
    <message>
        <source>cząsteczek N</source>
        <translation>particles N</translation>
    </message>
    <message>
        <source>Średnia droga swobodna </source>
        <translation>Mean free path </translation>
    </message>
    <message>
        <source>s [jedn.]</source>
        <translation>s [units]</translation>
    </message>
    <message>
        <source>Wykres zależności średniej drogi swobodnej</source>
        <translation>Mean free path plotted against</translation>
    </message>
    <message>
        <source>od liczby cząsteczek w naczyniu</source>
        <translation>the number of particles in the vessel</translation>
    </message>
    <message>
        <source>Czy zapisać tę stronę jako plik PDF?</source>
        <translation>Save this page as a PDF file?</translation>
    </message>
    <message>
        <source>Bład</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Pauza</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Wznów</source>
        <translation>Resume</translation>
    </message>
    <message>
        <source>Zmniejsz liczbę cząsteczek gazu</source>
        <translation>Reduce the number of gas particles</translation>
    </message>
    <message>
        <source>Nieprawidłowa wartość! Minimalna liczba zderzeń: 100</source>
        <translation>Invalid value! The smallest number of collisions is 100</translation>
    </message>
    <message>
        <source>Nieprawidłowa wartość</source>
        <translation>Invalid value</translation>
    </message>
    <message>
        <source>Nie udało się otworzyć adresu:

%1

Adres skopiowano do schowka; można go wkleić do przeglądarki lub programu pocztowego.</source>
        <translation>The address could not be opened:

%1

The address has been copied to the clipboard; you can paste it into a web browser or an e-mail program.</translation>
    </message>
    <message>
        <source>Ukryj panel</source>
        <translation>Hide the panel</translation>
    </message>
    <message>
        <source>Pokaż tabelę pomiarów</source>
        <translation>Show the table</translation>
    </message>
    <message>
        <source>Rysuj wykres</source>
        <translation>Draw the chart</translation>
    </message>
    <message>
        <source>Drukuj tabelę i wykres</source>
        <translation>Print table and chart</translation>
    </message>
    <message>
        <source>Powtórz doświadczenie dla różnych parametrów początkowych układu.</source>
        <translation>Repeat the experiment with different initial conditions.</translation>
    </message>
    <message>
        <source>Liczba</source>
        <translation>Number of</translation>
    </message>
    <message>
        <source>Ciśnienie p</source>
        <translation>Pressure p</translation>
    </message>
    <message>
        <source>x 10 </source>
        <translation>x 10 </translation>
    </message>
    <message>
        <source>[jedn.]</source>
        <translation>[units]</translation>
    </message>
    <message>
        <source>Wykres zależności ciśnienia gazu</source>
        <translation>Pressure of the gas plotted against</translation>
    </message>
    <message>
        <source>Ustaw następujące parametry układu: 
- średnia prędkość cząsteczek (Vśr.): około 100 jednostek,
- masa cząsteczki gazu: 7 u,
- szerokość naczynia: 400 jednostek.
Potem suwakiem „Liczba cząsteczek” zmieniaj liczbę cząsteczek gazu. Dla każdej liczby cząsteczek odczytaj wskazanie manometru i wpisz do tabeli liczbę cząsteczek N oraz ciśnienie p. Powtórz pomiar dla kilku, a najlepiej kilkunastu różnych liczb cząsteczek. Na koniec narysuj wykres i zastanów się, jak ciśnienie gazu zależy od liczby jego cząsteczek.</source>
        <translation>Set the system as follows: 
- mean speed of the particles (Vav): about 100 units,
- mass of a gas particle: 7 u,
- width of the vessel: 400 units.
Then change the number of gas particles with the “Number of particles” slider. For each number of particles read the manometer and write the number of particles N and the pressure p in the table. Repeat the measurement for several, or better a dozen or so, different numbers of particles. Finally draw the chart and think about how the pressure of a gas depends on the number of its particles.</translation>
    </message>
    <message>
        <source>Ustaw następujące parametry układu: 
- masa cząsteczki gazu: 7 u,
- szerokość naczynia: 500 jednostek,
- liczba cząsteczek: 500.
Potem suwakiem „Vśr. cząsteczek” zmieniaj średnią prędkość cząsteczek gazu. Dla każdej prędkości odczytaj wskazanie manometru i wpisz do tabeli średnią prędkość Vśr oraz ciśnienie p. Powtórz pomiar dla kilku, a najlepiej kilkunastu różnych prędkości. Na koniec narysuj wykres i zastanów się, jak ciśnienie gazu zależy od średniej prędkości jego cząsteczek.</source>
        <translation>Set the system as follows: 
- mass of a gas particle: 7 u,
- width of the vessel: 500 units,
- number of particles: 500.
Then change the mean speed of the gas particles with the “Mean speed” slider. For each speed read the manometer and write the mean speed Vav and the pressure p in the table. Repeat the measurement for several, or better a dozen or so, different speeds. Finally draw the chart and think about how the pressure of a gas depends on the mean speed of its particles.</translation>
    </message>
    <message>
        <source>Ustaw następujące parametry układu: 
- średnia prędkość cząsteczek (Vśr.): około 100 jednostek,
- szerokość naczynia: 500 jednostek,
- liczba cząsteczek: 500.
Potem suwakiem „Masa cząsteczek gazu” zmieniaj masę cząsteczek. Dla każdej masy odczytaj wskazanie manometru i wpisz do tabeli masę cząsteczki m oraz ciśnienie p. Powtórz pomiar dla kilku, a najlepiej kilkunastu różnych mas. Na koniec narysuj wykres i zastanów się, jak ciśnienie gazu zależy od masy jego cząsteczek.</source>
        <translation>Set the system as follows: 
- mean speed of the particles (Vav): about 100 units,
- width of the vessel: 500 units,
- number of particles: 500.
Then change the mass of the particles with the “Mass of the gas particles” slider. For each mass read the manometer and write the mass of a particle m and the pressure p in the table. Repeat the measurement for several, or better a dozen or so, different masses. Finally draw the chart and think about how the pressure of a gas depends on the mass of its particles.</translation>
    </message>
    <message>
        <source>Ustaw następujące parametry układu: 
- średnia prędkość cząsteczek (Vśr.): około 120 jednostek,
- masa cząsteczki gazu: 9 u,
- liczba cząsteczek: 500.
Potem suwakiem „Szerokość naczynia” zmieniaj bok naczynia. Naczynie jest kwadratem, więc jego objętość to bok pomnożony przez bok: V = bok × bok. Dla każdego boku oblicz V, odczytaj wskazanie manometru i wpisz do tabeli objętość V oraz ciśnienie p. Powtórz pomiar dla kilku, a najlepiej kilkunastu różnych boków. Na koniec narysuj wykres i zastanów się, jak ciśnienie gazu zależy od objętości naczynia.</source>
        <translation>Set the system as follows: 
- mean speed of the particles (Vav): about 120 units,
- mass of a gas particle: 9 u,
- number of particles: 500.
Then change the side of the vessel with the “Width of the vessel” slider. The vessel is a square, so its volume is the side times the side: V = side × side. For each side work out V, read the manometer and write the volume V and the pressure p in the table. Repeat the measurement for several, or better a dozen or so, different sides. Finally draw the chart and think about how the pressure of a gas depends on the volume of the vessel.</translation>
    </message>
    <message>
        <source>Ustaw następujące parametry układu: 
- średnia prędkość cząsteczek (Vśr.): około 100 jednostek,
- masa cząsteczki gazu: 7 u,
- szerokość naczynia: 400 jednostek.
Potem suwakiem „Liczba cząsteczek” zmieniaj liczbę cząsteczek gazu. Dla każdej liczby cząsteczek odczytaj wskazanie termometru i wpisz do tabeli liczbę cząsteczek N oraz temperaturę T. Powtórz pomiar dla kilku, a najlepiej kilkunastu różnych liczb cząsteczek. Na koniec narysuj wykres i zastanów się, czy temperatura gazu zależy od liczby jego cząsteczek.</source>
        <translation>Set the system as follows: 
- mean speed of the particles (Vav): about 100 units,
- mass of a gas particle: 7 u,
- width of the vessel: 400 units.
Then change the number of gas particles with the “Number of particles” slider. For each number of particles read the thermometer and write the number of particles N and the temperature T in the table. Repeat the measurement for several, or better a dozen or so, different numbers of particles. Finally draw the chart and think about whether the temperature of a gas depends on the number of its particles.</translation>
    </message>
    <message>
        <source>Ustaw następujące parametry układu: 
- masa cząsteczki gazu: 7 u,
- szerokość naczynia: 500 jednostek,
- liczba cząsteczek: 500.
Potem suwakiem „Vśr. cząsteczek” zmieniaj średnią prędkość cząsteczek gazu. Dla każdej prędkości odczytaj wskazanie termometru i wpisz do tabeli średnią prędkość Vśr oraz temperaturę T. Powtórz pomiar dla kilku, a najlepiej kilkunastu różnych prędkości. Na koniec narysuj wykres i zastanów się, jak temperatura gazu zależy od średniej prędkości jego cząsteczek.</source>
        <translation>Set the system as follows: 
- mass of a gas particle: 7 u,
- width of the vessel: 500 units,
- number of particles: 500.
Then change the mean speed of the gas particles with the “Mean speed” slider. For each speed read the thermometer and write the mean speed Vav and the temperature T in the table. Repeat the measurement for several, or better a dozen or so, different speeds. Finally draw the chart and think about how the temperature of a gas depends on the mean speed of its particles.</translation>
    </message>
    <message>
        <source>Ustaw następujące parametry układu: 
- średnia prędkość cząsteczek (Vśr.): około 100 jednostek,
- szerokość naczynia: 500 jednostek,
- liczba cząsteczek: 500.
Potem suwakiem „Masa cząsteczek gazu” zmieniaj masę cząsteczek. Dla każdej masy odczytaj wskazanie termometru i wpisz do tabeli masę cząsteczki m oraz temperaturę T. Powtórz pomiar dla kilku, a najlepiej kilkunastu różnych mas. Na koniec narysuj wykres i zastanów się, jak temperatura gazu zależy od masy jego cząsteczek.</source>
        <translation>Set the system as follows: 
- mean speed of the particles (Vav): about 100 units,
- width of the vessel: 500 units,
- number of particles: 500.
Then change the mass of the particles with the “Mass of the gas particles” slider. For each mass read the thermometer and write the mass of a particle m and the temperature T in the table. Repeat the measurement for several, or better a dozen or so, different masses. Finally draw the chart and think about how the temperature of a gas depends on the mass of its particles.</translation>
    </message>
    <message>
        <source>Ustaw następujące parametry układu: 
- średnia prędkość cząsteczek (Vśr.): około 120 jednostek,
- masa cząsteczki gazu: 9 u,
- liczba cząsteczek: 500.
Potem suwakiem „Szerokość naczynia” zmieniaj bok naczynia. Naczynie jest kwadratem, więc jego objętość to bok pomnożony przez bok: V = bok × bok. Dla każdego boku oblicz V, odczytaj wskazanie termometru i wpisz do tabeli objętość V oraz temperaturę T. Powtórz pomiar dla kilku, a najlepiej kilkunastu różnych boków. Na koniec narysuj wykres i zastanów się, czy temperatura gazu zależy od objętości naczynia.</source>
        <translation>Set the system as follows: 
- mean speed of the particles (Vav): about 120 units,
- mass of a gas particle: 9 u,
- number of particles: 500.
Then change the side of the vessel with the “Width of the vessel” slider. The vessel is a square, so its volume is the side times the side: V = side × side. For each side work out V, read the thermometer and write the volume V and the temperature T in the table. Repeat the measurement for several, or better a dozen or so, different sides. Finally draw the chart and think about whether the temperature of a gas depends on the volume of the vessel.</translation>
    </message>
    <message>
        <source>Badanie zależności ciśnienia od ilości cząsteczek gazu</source>
        <translation>How the pressure depends on the number of gas particles</translation>
    </message>
    <message>
        <source>Zbadamy czy i jak zależy ciśnienie gazu od liczby cząsteczek gazu znajdujących się w zamkniętym naczyniu. Doświadczenie będzie polegało na pomiarze ciśnienia dla różnej liczby cząsteczek gazu.</source>
        <translation>We shall find out whether and how the pressure of a gas depends on the number of gas particles in a closed vessel. In the experiment we measure the pressure for different numbers of gas particles.</translation>
    </message>
    <message>
        <source>od liczby cząsteczek gazu</source>
        <translation>the number of gas particles</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Badanie zależności ciśnienia od średniej prędkości cząsteczek gazu</source>
        <translation>How the pressure depends on the mean speed of the gas particles</translation>
    </message>
    <message>
        <source>Zbadamy czy i jak zależy ciśnienie gazu od średniej prędkości cząsteczek gazu znajdujących się w zamkniętym naczyniu. Doświadczenie będzie polegało na pomiarze ciśnienia dla różnych wartości prędkości cząsteczek gazu.</source>
        <translation>We shall find out whether and how the pressure of a gas depends on the mean speed of the gas particles in a closed vessel. In the experiment we measure the pressure for different speeds of the gas particles.</translation>
    </message>
    <message>
        <source>Śr. prędkość</source>
        <translation>Mean speed</translation>
    </message>
    <message>
        <source>cząsteczek Vśr</source>
        <translation>of particles Vav</translation>
    </message>
    <message>
        <source>od średniej prędkości cząsteczek gazu</source>
        <translation>the mean speed of the gas particles</translation>
    </message>
    <message>
        <source>Vśr [jedn.]</source>
        <translation>Vav [units]</translation>
    </message>
    <message>
        <source>Badanie zależności ciśnienia od masy cząsteczek gazu</source>
        <translation>How the pressure depends on the mass of the gas particles</translation>
    </message>
    <message>
        <source>Zbadamy czy i jak zależy ciśnienie gazu od masy cząsteczek gazu znajdujących się w zamkniętym naczyniu. Doświadczenie będzie polegało na pomiarze ciśnienia dla różnych wartości masy cząsteczek gazu.</source>
        <translation>We shall find out whether and how the pressure of a gas depends on the mass of the gas particles in a closed vessel. In the experiment we measure the pressure for different masses of the gas particles.</translation>
    </message>
    <message>
        <source>Masa</source>
        <translation>Mass</translation>
    </message>
    <message>
        <source>cząsteczek m</source>
        <translation>of a particle m</translation>
    </message>
    <message>
        <source>od masy cząsteczek gazu</source>
        <translation>the mass of the gas particles</translation>
    </message>
    <message>
        <source>m [u]</source>
        <translation>m [u]</translation>
    </message>
    <message>
        <source>Badanie zależności ciśnienia od wielkości naczynia</source>
        <translation>How the pressure depends on the size of the vessel</translation>
    </message>
    <message>
        <source>Zbadamy czy i jak zależy ciśnienie gazu od wielkości naczynia. Doświadczenie będzie polegało na pomiarze ciśnienia dla różnych wartoci objetości naczynia.</source>
        <translation>We shall find out whether and how the pressure of a gas depends on the size of the vessel. In the experiment we measure the pressure for different volumes of the vessel.</translation>
    </message>
    <message>
        <source>Objętość</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>naczynia V</source>
        <translation>of the vessel V</translation>
    </message>
    <message>
        <source>od objętości naczynia</source>
        <translation>the volume of the vessel</translation>
    </message>
    <message>
        <source>V [jedn.]</source>
        <translation>V [units]</translation>
    </message>
    <message>
        <source>Badanie zależności temperatury od ilości cząsteczek gazu</source>
        <translation>How the temperature depends on the number of gas particles</translation>
    </message>
    <message>
        <source>Zbadamy czy i jak zależy temperatura gazu od liczby cząsteczek zbajdujących się w zamkniętym naczyniu. Doświadczenie będzie polegało na pomiarze temperatury dla różnej liczby cząsteczek w każdym powtórzeniu doświadczenia.</source>
        <translation>We shall find out whether and how the temperature of a gas depends on the number of particles in a closed vessel. In the experiment we measure the temperature with a different number of particles each time we repeat it.</translation>
    </message>
    <message>
        <source>Wykres zależności temperatury gazu</source>
        <translation>Temperature of the gas plotted against</translation>
    </message>
    <message>
        <source>Badanie zależności temperatury od średniej prędkości cząsteczek gazu</source>
        <translation>How the temperature depends on the mean speed of the gas particles</translation>
    </message>
    <message>
        <source>Zbadamy czy i jak zależy temperatura gazu od średniej prędkości cząsteczek gazu znajdujących się w zamkniętym naczyniu. Doświadczenie będzie polegało na pomiarze temperatury dla różnych wartości średnich prędkości cząsteczek.</source>
        <translation>We shall find out whether and how the temperature of a gas depends on the mean speed of the gas particles in a closed vessel. In the experiment we measure the temperature for different mean speeds of the particles.</translation>
    </message>
    <message>
        <source>od śedniej prędkości cząsteczek gazu</source>
        <translation>the mean speed of the gas particles</translation>
    </message>
    <message>
        <source>Badanie zależności temperatury od masy cząsteczek gazu</source>
        <translation>How the temperature depends on the mass of the gas particles</translation>
    </message>
    <message>
        <source>Zbadamy czy i jak zależy temperatura gazu od masy cząsteczek gazu znajdujących się w zamkniętym naczyniu. Doświadczenie będzie polegało na pomiarze temperatury dla różnych wartości mas cząsteczek.</source>
        <translation>We shall find out whether and how the temperature of a gas depends on the mass of the gas particles in a closed vessel. In the experiment we measure the temperature for different masses of the particles.</translation>
    </message>
    <message>
        <source>Badanie zależności temperatury od wielkości naczynia</source>
        <translation>How the temperature depends on the size of the vessel</translation>
    </message>
    <message>
        <source>Zbadamy czy i jak zależy temperatura gazu od wielkości naczynia. Doświadczenie będzie polegało na pomiarze temperatury dla różnych wartości objętości naczynia.</source>
        <translation>We shall find out whether and how the temperature of a gas depends on the size of the vessel. In the experiment we measure the temperature for different volumes of the vessel.</translation>
    </message>
    <message>
        <source>V [jedn]</source>
        <translation>V [units]</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>n - numer kolejny części objętości naczynia</source>
        <translation>n - number of the part of the vessel</translation>
    </message>
    <message>
        <source>Liczba cząsteczek w n-tej części objętości</source>
        <translation>Number of particles in the n-th part</translation>
    </message>
    <message>
        <source>ZDERZENIA</source>
        <translation>COLLISIONS</translation>
    </message>
    <message>
        <source>ZE ŚCIANKAMI NACZYNIA</source>
        <translation>WITH THE VESSEL WALLS</translation>
    </message>
    <message>
        <source>Liczba zderzeń cząsteczek</source>
        <translation>Collisions of particles</translation>
    </message>
    <message>
        <source>z n-tą ścianką naczynia</source>
        <translation>with the n-th wall</translation>
    </message>
    <message>
        <source>Numer ścianki naczynia</source>
        <translation>Number of the wall</translation>
    </message>
    <message>
        <source>3/4 N</source>
        <translation>3/4 N</translation>
    </message>
    <message>
        <source>1/2 N</source>
        <translation>1/2 N</translation>
    </message>
    <message>
        <source>1/4 N</source>
        <translation>1/4 N</translation>
    </message>
    <message>
        <source>Liczba zderzeń N  =   </source>
        <translation>Number of collisions N  =   </translation>
    </message>
    <message>
        <source>Liczba cząsteczek: </source>
        <translation>Number of particles: </translation>
    </message>
    <message>
        <source>Vmax = </source>
        <translation>Vmax = </translation>
    </message>
    <message>
        <source>Vśr = </source>
        <translation>Vav = </translation>
    </message>
    <message>
        <source>T = </source>
        <translation>T = </translation>
    </message>
    <message>
        <source>T &gt; 4000 jednostek</source>
        <translation>T &gt; 4000 units</translation>
    </message>
    <message>
        <source>POJĘCIE CISNIENIA</source>
        <translation>THE IDEA OF PRESSURE</translation>
    </message>
    <message>
        <source>p = </source>
        <translation>p = </translation>
    </message>
    <message>
        <source> x 10 </source>
        <translation> x 10 </translation>
    </message>
    <message>
        <source>- 26</source>
        <translation>- 26</translation>
    </message>
    <message>
        <source>jedn.</source>
        <translation>units</translation>
    </message>
    <message>
        <source>p - nieustalone</source>
        <translation>p - not settled</translation>
    </message>
    <message>
        <source>Liczba cząsteczek w lewej części naczynia: </source>
        <translation>Number of particles in the left part of the vessel: </translation>
    </message>
    <message>
        <source>Liczba cząsteczek w prawej części naczynia: </source>
        <translation>Number of particles in the right part of the vessel: </translation>
    </message>
    <message>
        <source>Liczba cząsteczek przegrody: </source>
        <translation>Number of particles of the partition: </translation>
    </message>
    <message>
        <source>Temperatura gazu w lewej części naczynia = </source>
        <translation>Temperature of the gas in the left part of the vessel = </translation>
    </message>
    <message>
        <source>Temperatura gazu w prawej części naczynia = </source>
        <translation>Temperature of the gas in the right part of the vessel = </translation>
    </message>
    <message>
        <source>Temperatura przegrody = </source>
        <translation>Temperature of the partition = </translation>
    </message>
    <message>
        <source>nieokreślona</source>
        <translation>undetermined</translation>
    </message>
    <message>
        <source>Vśr. cząsteczek = </source>
        <translation>Mean speed Vav = </translation>
    </message>
    <message>
        <source>Masa cząsteczki gazu: </source>
        <translation>Mass of the gas particles: </translation>
    </message>
    <message>
        <source> u</source>
        <translation> u</translation>
    </message>
    <message>
        <source>Szerokość naczynia: </source>
        <translation>Width of the vessel: </translation>
    </message>
    <message>
        <source>Rozkład prędkości cząsteczek</source>
        <translation>Distribution of particle speeds</translation>
    </message>
    <message>
        <source>Model dokładny: zderzenia sprężystych krążków</source>
        <translation>Exact model: collisions of elastic discs</translation>
    </message>
    <message>
        <source>Pracownia Programów Edukacyjnych KINETRA</source>
        <translation>KINETRA Educational Software Studio</translation>
    </message>
    <message>
        <source>Nie można wydrukować strony, ponieważ nie znaleziono drukarki domyślnej.
Proszę sprawdzić, czy drukarka jest włączona i ustawiona w systemie jako domyślna.
Za chwilę można zapisać tę stronę jako plik PDF i wydrukować ją później.</source>
        <translation>The page cannot be printed because no default printer was found.
Please check that the printer is switched on and set up in the system as the default printer.
In a moment you can save this page as a PDF file and print it later.</translation>
    </message>
    <message>
        <source>Drukarka „%1” jest wstrzymana albo zgłasza błąd, dlatego strona nie została wydrukowana.
Za chwilę można zapisać tę stronę jako plik PDF i wydrukować ją później.</source>
        <translation>The printer “%1” is paused or reports an error, so the page has not been printed.
In a moment you can save this page as a PDF file and print it later.</translation>
    </message>
    <message>
        <source>Nie udało się wysłać strony do drukarki „%1”.
Za chwilę można zapisać tę stronę jako plik PDF i wydrukować ją później.</source>
        <translation>The page could not be sent to the printer “%1”.
In a moment you can save this page as a PDF file and print it later.</translation>
    </message>
    <message>
        <source>Nie udało się zapisać pliku „%1”.
Proszę wybrać inny folder lub inną nazwę pliku.</source>
        <translation>The file “%1” could not be saved.
Please choose another folder or another file name.</translation>
    </message>
    <message>
        <source>Maksymalna szybkość cząsteczek</source>
        <translation>Maximum speed of the particles</translation>
    </message>
    <message>
        <source>Liczba zderzeń</source>
        <translation>Number of collisions</translation>
    </message>
    <message>
        <source>Średnia prędkość cząsteczek</source>
        <translation>Mean speed of the particles</translation>
    </message>
    <message>
        <source>Masa cząsteczek gazu</source>
        <translation>Mass of the gas particles</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Model:</translation>
    </message>
    <message>
        <source>Autorzy:</source>
        <translation>Authors:</translation>
    </message>
    <message>
        <source>Zacznij od nowa</source>
        <translation>Start again</translation>
    </message>
    <message>
        <source>Parametry</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Drukuj</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>prosty</source>
        <translation>simple</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Wydruk ekranu symulacji Droga swobodna</source>
        <translation>Simulation printout Free path</translation>
    </message>
    <message>
        <source>Wydruk ekranu symulacji Zderzenia ze ściankami naczynia</source>
        <translation>Simulation printout Collisions with the walls of the vessel</translation>
    </message>
    <message>
        <source>Wydruk tabeli pomiarów - </source>
        <translation>Measurement table printout - </translation>
    </message>
    <message>
        <source>Strona została wysłana do drukarki „%1”.</source>
        <translation>The page has been sent to the printer “%1”.</translation>
    </message>
    <message>
        <source>Widok</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Pokaż wektory prędkości</source>
        <translation>Show velocity vectors</translation>
    </message>
    <message>
        <source>Duży podgląd</source>
        <translation>Large view</translation>
    </message>
    <message>
        <source>Opis przy „nieokreślona”</source>
        <translation>Label with “undetermined”</translation>
    </message>
    <message>
        <source>druk na białym tle</source>
        <translation>print on a white background</translation>
    </message>
    <message>
        <source>Symulację zatrzymano po %1 zderzeniach śledzonej cząsteczki. Aby ją kontynuować, naciśnij przycisk „Wznów”.</source>
        <translation>The simulation stopped after %1 collisions of the tracked particle. To go on, press the “Resume” button.</translation>
    </message>
    <message>
        <source>Ustawienia tej symulacji</source>
        <translation>Settings of this simulation</translation>
    </message>
    <message>
        <source>Maksymalna szybkość cząsteczek:</source>
        <translation>Maximum speed of the particles:</translation>
    </message>
    <message>
        <source>Mnożnik prędkości (x/2):</source>
        <translation>Speed multiplier (x/2):</translation>
    </message>
    <message>
        <source>Masa cząsteczki gazu [u]:</source>
        <translation>Mass of a gas particle [u]:</translation>
    </message>
    <message>
        <source>Wartości początkowe</source>
        <translation>Starting values</translation>
    </message>
    <message>
        <source>Te same wartości ustawiają panel warunków początkowych i suwaki doświadczeń.</source>
        <translation>The initial conditions panel and the sliders of the experiments set the same values.</translation>
    </message>
    <message>
        <source>Wyczyść tabelę</source>
        <translation>Clear the table</translation>
    </message>
    <message>
        <source>Czy na pewno usunąć wszystkie liczby z tabeli pomiarów?</source>
        <translation>Do you really want to remove all the numbers from the measurement table?</translation>
    </message>
    <message>
        <source>DROGA SWOBODNA - warunki początkowe</source>
        <translation>FREE PATH - initial conditions</translation>
    </message>
    <message>
        <source>ZDERZENIA ZE ŚCIANKAMI - warunki początkowe</source>
        <translation>COLLISIONS WITH THE WALLS - initial conditions</translation>
    </message>
    <message>
        <source>Zapisz tabelę (CSV)</source>
        <translation>Save table (CSV)</translation>
    </message>
    <message>
        <source>Zapisz pomiary z tabeli w pliku CSV dla arkusza kalkulacyjnego</source>
        <translation>Save the measurements of the table in a CSV file for a spreadsheet</translation>
    </message>
    <message>
        <source>Zapisz wykres (PNG/PDF)</source>
        <translation>Save chart (PNG/PDF)</translation>
    </message>
    <message>
        <source>Zapisz wykres jako obraz PNG albo stronę PDF</source>
        <translation>Save the chart as a PNG picture or a PDF page</translation>
    </message>
    <message>
        <source>Zapisz obraz</source>
        <translation>Save the picture</translation>
    </message>
    <message>
        <source>Zapisz tabelę pomiarów</source>
        <translation>Save the measurement table</translation>
    </message>
    <message>
        <source>pomiary.csv</source>
        <translation>measurements.csv</translation>
    </message>
    <message>
        <source>Plik CSV (*.csv)</source>
        <translation>CSV file (*.csv)</translation>
    </message>
    <message>
        <source>Zapisz wykres</source>
        <translation>Save the chart</translation>
    </message>
    <message>
        <source>wykres.png</source>
        <translation>chart.png</translation>
    </message>
    <message>
        <source>Obraz PNG (*.png);;Strona PDF (*.pdf)</source>
        <translation>PNG picture (*.png);;PDF page (*.pdf)</translation>
    </message>
    <message>
        <source>Zapisz obraz symulacji</source>
        <translation>Save the picture of the simulation</translation>
    </message>
    <message>
        <source>symulacja.png</source>
        <translation>simulation.png</translation>
    </message>
    <message>
        <source>Obraz PNG (*.png)</source>
        <translation>PNG picture (*.png)</translation>
    </message>
    <message>
        <source>Zapisywanie pliku</source>
        <translation>Saving a file</translation>
    </message>
    <message>
        <source>błąd zapisu</source>
        <translation>write error</translation>
    </message>
    <message>
        <source>Nie udało się zapisać pliku „%1”.
Powód: %2</source>
        <translation>The file “%1” could not be saved.
Reason: %2</translation>
    </message>
    <message>
        <source>Obraz ekranu wydrukowano na białym tle. Można to zmienić w menu głównym, w grupie „Widok” (pole „druk na białym tle”).</source>
        <translation>The screen picture was printed on a white background. You can change this in the main menu, in the “View” group (the “print on a white background” box).</translation>
    </message>
    <message>
        <source>dd.MM.yyyy</source>
        <translation>dd/MM/yyyy</translation>
    </message>
    <message>
        <source>Model dokładny: temperatura to średnia energia jednej cząsteczki, więc nie zależy od liczby cząsteczek (w modelu prostym rośnie razem z nią).</source>
        <translation>Exact model: the temperature is the mean energy of one particle, so it does not depend on the number of particles (in the simple model it grows with it).</translation>
    </message>
    <message>
        <source>Model dokładny: temperatura to średnia energia jednej cząsteczki, więc rośnie z kwadratem średniej prędkości.</source>
        <translation>Exact model: the temperature is the mean energy of one particle, so it grows with the square of the mean speed.</translation>
    </message>
    <message>
        <source>Model dokładny: temperatura to średnia energia jednej cząsteczki, więc przy tej samej prędkości rośnie proporcjonalnie do masy.</source>
        <translation>Exact model: the temperature is the mean energy of one particle, so at the same speed it grows in proportion to the mass.</translation>
    </message>
    <message>
        <source>Model dokładny: temperatura to średnia energia jednej cząsteczki, więc nie zależy od wielkości naczynia.</source>
        <translation>Exact model: the temperature is the mean energy of one particle, so it does not depend on the size of the vessel.</translation>
    </message>
    <message>
        <source>Temperatura gazu jest związana z ruchem cieplnym jego cząsteczek. Cząsteczki gazu zamkniętego w naczyniu poruszają się bezładnie z różnymi prędkościami, zderzają się ze sobą i ze ściankami naczynia. Im szybciej poruszają się cząsteczki, tym większa jest ich energia kinetyczna i tym wyższa jest temperatura gazu. Wirtualny termometr pokazuje temperaturę obliczoną z ruchu cząsteczek, w jednostkach programu.</source>
        <translation>The temperature of a gas is linked to the thermal motion of its particles. The particles of a gas closed in a vessel move at random with different speeds and collide with one another and with the walls of the vessel. The faster the particles move, the greater their kinetic energy and the higher the temperature of the gas. The virtual thermometer shows the temperature worked out from the motion of the particles, in the program’s units.</translation>
    </message>
    <message>
        <source>Symulacje tematu „Ciśnienie”: przy każdej cząsteczce kreska w kierunku jej ruchu,
tym dłuższa, im szybciej cząsteczka się porusza. Wyłączone: same cząsteczki.</source>
        <translation>Simulations of the “Pressure” topic: a line at each particle in the direction it moves,
the longer, the faster the particle moves. Off: the particles alone.</translation>
    </message>
    <message>
        <source>Dla projektora, w symulacjach tematów „Dyfuzja”, „Droga swobodna”
i „Zderzenia ze ściankami naczynia”: cząsteczki wielkości 1, 2 i 3 są rysowane
jak cząsteczki wielkości 5, a tor cząsteczki w drodze swobodnej trzy razy grubszą linią.
Przy większych cząsteczkach zmienia się tylko ten tor.</source>
        <translation>For a projector, in the simulations of the topics “Diffusion”, “Free path”
and “Collisions with the walls of the vessel”: particles of size 1, 2 and 3 are drawn
as particles of size 5, and the track of the free path’s particle three times as thick.
With larger particles only that track changes.</translation>
    </message>
    <message>
        <source>Symulacja tematu „Transport ciepła”: gdy temperatura wychodzi poza skalę termometru,
wiersz pokazuje przed słowem „nieokreślona” swój opis,
np. „Temperatura przegrody = nieokreślona”. Temperatury na skali wyglądają tak samo.</source>
        <translation>Simulation of the “Heat transfer” topic: when a temperature goes off the thermometer’s scale,
its line shows its label before the word “undetermined”,
e.g. “Temperature of the partition = undetermined”. Temperatures on the scale look the same.</translation>
    </message>
    <message>
        <source>Przycisk „Drukuj” nad symulacją: obraz ekranu drukuje się na białym tle zamiast
czarnego, co oszczędza toner. Dyfuzja bez wykresu i droga swobodna drukują się na białym
tle zawsze.</source>
        <translation>The “Print” button over a simulation: the screen picture is printed on a white background
instead of black, which saves toner. Diffusion without the chart and the free path are
always printed on white.</translation>
    </message>
    <message>
        <source>Tabela pomiarów zawiera wpisane wartości, które po zakończeniu programu zostaną utracone. Można je najpierw zapisać przyciskiem „%1” pod tabelą.
Czy zakończyć program?</source>
        <translation>The measurement table holds values that were typed in; they will be lost when the program ends. They can be saved first with the “%1” button under the table.
End the program?</translation>
    </message>
    <message>
        <source>Wydrukować obraz symulacji na drukarce „%1”?</source>
        <translation>Print the picture of the simulation on the printer “%1”?</translation>
    </message>
    <message>
        <source>Wydrukować obraz symulacji? Nie znaleziono drukarki domyślnej; stronę będzie można zapisać jako plik PDF.</source>
        <translation>Print the picture of the simulation? No default printer was found; the page can be saved as a PDF file.</translation>
    </message>
    <message>
        <source>jednostek</source>
        <translation>units</translation>
    </message>
    <message>
        <source>Użycie: %1</source>
        <translation>Usage: %1</translation>
    </message>
    <message>
        <source>Opcje:</source>
        <translation>Options:</translation>
    </message>
    <message>
        <source>Argumenty:</source>
        <translation>Arguments:</translation>
    </message>
    <message>
        <source>[opcje]</source>
        <translation>[options]</translation>
    </message>
    <message>
        <source>Nieznana opcja „%1”.</source>
        <translation>Unknown option “%1”.</translation>
    </message>
    <message>
        <source>Nieznane opcje: %1.</source>
        <translation>Unknown options: %1.</translation>
    </message>
    <message>
        <source>Brak wartości po „%1”.</source>
        <translation>Missing value after “%1”.</translation>
    </message>
    <message>
        <source>Nieoczekiwana wartość po „%1”.</source>
        <translation>Unexpected value after “%1”.</translation>
    </message>
    <message>
        <source>Ćwiczenia (dla --exercise):</source>
        <translation>Exercises (for --exercise):</translation>
    </message>
    <message>
        <source>Pomoc: %1 --help</source>
        <translation>Help: %1 --help</translation>
    </message>
    <message>
        <source>KINETRA – program dydaktyczny o kinetyczno-molekularnej teorii gazów.</source>
        <translation>KINETRA – a teaching program on the kinetic theory of gases.</translation>
    </message>
    <message>
        <source>Pokazuje tę pomoc i kończy pracę.</source>
        <translation>Shows this help and exits.</translation>
    </message>
    <message>
        <source>Pokazuje wersję programu i kończy pracę.</source>
        <translation>Shows the version of the program and exits.</translation>
    </message>
    <message>
        <source>Uruchamia program w zwykłym oknie (F11 przełącza tryb).</source>
        <translation>Starts the program in a window (F11 switches the mode).</translation>
    </message>
    <message>
        <source>Uruchamia program na pełnym ekranie (domyślnie).</source>
        <translation>Starts the program full screen (the default).</translation>
    </message>
    <message>
        <source>Język programu: %1.</source>
        <translation>Language of the program: %1.</translation>
    </message>
    <message>
        <source>język</source>
        <translation>language</translation>
    </message>
    <message>
        <source>nazwa</source>
        <translation>name</translation>
    </message>
    <message>
        <source>Otwiera od razu opis ćwiczenia &lt;%1&gt;.</source>
        <translation>Opens the description of the exercise &lt;%1&gt; at once.</translation>
    </message>
    <message>
        <source>%1: nieoczekiwany argument „%2”.</source>
        <translation>%1: unexpected argument “%2”.</translation>
    </message>
    <message>
        <source>KINETRA, wersja %1</source>
        <translation>KINETRA, version %1</translation>
    </message>
    <message>
        <source>%1: opcji --window i --fullscreen nie można łączyć.</source>
        <translation>%1: the options --window and --fullscreen cannot be combined.</translation>
    </message>
    <message>
        <source>%1: język „%2” nie jest dostępny; dostępne: %3.</source>
        <translation>%1: the language “%2” is not available; available: %3.</translation>
    </message>
    <message>
        <source>%1: nie ma ćwiczenia „%2”.</source>
        <translation>%1: there is no exercise “%2”.</translation>
    </message>
    <message>
        <source>kinetra: nie udało się wczytać tekstów wybranego języka; program zostaje polski.</source>
        <translation>kinetra: the texts of the chosen language could not be loaded; the program stays Polish.</translation>
    </message>
    <message>
        <source>ilustracja zjawiska dyfuzji</source>
        <translation>illustration of diffusion</translation>
    </message>
    <message>
        <source>ilustracja zjawiska dyfuzji z wykresem</source>
        <translation>illustration of diffusion with a chart</translation>
    </message>
    <message>
        <source>droga swobodna, ilustracja zjawiska</source>
        <translation>free path, illustration of the phenomenon</translation>
    </message>
    <message>
        <source>zależność średniej drogi swobodnej od liczby cząsteczek</source>
        <translation>mean free path against the number of particles</translation>
    </message>
    <message>
        <source>pomiar liczby zderzeń ze ściankami naczynia</source>
        <translation>counting the collisions with the walls of the vessel</translation>
    </message>
    <message>
        <source>od czego zależy temperatura</source>
        <translation>what the temperature depends on</translation>
    </message>
    <message>
        <source>temperatura a liczba cząsteczek</source>
        <translation>temperature and the number of particles</translation>
    </message>
    <message>
        <source>temperatura a średnia prędkość cząsteczek</source>
        <translation>temperature and the mean speed of the particles</translation>
    </message>
    <message>
        <source>temperatura a masa cząsteczek</source>
        <translation>temperature and the mass of the particles</translation>
    </message>
    <message>
        <source>temperatura a wielkość naczynia</source>
        <translation>temperature and the size of the vessel</translation>
    </message>
    <message>
        <source>od czego zależy ciśnienie gazu</source>
        <translation>what the pressure of a gas depends on</translation>
    </message>
    <message>
        <source>ciśnienie a liczba cząsteczek</source>
        <translation>pressure and the number of particles</translation>
    </message>
    <message>
        <source>ciśnienie a średnia prędkość cząsteczek</source>
        <translation>pressure and the mean speed of the particles</translation>
    </message>
    <message>
        <source>ciśnienie a masa cząsteczek</source>
        <translation>pressure and the mass of the particles</translation>
    </message>
    <message>
        <source>ciśnienie a wielkość naczynia</source>
        <translation>pressure and the size of the vessel</translation>
    </message>
    <message>
        <source>transport ciepła</source>
        <translation>heat transfer</translation>
    </message>
    <message>
        <source>Język programu</source>
        <translation>Language of the program</translation>
    </message>
    <message>
        <source>Język programu (klawisz F12: następny język)</source>
        <translation>Language of the program (F12 key: the next language)</translation>
    </message>
    <message>
        <source>p - trwa pomiar</source>
        <translation>p - still measuring</translation>
    </message>
    <message>
        <source>trwa pomiar</source>
        <translation>still measuring</translation>
    </message>
    <message>
        <source>Model dokładny: ciśnienie mierzy się z uderzeń cząsteczek o ścianki. Po każdej zmianie odczekaj, aż zamiast napisu „trwa pomiar” pojawi się wartość (przy 100 cząsteczkach około 10 s). Prawo gazu doskonałego opisuje gaz rzadki: krążki mają własną powierzchnię (ile pola zajmują, podaje napis pod ciśnieniem), więc im gęstszy gaz, tym mniej mają miejsca do ruchu i tym częściej uderzają w ścianki. Ciśnienie jest przez to wyższe, niż podaje prawo: przy 500 cząsteczkach o ponad jedną dziesiątą. Z tego samego powodu średnia droga swobodna w gęstym gazie jest krótsza, niż podaje wzór dla gazu rzadkiego.</source>
        <translation>Exact model: the pressure is measured from the particles hitting the walls. After each change, wait until a value replaces “still measuring” (about 10 s with 100 particles). The ideal-gas law describes a thin gas: the discs take up area of their own (the line under the pressure gives how much), so the denser the gas, the less room they have to move and the more often they hit the walls. The pressure is therefore higher than the law gives: with 500 particles by more than a tenth. For the same reason the mean free path in a dense gas is shorter than the thin-gas formula gives.</translation>
    </message>
    <message>
        <source>Wzór (gaz rzadki) =  </source>
        <translation>Thin-gas formula =  </translation>
    </message>
    <message>
        <source>Zajęte pole = </source>
        <translation>Area covered = </translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
</context>
</TS>
