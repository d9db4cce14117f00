<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA" sourcelanguage="pl_PL">
<context>
    <name>kinetra</name>
    <message>
        <source>Pracownia Programów Edukacyjnych KINETRA</source>
        <translation>Майстерня освітніх програм KINETRA</translation>
    </message>
    <message>
        <source>s[jedn.]</source>
        <translation>s[од.]</translation>
    </message>
    <message>
        <source>T[jedn.]</source>
        <translation>T[од.]</translation>
    </message>
    <message>
        <source>p[jedn.]</source>
        <translation>p[од.]</translation>
    </message>
    <message>
        <source>Liczba cząsteczek N1 = </source>
        <translation>Число молекул N1 = </translation>
    </message>
    <message>
        <source>Liczba cząsteczek N2 =  </source>
        <translation>Число молекул N2 =  </translation>
    </message>
    <message>
        <source>Liczba cząsteczek N   =  </source>
        <translation>Число молекул N   =  </translation>
    </message>
    <message>
        <source>Vmax   =  </source>
        <translation>Vmax   =  </translation>
    </message>
    <message>
        <source> jednostek</source>
        <translation> одиниць</translation>
    </message>
    <message>
        <source>Vśr    =  </source>
        <translation>Vсер    =  </translation>
    </message>
    <message>
        <source>Czas  =   </source>
        <translation>Час  =   </translation>
    </message>
    <message>
        <source> ms</source>
        <translation> мс</translation>
    </message>
    <message>
        <source>DYFUZJA</source>
        <translation>ДИФУЗІЯ</translation>
    </message>
    <message>
        <source>DROGA SWOBODNA</source>
        <translation>ВІЛЬНИЙ ПРОБІГ</translation>
    </message>
    <message>
        <source>Śr. droga swob.  =   </source>
        <translation>Сер. вільн. пробіг  =   </translation>
    </message>
    <message>
        <source> jedn.</source>
        <translation> од.</translation>
    </message>
    <message>
        <source>Średnica cząsteczek =  </source>
        <translation>Діаметр молекул =  </translation>
    </message>
    <message>
        <source>Liczba zderzeń cząsteczki =  </source>
        <translation>Число зіткнень молекули =  </translation>
    </message>
    <message>
        <source>Liczba cząsteczek</source>
        <translation>Число молекул</translation>
    </message>
    <message>
        <source>Średnia droga swobodna [jednostka]</source>
        <translation>Середня довжина вільного пробігу [одиниця]</translation>
    </message>
    <message>
        <source>Wydruk ekranu symulacji Dyfuzja - ilustracja procesu</source>
        <translation>Друк екрана симуляції Дифузія - ілюстрація процесу</translation>
    </message>
    <message>
        <source>Wydruk ekranu symulacji Transport ciepła</source>
        <translation>Друк екрана симуляції Теплопередача</translation>
    </message>
    <message>
        <source>Wydruk ekranu symulacji Pojęcie ciśnienia</source>
        <translation>Друк екрана симуляції Поняття тиску</translation>
    </message>
    <message>
        <source>Wydruk ekranu symulacji Droga swobodna</source>
        <translation>Друк екрана симуляції Вільний пробіг</translation>
    </message>
    <message>
        <source>Wydruk ekranu symulacji Zderzenia ze ściankami naczynia</source>
        <translation>Друк екрана симуляції Зіткнення зі стінками посудини</translation>
    </message>
    <message>
        <source>Wydruk tabeli pomiarów - </source>
        <translation>Друк таблиці вимірювань - </translation>
    </message>
    <message>
        <source>

Szczegóły: </source>
        <translation>

Подробиці: </translation>
    </message>
    <message>
        <source>nie udało się przygotować strony w pliku </source>
        <translation>не вдалося підготувати сторінку у файлі </translation>
    </message>
    <message>
        <source>Nie można wydrukować strony, ponieważ nie znaleziono drukarki domyślnej.
Proszę sprawdzić, czy drukarka jest włączona i ustawiona w systemie jako domyślna.
Za chwilę można zapisać tę stronę jako plik PDF i wydrukować ją później.</source>
        <translation>Неможливо надрукувати сторінку, бо не знайдено типового принтера.
Перевірте, будь ласка, чи принтер увімкнено і чи його налаштовано в системі як типовий.
За мить можна буде зберегти цю сторінку як файл PDF і надрукувати її пізніше.</translation>
    </message>
    <message>
        <source>Drukarka „%1” jest wstrzymana albo zgłasza błąd, dlatego strona nie została wydrukowana.
Za chwilę można zapisać tę stronę jako plik PDF i wydrukować ją później.</source>
        <translation>Принтер «%1» призупинено або він повідомляє про помилку, тому сторінку не надруковано.
За мить можна буде зберегти цю сторінку як файл PDF і надрукувати її пізніше.</translation>
    </message>
    <message>
        <source>Nie udało się wysłać strony do drukarki „%1”.
Za chwilę można zapisać tę stronę jako plik PDF i wydrukować ją później.</source>
        <translation>Не вдалося надіслати сторінку на принтер «%1».
За мить можна буде зберегти цю сторінку як файл PDF і надрукувати її пізніше.</translation>
    </message>
    <message>
        <source>Nie udało się zapisać pliku „%1”.
Proszę wybrać inny folder lub inną nazwę pliku.</source>
        <translation>Не вдалося зберегти файл «%1».
Виберіть, будь ласка, іншу папку або інше ім’я файлу.</translation>
    </message>
    <message>
        <source>Strona została wysłana do drukarki „%1”.</source>
        <translation>Сторінку надіслано на принтер «%1».</translation>
    </message>
    <message>
        <source>Drukowanie</source>
        <translation>Друк</translation>
    </message>
    <message>
        <source>Zapisz stronę jako plik PDF</source>
        <translation>Зберегти сторінку як файл PDF</translation>
    </message>
    <message>
        <source>Pliki PDF (*.pdf)</source>
        <translation>Файли PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Proszę wypełnić tabelę pomiarów</source>
        <translation>Заповніть, будь ласка, таблицю вимірювань</translation>
    </message>
    <message>
        <source>Tylko jeden przecinek</source>
        <translation>Лише одна кома</translation>
    </message>
    <message>
        <source>Tylko jedna kropka dziesiętna</source>
        <translation>Лише одна десяткова крапка</translation>
    </message>
    <message>
        <source>Tylko cyfry i przecinek</source>
        <translation>Лише цифри й кома</translation>
    </message>
    <message>
        <source>Tylko cyfry i kropka</source>
        <translation>Лише цифри й крапка</translation>
    </message>
    <message>
        <source>Wznów</source>
        <translation>Продовжити</translation>
    </message>
    <message>
        <source>Widok</source>
        <translation>Вигляд</translation>
    </message>
    <message>
        <source>Pokaż wektory prędkości</source>
        <translation>Показувати вектори швидкості</translation>
    </message>
    <message>
        <source>Duży podgląd</source>
        <translation>Збільшений вигляд</translation>
    </message>
    <message>
        <source>Opis przy „nieokreślona”</source>
        <translation>Підпис біля «невизначена»</translation>
    </message>
    <message>
        <source>druk na białym tle</source>
        <translation>друк на білому тлі</translation>
    </message>
    <message>
        <source>Symulację zatrzymano po %1 zderzeniach śledzonej cząsteczki. Aby ją kontynuować, naciśnij przycisk „Wznów”.</source>
        <translation>Симуляцію зупинено після %1-го зіткнення відстежуваної молекули. Щоб продовжити її, натисни кнопку «Продовжити».</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Ustawienia tej symulacji</source>
        <translation>Налаштування цієї симуляції</translation>
    </message>
    <message>
        <source>Maksymalna szybkość cząsteczek:</source>
        <translation>Максимальна швидкість молекул:</translation>
    </message>
    <message>
        <source>Mnożnik prędkości (x/2):</source>
        <translation>Множник швидкості (x/2):</translation>
    </message>
    <message>
        <source>Masa cząsteczki gazu [u]:</source>
        <translation>Маса молекули газу [u]:</translation>
    </message>
    <message>
        <source>Wartości początkowe</source>
        <translation>Початкові значення</translation>
    </message>
    <message>
        <source>Te same wartości ustawiają panel warunków początkowych i suwaki doświadczeń.</source>
        <translation>Ті самі значення задаються також на панелі початкових умов і повзунками дослідів.</translation>
    </message>
    <message>
        <source>Wyczyść tabelę</source>
        <translation>Очистити таблицю</translation>
    </message>
    <message>
        <source>Czy na pewno usunąć wszystkie liczby z tabeli pomiarów?</source>
        <translation>Справді видалити всі числа з таблиці вимірювань?</translation>
    </message>
    <message>
        <source>DYFUZJA - ustawienia warunków początkowych układu</source>
        <translation>ДИФУЗІЯ - початкові умови системи</translation>
    </message>
    <message>
        <source>DROGA SWOBODNA - warunki początkowe</source>
        <translation>ВІЛЬНИЙ ПРОБІГ - початкові умови</translation>
    </message>
    <message>
        <source>ZDERZENIA ZE ŚCIANKAMI - warunki początkowe</source>
        <translation>ЗІТКНЕННЯ ЗІ СТІНКАМИ - початкові умови</translation>
    </message>
    <message>
        <source>Ciśnienie</source>
        <translation>Тиск</translation>
    </message>
    <message>
        <source>Temperatura</source>
        <translation>Температура</translation>
    </message>
    <message>
        <source>Model dokładny: temperatura to średnia energia jednej cząsteczki, więc nie zależy od liczby cząsteczek (w modelu prostym rośnie razem z nią).</source>
        <translation>Точна модель: температура — це середня енергія однієї молекули, тому вона не залежить від числа молекул (у простій моделі вона зростає разом із ним).</translation>
    </message>
    <message>
        <source>Model dokładny: temperatura to średnia energia jednej cząsteczki, więc rośnie z kwadratem średniej prędkości.</source>
        <translation>Точна модель: температура — це середня енергія однієї молекули, тому вона зростає як квадрат середньої швидкості.</translation>
    </message>
    <message>
        <source>Model dokładny: temperatura to średnia energia jednej cząsteczki, więc przy tej samej prędkości rośnie proporcjonalnie do masy.</source>
        <translation>Точна модель: температура — це середня енергія однієї молекули, тому за тієї самої швидкості вона зростає пропорційно до маси.</translation>
    </message>
    <message>
        <source>Model dokładny: temperatura to średnia energia jednej cząsteczki, więc nie zależy od wielkości naczynia.</source>
        <translation>Точна модель: температура — це середня енергія однієї молекули, тому вона не залежить від розміру посудини.</translation>
    </message>
    <message>
        <source>W naczyniu o szerokości %1 jedn. nie zmieszczą się wszystkie cząsteczki gazu. Szerokość naczynia pozostaje równa %2 jedn.</source>
        <translation>У посудині шириною %1 од. не вмістяться всі молекули газу. Ширина посудини залишається рівною %2 од.</translation>
    </message>
    <message>
        <source>Zapisz tabelę (CSV)</source>
        <translation>Зберегти таблицю (CSV)</translation>
    </message>
    <message>
        <source>Zapisz pomiary z tabeli w pliku CSV dla arkusza kalkulacyjnego</source>
        <translation>Зберегти вимірювання з таблиці у файл CSV для електронної таблиці</translation>
    </message>
    <message>
        <source>Zapisz wykres (PNG/PDF)</source>
        <translation>Зберегти графік</translation>
    </message>
    <message>
        <source>Zapisz wykres jako obraz PNG albo stronę PDF</source>
        <translation>Зберегти графік як зображення PNG або сторінку PDF</translation>
    </message>
    <message>
        <source>Zapisz obraz</source>
        <translation>Зберегти зображення</translation>
    </message>
    <message>
        <source>Zapisz tabelę pomiarów</source>
        <translation>Зберегти таблицю вимірювань</translation>
    </message>
    <message>
        <source>pomiary.csv</source>
        <translation>вимірювання.csv</translation>
    </message>
    <message>
        <source>Plik CSV (*.csv)</source>
        <translation>Файл CSV (*.csv)</translation>
    </message>
    <message>
        <source>Zapisz wykres</source>
        <translation>Зберегти графік</translation>
    </message>
    <message>
        <source>wykres.png</source>
        <translation>графік.png</translation>
    </message>
    <message>
        <source>Obraz PNG (*.png);;Strona PDF (*.pdf)</source>
        <translation>Зображення PNG (*.png);;Сторінка PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Zapisz obraz symulacji</source>
        <translation>Зберегти зображення симуляції</translation>
    </message>
    <message>
        <source>symulacja.png</source>
        <translation>симуляція.png</translation>
    </message>
    <message>
        <source>Obraz PNG (*.png)</source>
        <translation>Зображення PNG (*.png)</translation>
    </message>
    <message>
        <source>Zapisywanie pliku</source>
        <translation>Збереження файлу</translation>
    </message>
    <message>
        <source>błąd zapisu</source>
        <translation>помилка запису</translation>
    </message>
    <message>
        <source>Nie udało się zapisać pliku „%1”.
Powód: %2</source>
        <translation>Не вдалося зберегти файл «%1».
Причина: %2</translation>
    </message>
    <message>
        <source>W programie zastosowano umowne jednostki wielkości fizycznych.</source>
        <translation>У програмі використано умовні одиниці фізичних величин.</translation>
    </message>
    <message>
        <source>Oto znaczenie poszczególnych miar wielkości fizycznyc</source>
        <translation>Ось що означають одиниці окремих фізичних величин</translation>
    </message>
    <message>
        <source>DŁUGOŚĆ</source>
        <translation>ДОВЖИНА</translation>
    </message>
    <message>
        <source>wyrażona jest w pikselach</source>
        <translation>вимірюється в пікселях</translation>
    </message>
    <message>
        <source>CZAS</source>
        <translation>ЧАС</translation>
    </message>
    <message>
        <source>wyrażony jest w sekundach</source>
        <translation>вимірюється в секундах</translation>
    </message>
    <message>
        <source>OBJĘTOŚC NACZYNIA</source>
        <translation>ОБ’ЄМ ПОСУДИНИ</translation>
    </message>
    <message>
        <source>wyrażona jest w jednostce piksel x piksel. Naczynie jest dwuwymiarowe. </source>
        <translation>вимірюється в одиницях піксель x піксель. Посудина двовимірна. </translation>
    </message>
    <message>
        <source>Wszelkie obliczenia wielkości mierzonych uwzgldniają mniejszą liczbę stopni swobody </source>
        <translation>Усі обчислення вимірюваних величин ураховують менше число </translation>
    </message>
    <message>
        <source>cząsteczek mieszaniny.</source>
        <translation>ступенів вільності молекул суміші.</translation>
    </message>
    <message>
        <source>PRĘDKOŚĆ</source>
        <translation>ШВИДКІСТЬ</translation>
    </message>
    <message>
        <source>mierzona jest w jednostce liczba pikseli/ms</source>
        <translation>вимірюється в пікселях за мілісекунду</translation>
    </message>
    <message>
        <source>MASA</source>
        <translation>МАСА</translation>
    </message>
    <message>
        <source>wyrażona jest w jednostce masy atomowej u</source>
        <translation>вимірюється в атомних одиницях маси u</translation>
    </message>
    <message>
        <source>CIŚNIENIE</source>
        <translation>ТИСК</translation>
    </message>
    <message>
        <source>mierzone jest w jednostce umownej</source>
        <translation>вимірюється в умовних одиницях</translation>
    </message>
    <message>
        <source>TEMPERATURA</source>
        <translation>ТЕМПЕРАТУРА</translation>
    </message>
    <message>
        <source>Jednostki stosowane w programie</source>
        <translation>Одиниці, використані в програмі</translation>
    </message>
    <message>
        <source>Wyjście</source>
        <translation>Вихід</translation>
    </message>
    <message>
        <source>Szerokość naczynia</source>
        <translation>Ширина посудини</translation>
    </message>
    <message>
        <source>Wysokość naczynia</source>
        <translation>Висота посудини</translation>
    </message>
    <message>
        <source>Maksymalna szybkość cząsteczek</source>
        <translation>Максимальна швидкість молекул</translation>
    </message>
    <message>
        <source>Liczba zderzeń</source>
        <translation>Число зіткнень</translation>
    </message>
    <message>
        <source>Średnia prędkość cząsteczek</source>
        <translation>Середня швидкість молекул</translation>
    </message>
    <message>
        <source>Masa cząsteczek gazu</source>
        <translation>Маса молекул газу</translation>
    </message>
    <message>
        <source>Klawisz: </source>
        <translation>Клавіша: </translation>
    </message>
    <message>
        <source>spacja</source>
        <translation>пробіл</translation>
    </message>
    <message>
        <source>Liczba zderzeń ze ściankami naczynia</source>
        <translation>Число зіткнень зі стінками посудини</translation>
    </message>
    <message>
        <source>Droga swobodna</source>
        <translation>Вільний пробіг</translation>
    </message>
    <message>
        <source>Dyfuzja</source>
        <translation>Дифузія</translation>
    </message>
    <message>
        <source>Zderzenia ze ściankami naczynia</source>
        <translation>Зіткнення зі стінками посудини</translation>
    </message>
    <message>
        <source>Transport ciepła</source>
        <translation>Теплопередача</translation>
    </message>
    <message>
        <source>O jednostkach</source>
        <translation>Про одиниці</translation>
    </message>
    <message>
        <source>Inne programy</source>
        <translation>Інші програми</translation>
    </message>
    <message>
        <source>Informacje</source>
        <translation>Інформація</translation>
    </message>
    <message>
        <source>Ćwiczenia:</source>
        <translation>Вправи:</translation>
    </message>
    <message>
        <source>ZDERZENIA ZE ŚCIANKAMI NACZYNIA</source>
        <translation>ЗІТКНЕННЯ ЗІ СТІНКАМИ ПОСУДИНИ</translation>
    </message>
    <message>
        <source>POJĘCIE TEMPERATURY</source>
        <translation>ПОНЯТТЯ ТЕМПЕРАТУРИ</translation>
    </message>
    <message>
        <source>POJĘCIE CIŚNIENIA</source>
        <translation>ПОНЯТТЯ ТИСКУ</translation>
    </message>
    <message>
        <source>TRANSPORT CIEPŁA</source>
        <translation>ТЕПЛОПЕРЕДАЧА</translation>
    </message>
    <message>
        <source>1. Ilustracja zjawiska dyfuzji</source>
        <translation>1. Ілюстрація явища дифузії</translation>
    </message>
    <message>
        <source>2. Ilustracja zjawiska dyfuzji - wykres</source>
        <translation>2. Ілюстрація явища дифузії - графік</translation>
    </message>
    <message>
        <source>1. Ilustracja zjawiska</source>
        <translation>1. Ілюстрація явища</translation>
    </message>
    <message>
        <source>2. Badanie zależności średniej drogi</source>
        <translation>2. Дослідження залежності середньої довжини</translation>
    </message>
    <message>
        <source>swobodnej od ilości cząsteczek</source>
        <translation>вільного пробігу від числа молекул</translation>
    </message>
    <message>
        <source>1. Pomiar liczby zderzeń ze ściankaminaczynia</source>
        <translation>1. Вимірювання числа зіткнень зі стінками посудини</translation>
    </message>
    <message>
        <source>1. Od czego zależy temeratura?</source>
        <translation>1. Від чого залежить температура?</translation>
    </message>
    <message>
        <source>2. Badanie zależności temperatury od  liczby cząsteczek gazu</source>
        <translation>2. Дослідження залежності температури від числа молекул газу</translation>
    </message>
    <message>
        <source>3. Badanie zależności temperatury od  średniej prędkości cząsteczek gazu</source>
        <translation>3. Дослідження залежності температури від середньої швидкості молекул газу</translation>
    </message>
    <message>
        <source>4. Badanie zależności temperatury od  masy cząsteczek gazu</source>
        <translation>4. Дослідження залежності температури від маси молекул газу</translation>
    </message>
    <message>
        <source>5. Badanie zależności temperatury od  wielkości naczynia</source>
        <translation>5. Дослідження залежності температури від розміру посудини</translation>
    </message>
    <message>
        <source>1. Od czego zależy ciśnienie gazu?</source>
        <translation>1. Від чого залежить тиск газу?</translation>
    </message>
    <message>
        <source>2. Badanie zależności ciśnienia od  liczby cząsteczek gazu</source>
        <translation>2. Дослідження залежності тиску від числа молекул газу</translation>
    </message>
    <message>
        <source>3. Badanie zależności ciśnienia od  średniej prędkości cząsteczek gazu</source>
        <translation>3. Дослідження залежності тиску від середньої швидкості молекул газу</translation>
    </message>
    <message>
        <source>4. Badanie zależności ciśnienia od  masy cząsteczek gazu</source>
        <translation>4. Дослідження залежності тиску від маси молекул газу</translation>
    </message>
    <message>
        <source>5. Badanie zależności ciśnienia od  wielkości naczynia</source>
        <translation>5. Дослідження залежності тиску від розміру посудини</translation>
    </message>
    <message>
        <source>Ilustracja zjawiska transportu ciepła</source>
        <translation>Ілюстрація явища теплопередачі</translation>
    </message>
    <message>
        <source>Dyfuzja jest to nieodwracalny proces zachodzący samorzutnie na skutek bezładnego ruchu cząsteczek substancji, polegający na wyrównywaniu się stężeń składników mieszaniny substancji. Zjawisko to możemy badać na modelu płaskiego naczynia, w którym na początku cząsteczki dwóch różnych substancji zajmują dwie oddzielne części naczynia. Cząsteczki poruszają się bezładnie, zderzają się ze sobą i ze ściankami naczynia, dlatego po pewnym czasie obie substancje mieszają się, a stężenie każdej z nich staje się w całym naczyniu prawie jednakowe.</source>
        <translation>Дифузія — це необоротний процес, що відбувається самочинно внаслідок хаотичного руху молекул речовин і полягає у вирівнюванні концентрацій складників суміші речовин. Це явище можна досліджувати на моделі плоскої посудини, у якій на початку молекули двох різних речовин займають дві окремі частини посудини. Молекули рухаються хаотично, стикаються одна з одною та зі стінками посудини, тому через деякий час обидві речовини перемішуються, а концентрація кожної з них стає майже однаковою в усій посудині.</translation>
    </message>
    <message>
        <source>Symulacja pozwala zrozumieć pojęcie drogi swobodnej cząsteczki gazu. Drogą swobodną nazywamy odcinek, który cząsteczka przebywa ruchem prostoliniowym między dwoma kolejnymi zderzeniami. Jedna z cząsteczek jest wyróżniona innym kolorem: program rysuje jej tor, liczy jej zderzenia i oblicza średnią długość jej drogi swobodnej. Symulacja nie uwzględnia siły ciężkości.</source>
        <translation>Симуляція допомагає зрозуміти поняття вільного пробігу молекули газу. Вільним пробігом називають відрізок, який молекула проходить прямолінійно між двома послідовними зіткненнями. Одну з молекул виділено іншим кольором: програма малює її траєкторію, рахує її зіткнення й обчислює середню довжину її вільного пробігу. Симуляція не враховує сили тяжіння.</translation>
    </message>
    <message>
        <source>Na skutek ruchu cieplnego cząsteczek gazu w zamkniętym naczyniu następują zderzenia ze ściankami naczynia. Cząsteczka, która uderza w ściankę, odbija się od niej i przez krótką chwilę działa na nią siłą. Bardzo wiele takich uderzeń składa się na nacisk gazu na ścianki. Liczba zderzeń zależy od liczby cząsteczek, od ich szybkości i od wielkości naczynia.</source>
        <translation>Унаслідок теплового руху молекули газу в закритій посудині стикаються з її стінками. Молекула, що вдаряється об стінку, відбивається від неї і короткий час діє на неї з певною силою. Безліч таких ударів разом створює силу тиску газу на стінки. Число зіткнень залежить від числа молекул, від їхньої швидкості та від розміру посудини.</translation>
    </message>
    <message>
        <source>Cząsteczki gazu zamknięte w naczyniu znajdują się w nieustannym ruchu, w wyniku którego ulegają zderzeniom ze ściankami naczynia. Przy każdym zderzeniu cząsteczka działa na ściankę niewielką siłą. Cząsteczek jest bardzo dużo i w każdej sekundzie uderzają w ścianki ogromną liczbę razy, dlatego te drobne uderzenia składają się na stały nacisk gazu na ścianki. Ciśnieniem gazu nazywamy stosunek siły, z jaką gaz naciska na ściankę, do pola powierzchni tej ścianki: p = F / S. Ciśnienie jest tym większe, im częściej i im mocniej cząsteczki uderzają w ścianki.</source>
        <translation>Молекули газу, закритого в посудині, перебувають у безперервному русі, тому весь час стикаються зі стінками посудини. Під час кожного зіткнення молекула діє на стінку невеликою силою. Молекул дуже багато, і щосекунди вони вдаряються об стінки величезну кількість разів, тому ці дрібні удари складаються в сталу силу, з якою газ тисне на стінки. Тиском газу називають відношення сили, з якою газ тисне на стінку, до площі поверхні цієї стінки: p = F / S. Тиск тим більший, чим частіше й чим сильніше молекули вдаряються об стінки.</translation>
    </message>
    <message>
        <source>Symulacja ilustruje zjawisko wyrównywania się temperatur gazów zamkniętych w zamkniętym pojemniku rozdzielonych przegrodą.</source>
        <translation>Симуляція ілюструє явище вирівнювання температур газів, які містяться в закритій посудині й розділені перегородкою.</translation>
    </message>
    <message>
        <source>Ilustracja zjawiska dyfuzji</source>
        <translation>Ілюстрація явища дифузії</translation>
    </message>
    <message>
        <source>Ilustracja zjawiska dyfuzji - wykres</source>
        <translation>Ілюстрація явища дифузії - графік</translation>
    </message>
    <message>
        <source>DROGA SWOBODNA - Ilustracja zjawiska</source>
        <translation>ВІЛЬНИЙ ПРОБІГ - Ілюстрація явища</translation>
    </message>
    <message>
        <source> Badanie zależności średniej drogi swobodnej od ilości cząsteczek gazu</source>
        <translation> Залежність середньої довжини вільного пробігу від числа молекул газу</translation>
    </message>
    <message>
        <source>Pomiar liczby zderzeń ze ściankami naczynia</source>
        <translation>Вимірювання числа зіткнень зі стінками посудини</translation>
    </message>
    <message>
        <source>Pojęcie temperatury</source>
        <translation>Поняття температури</translation>
    </message>
    <message>
        <source>Od czego zależy ciśnienie gazu?</source>
        <translation>Від чого залежить тиск газу?</translation>
    </message>
    <message>
        <source>Uruchom symulację</source>
        <translation>Запустити симуляцію</translation>
    </message>
    <message>
        <source>Uruchom</source>
        <translation>Запустити</translation>
    </message>
    <message>
        <source>Ustal parametry początkowe</source>
        <translation>Задати початкові умови</translation>
    </message>
    <message>
        <source>    Uruchom symulację. </source>
        <translation>    Запусти симуляцію. </translation>
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
        <translation>У лівій частині
посудини є лише
молекули однієї
речовини, а в
правій частині
посудини — тільки
молекули другої
речовини.
Молекули обох
речовин рухаються
хаотично й
стикаються між собою.</translation>
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
        <translation>Через деякий час
спостерігаємо
перемішування
молекул обох
речовин.
Концентрація
кожної з них тоді
майже однакова
в усій посудині.</translation>
    </message>
    <message>
        <source>Jeszcze raz spójrz na ilustrację zjawiska dyfuzji. Tym razem naczynie jest podzielone na 8 równych części, ponumerowanych od lewej do prawej. Na początku cząsteczki drugiej substancji zajmują tylko lewą połowę naczynia. Wykres słupkowy po prawej stronie ekranu pokazuje, ile cząsteczek drugiej substancji znajduje się w każdej z ośmiu części. Obserwuj, jak z upływem czasu zmieniają się wysokości słupków, i spróbuj odpowiedzieć na pytania:</source>
        <translation>Ще раз поглянь на ілюстрацію явища дифузії. Цього разу посудину поділено на 8 рівних частин, пронумерованих зліва направо. На початку молекули другої речовини займають лише ліву половину посудини. Стовпчикова діаграма праворуч на екрані показує, скільки молекул другої речовини є в кожній із восьми частин. Спостерігай, як із часом змінюється висота стовпчиків, і спробуй відповісти на запитання:</translation>
    </message>
    <message>
        <source>1) Jak mierzyć szybkość dyfuzji?
2) Od czego zależy tempo zachodzenia zjawiska?
3) Czy osiagnięty zostaje stan równowagi stałej?
4) Czy możliwy jest powrót do stanu początkowego mieszaniny substancji?</source>
        <translation>1) Як виміряти швидкість дифузії?
2) Від чого залежить темп перебігу цього явища?
3) Чи настає стан сталої рівноваги?
4) Чи може суміш речовин повернутися до початкового стану?</translation>
    </message>
    <message>
        <source>Cząsteczki gazu/cieczy zamknięte w naczyniu poruszają się chaotycznie zderzając się ze sobą. Między dwoma kolejnymi zderzeniami cząsteczka porusza się po linii prostej. Odcinek, który przebywa w tym czasie, nazywamy drogą swobodną.
Kolejne drogi swobodne mają różne długości, dlatego posługujemy się średnią drogą swobodną, czyli średnią długością tych odcinków.
Na rysunku żółta cząsteczka zostawia za sobą czarny ślad. Każdy prosty odcinek tego śladu to jedna droga swobodna. Średnia droga swobodna jest tym krótsza, im więcej cząsteczek jest w naczyniu i im są one większe.</source>
        <translation>Молекули газу/рідини в закритій посудині рухаються хаотично й стикаються між собою. Між двома послідовними зіткненнями молекула рухається прямолінійно. Відрізок, пройдений нею за цей час, називають вільним пробігом.
Послідовні вільні пробіги мають різну довжину, тому користуються середньою довжиною вільного пробігу — середньою довжиною цих відрізків.
На рисунку жовта молекула залишає чорний слід. Кожен прямий відрізок сліду — це один вільний пробіг. Середня довжина вільного пробігу тим менша, чим більше молекул у посудині і чим вони більші.</translation>
    </message>
    <message>
        <source>Zbadamy, jak średnia droga swobodna cząsteczki zależy od liczby cząsteczek gazu w naczyniu. Wielkość naczynia, wielkość cząsteczek i ich maksymalną szybkość ustaw na początku i nie zmieniaj ich w czasie całego doświadczenia. Zmieniaj tylko liczbę cząsteczek N.</source>
        <translation>Дослідимо, як середня довжина вільного пробігу молекули залежить від числа молекул газу в посудині. Розмір посудини, розмір молекул і їхню максимальну швидкість установи на початку й не змінюй їх протягом усього досліду. Змінюй лише число молекул N.</translation>
    </message>
    <message>
        <source>1. Naciśnij „Ustal parametry początkowe”. Ustaw wielkość naczynia, wielkość cząsteczek, maksymalną szybkość oraz liczbę zderzeń, po której symulacja sama się zatrzyma (np. 300). Zamknij panel przyciskiem „Zamknij”. W ramce „Opcje” poniżej zaznacz „Zatrzymuj symulację po określonej liczbie zderzeń”.</source>
        <translation>1. Натисни «Задати початкові умови». Установи розмір посудини, розмір молекул, максимальну швидкість і число зіткнень, після якого симуляція сама зупиниться (наприклад, 300). Закрий панель кнопкою «Закрити». У рамці «Опції» нижче познач «Зупиняти симуляцію після заданого числа зіткнень».</translation>
    </message>
    <message>
        <source>2. Naciśnij „Uruchom symulację”, ustaw liczbę cząsteczek N (np. 100) i naciśnij „Start”. Gdy symulacja się zatrzyma, odczytaj średnią drogę swobodną („Śr. droga swob.”), wróć tutaj przyciskiem „Wyjście” i wpisz do tabeli N oraz zmierzoną drogę s.</source>
        <translation>2. Натисни «Запустити симуляцію», установи число молекул N (наприклад, 100) і натисни «Старт». Коли симуляція зупиниться, прочитай середню довжину вільного пробігу («Сер. вільн. пробіг»), повернися сюди кнопкою «Вихід» і запиши в таблицю N та виміряну довжину s.</translation>
    </message>
    <message>
        <source>3. Powtórz pomiar dla kilku innych liczb cząsteczek (np. 200, 300, 400, 500, 600) i naciśnij „Rysuj wykres”. Punkty powinny ułożyć się w przybliżeniu na hiperboli: im więcej cząsteczek, tym częściej się zderzają i tym krótsza jest ich średnia droga swobodna. Jest ona odwrotnie proporcjonalna do liczby cząsteczek N.</source>
        <translation>3. Повтори вимірювання для кількох інших значень числа молекул (наприклад, 200, 300, 400, 500, 600) і натисни «Побудувати графік». Точки мають лягти приблизно на гіперболу: чим більше молекул, тим частіше вони стикаються і тим менша їхня середня довжина вільного пробігу. Вона обернено пропорційна числу молекул N.</translation>
    </message>
    <message>
        <source>Opcje</source>
        <translation>Опції</translation>
    </message>
    <message>
        <source>Skaluj wykres od zera</source>
        <translation>Масштаб графіка від нуля</translation>
    </message>
    <message>
        <source>Zatrzymuj symulację po określonej liczbie zderzeń</source>
        <translation>Зупиняти симуляцію після заданого числа зіткнень</translation>
    </message>
    <message>
        <source>Rysuj krzywą </source>
        <translation>Малювати криву </translation>
    </message>
    <message>
        <source>Ustaw parametry układu doświadczalnego tak, aby w możliwie dużym naczyniu zmieścić dużą ilość cząsteczek. Parametry ustawisz na panelu, który otworzy się po naciśnięciu „Uruchom”; symulację rozpoczyna przycisk „Start”. Obok naczynia program wypisuje, ile razy cząsteczki uderzyły w każdą z czterech ścianek (1 – lewa, 2 – górna, 3 – prawa, 4 – dolna), a wykres słupkowy pokazuje te liczby. Obserwuj przez pewien czas, jak rosną liczby zderzeń.</source>
        <translation>Налаштуй дослід так, щоб у якомога більшій посудині було якомога більше молекул. Параметри задаси на панелі, що відкриється після натискання «Запустити»; симуляцію починає кнопка «Старт». Поруч із посудиною програма пише, скільки разів молекули вдарилися об кожну з чотирьох стінок (1 – ліва, 2 – верхня, 3 – права, 4 – нижня), а стовпчикова діаграма показує ці числа. Поспостерігай, як зростає число зіткнень.</translation>
    </message>
    <message>
        <source>Teraz powtórz doświadczenie dla innych parametrów początkowych układu pomiarowego i odpowiedz na pytania:
1. Czy liczby zderzeń z czterema ściankami są jednakowe? Co się zmienia, gdy naczynie nie jest kwadratem?
2. Jak zmienia się liczba zderzeń w ciągu jednej sekundy, gdy zwiększamy liczbę cząsteczek?
3. Jak zmienia się liczba zderzeń, gdy zwiększamy maksymalną szybkość cząsteczek?
4. Jak zmienia się liczba zderzeń, gdy powiększamy naczynie?
5. Jaki związek ma liczba zderzeń ze ściankami z ciśnieniem gazu?</source>
        <translation>Тепер повтори дослід для інших початкових параметрів вимірювальної установки й дай відповіді на запитання:
1. Чи однакові числа зіткнень із чотирма стінками? Що змінюється, коли посудина не квадратна?
2. Як змінюється число зіткнень за одну секунду, коли ми збільшуємо число молекул?
3. Як змінюється число зіткнень, коли ми збільшуємо максимальну швидкість молекул?
4. Як змінюється число зіткнень, коли ми збільшуємо посудину?
5. Як число зіткнень зі стінками пов’язане з тиском газу?</translation>
    </message>
    <message>
        <source>W tym ćwiczeniu można obserwować zachowanie wirtualnego termometru w zależności od zmiany różnych parametrów. Po naciśnięciu „Uruchom” symulacja rusza od razu, a po prawej stronie ekranu pojawia się panel z czterema suwakami: liczba cząsteczek, prędkość cząsteczek, masa cząsteczek i szerokość naczynia. Zmieniaj kolejno każdy z nich i obserwuj termometr.</source>
        <translation>У цій вправі можна спостерігати, як поводиться віртуальний термометр, коли змінюються різні параметри. Після натискання «Запустити» симуляція починається відразу, а праворуч на екрані з’являється панель із чотирма повзунками: число молекул, швидкість молекул, маса молекул і ширина посудини. Змінюй по черзі кожен із них і спостерігай за термометром.</translation>
    </message>
    <message>
        <source>Spróbuj odpowiedzieć na pytania:
1. Jak zmienia się temperatura gazu, gdy zwiększamy średnią prędkość cząsteczek?
2. Czy temperatura gazu zależy od masy jego cząsteczek?
3. Czy temperatura zmienia się, gdy zmieniamy liczbę cząsteczek?
4. Czy temperatura zależy od wielkości naczynia?
5. Z jaką wielkością opisującą ruch cząsteczek jest związana temperatura gazu?</source>
        <translation>Спробуй відповісти на запитання:
1. Як змінюється температура газу, коли ми збільшуємо середню швидкість молекул?
2. Чи залежить температура газу від маси його молекул?
3. Чи змінюється температура, коли ми змінюємо число молекул?
4. Чи залежить температура від розміру посудини?
5. З якою величиною, що описує рух молекул, пов’язана температура газу?</translation>
    </message>
    <message>
        <source>W tym ćwiczeniu można obserwować zachowanie wirtualnego manometru w zależności od zmiany różnych parametrów
układu. Po naciśnięciu „Uruchom” symulacja rusza od razu, a po prawej stronie ekranu pojawia się panel z czterema suwakami: liczba cząsteczek, prędkość cząsteczek, masa cząsteczek i szerokość naczynia. Zmieniaj kolejno każdy z nich i obserwuj poziom cieczy w manometrze oraz wartość ciśnienia.</source>
        <translation>У цій вправі можна спостерігати, як поводиться віртуальний манометр, коли змінюються різні параметри
системи. Після натискання «Запустити» симуляція починається відразу, а праворуч на екрані з’являється панель із чотирма повзунками: число молекул, швидкість молекул, маса молекул і ширина посудини. Змінюй по черзі кожен із них і спостерігай за рівнем рідини в манометрі та значенням тиску.</translation>
    </message>
    <message>
        <source>Spróbuj odpowiedzieć na pytania:
1. Jak zmienia się ciśnienie gazu, gdy zwiększamy liczbę cząsteczek?
2. Jak zmienia się ciśnienie, gdy zwiększamy prędkość cząsteczek?
3. Czy ciśnienie zależy od masy cząsteczek?
4. Jak zmienia się ciśnienie, gdy powiększamy naczynie?
5. Dlaczego gaz wywiera ciśnienie na ścianki naczynia?</source>
        <translation>Спробуй відповісти на запитання:
1. Як змінюється тиск газу, коли ми збільшуємо число молекул?
2. Як змінюється тиск, коли ми збільшуємо швидкість молекул?
3. Чи залежить тиск від маси молекул?
4. Як змінюється тиск, коли ми збільшуємо посудину?
5. Чому газ чинить тиск на стінки посудини?</translation>
    </message>
    <message>
        <source>Jeden z gazów ma wyższą temperaturę. Jego cząsteczki poruszają się średnio szybciej niż cząsteczki drugiego gazu. Przegroda między gazami też jest zbudowana z cząsteczek. Szybkie cząsteczki cieplejszego gazu uderzają w cząsteczki przegrody i przekazują im energię kinetyczną, a cząsteczki przegrody przekazują ją dalej, aż do cząsteczek chłodniejszego gazu. Energia przepływa w ten sposób od gazu cieplejszego do chłodniejszego, dopóki temperatury obu gazów się nie wyrównają. Obserwuj wskazania obu termometrów. Symulacja nie uwzględnia siły ciężkości.</source>
        <translation>Один із газів має вищу температуру. Його молекули рухаються в середньому швидше, ніж молекули другого газу. Перегородка між газами теж складається з молекул. Швидкі молекули теплішого газу вдаряються об молекули перегородки й передають їм кінетичну енергію, а молекули перегородки передають її далі, аж до молекул холоднішого газу. Так енергія переходить від теплішого газу до холоднішого, доки температури обох газів не вирівняються. Спостерігай за показами обох термометрів. Симуляція не враховує сили тяжіння.</translation>
    </message>
    <message>
        <source>Można używać nastpujących klawiszy:</source>
        <translation>Можна використовувати такі клавіші:</translation>
    </message>
    <message>
        <source>Mozna uzywać nastpujących klawiszy:</source>
        <translation>Можна використовувати такі клавіші:</translation>
    </message>
    <message>
        <source>Rozpoczęcie symulacji od początku dla danych warunków</source>
        <translation>Запуск симуляції спочатку за тих самих початкових</translation>
    </message>
    <message>
        <source>początkowych</source>
        <translation>умов</translation>
    </message>
    <message>
        <source>Ustawienie warunków poczatkowych układu.</source>
        <translation>Установлення початкових умов системи.</translation>
    </message>
    <message>
        <source>Ustawienie warunków początkowych układu.</source>
        <translation>Установлення початкових умов системи.</translation>
    </message>
    <message>
        <source> Przycisk otwiera panel warunków początkowych (rysunek obok). Na panelu wybiera się wielkość cząsteczek oraz ustawia liczbę cząsteczek, szerokość i wysokość naczynia i maksymalną szybkość cząsteczek. Przycisk „Start” zamyka panel i uruchamia symulację od nowa z nowymi ustawieniami.</source>
        <translation> Кнопка відкриває панель початкових умов (рисунок поруч). На панелі вибирають розмір молекул і встановлюють число молекул, ширину й висоту посудини та максимальну швидкість молекул. Кнопка «Старт» закриває панель і запускає симуляцію заново з новими параметрами.</translation>
    </message>
    <message>
        <source>Zatrzymanie symulacji (pauza)</source>
        <translation>Зупинка симуляції (пауза)</translation>
    </message>
    <message>
        <source>Możliwość wydruku zrzutu ekranu</source>
        <translation>Можливість надрукувати знімок екрана</translation>
    </message>
    <message>
        <source>Opuszczenie symulacji i przejście do menu głównego</source>
        <translation>Вихід із симуляції та перехід до головного меню</translation>
    </message>
    <message>
        <source>Tak</source>
        <translation>Так</translation>
    </message>
    <message>
        <source>Nie</source>
        <translation>Ні</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Папка:</translation>
    </message>
    <message>
        <source>Nazwa pliku:</source>
        <translation>Ім’я файлу:</translation>
    </message>
    <message>
        <source>Typ pliku:</source>
        <translation>Тип файлу:</translation>
    </message>
    <message>
        <source>Zapisz</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>Nie udało się rozmieścić cząsteczek gazu i przegrody w naczyniu. Spróbuj uruchomić symulację jeszcze raz.</source>
        <translation>Не вдалося розмістити молекули газу й перегородку в посудині. Спробуй запустити симуляцію ще раз.</translation>
    </message>
    <message>
        <source>Trwa rozmieszczanie cząsteczek…</source>
        <translation>Триває розміщення молекул…</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Модель</translation>
    </message>
    <message>
        <source>Model zderzeń:</source>
        <translation>Модель:</translation>
    </message>
    <message>
        <source>prosty</source>
        <translation>проста</translation>
    </message>
    <message>
        <source>Cząsteczki, które się zetkną, wymieniają się całymi prędkościami (model programu)</source>
        <translation>Молекули, що зіткнулися, повністю обмінюються швидкостями (модель програми)</translation>
    </message>
    <message>
        <source>dokładny</source>
        <translation>точна</translation>
    </message>
    <message>
        <source>Cząsteczki są sprężystymi krążkami: zderzają się jak w teorii kinetycznej gazów</source>
        <translation>Молекули — пружні диски: вони стикаються, як у кінетичній теорії газів</translation>
    </message>
    <message>
        <source>Histogram prędkości</source>
        <translation>Гістограма швидкостей</translation>
    </message>
    <message>
        <source>Rozkład prędkości cząsteczek obok naczynia, z krzywą Maxwella dla tej samej energii</source>
        <translation>Розподіл швидкостей молекул поруч із посудиною, з кривою Максвелла для тієї самої енергії</translation>
    </message>
    <message>
        <source>O programie</source>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>Autorzy:</source>
        <translation>Автори:</translation>
    </message>
    <message>
        <source>Wersja produktu: 2.0</source>
        <translation>Версія продукту: 2.0</translation>
    </message>
    <message>
        <source>Rok produkcji: 2003</source>
        <translation>Рік випуску: 2003</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Zacznij od nowa</source>
        <translation>Почати знову</translation>
    </message>
    <message>
        <source>Pauza</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Parametry</source>
        <translation>Параметри</translation>
    </message>
    <message>
        <source>Drukuj</source>
        <translation>Друкувати</translation>
    </message>
    <message>
        <source>Wielkość cząsteczek</source>
        <translation>Розмір молекул</translation>
    </message>
    <message>
        <source>llość cząsteczek mieszaniny</source>
        <translation>Число молекул суміші</translation>
    </message>
    <message>
        <source>Określ maksymalną szybkość cząsteczek</source>
        <translation>Задай максимальну швидкість молекул</translation>
    </message>
    <message>
        <source>Ilosc zderzeń</source>
        <translation>Число зіткнень</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Старт</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Vśr. cząsteczek:</source>
        <translation>Vсер молекул:</translation>
    </message>
    <message>
        <source>Masa cząsteczek gazu:</source>
        <translation>Маса молекул газу:</translation>
    </message>
    <message>
        <source>Liczba</source>
        <translation>Число</translation>
    </message>
    <message>
        <source>cząsteczek N</source>
        <translation>молекул N</translation>
    </message>
    <message>
        <source>Średnia droga swobodna </source>
        <translation>Сер. довжина вільного </translation>
    </message>
    <message>
        <source>s [jedn.]</source>
        <translation>пробігу s [од.]</translation>
    </message>
    <message>
        <source>Wykres zależności średniej drogi swobodnej</source>
        <translation>Залежність середньої довжини вільного</translation>
    </message>
    <message>
        <source>od liczby cząsteczek w naczyniu</source>
        <translation>пробігу від числа молекул у посудині</translation>
    </message>
    <message>
        <source>Czy zapisać tę stronę jako plik PDF?</source>
        <translation>Зберегти цю сторінку як файл PDF?</translation>
    </message>
    <message>
        <source>Obraz ekranu wydrukowano na białym tle. Można to zmienić w menu głównym, w grupie „Widok” (pole „druk na białym tle”).</source>
        <translation>Знімок екрана надруковано на білому тлі. Це можна змінити в головному меню, у групі «Вигляд» (поле «друк на білому тлі»).</translation>
    </message>
    <message>
        <source>dd.MM.yyyy</source>
        <translation>dd.MM.yyyy</translation>
    </message>
    <message>
        <source>Bład</source>
        <translation>Помилка</translation>
    </message>
    <message>
        <source>Zmniejsz liczbę cząsteczek gazu</source>
        <translation>Зменш число молекул газу</translation>
    </message>
    <message>
        <source>Nieprawidłowa wartość! Minimalna liczba zderzeń: 100</source>
        <translation>Неправильне значення! Найменше число зіткнень: 100</translation>
    </message>
    <message>
        <source>Nieprawidłowa wartość</source>
        <translation>Неправильне значення</translation>
    </message>
    <message>
        <source>Nie udało się otworzyć adresu:

%1

Adres skopiowano do schowka; można go wkleić do przeglądarki lub programu pocztowego.</source>
        <translation>Не вдалося відкрити адресу:

%1

Адресу скопійовано в буфер обміну; її можна вставити в браузер або поштову програму.</translation>
    </message>
    <message>
        <source>Ukryj panel</source>
        <translation>Сховати панель</translation>
    </message>
    <message>
        <source>Pokaż tabelę pomiarów</source>
        <translation>Показати таблицю</translation>
    </message>
    <message>
        <source>Rysuj wykres</source>
        <translation>Побудувати графік</translation>
    </message>
    <message>
        <source>Drukuj tabelę i wykres</source>
        <translation>Друк таблиці й графіка</translation>
    </message>
    <message>
        <source>Powtórz doświadczenie dla różnych parametrów początkowych układu.</source>
        <translation>Повтори дослід для різних початкових параметрів системи.</translation>
    </message>
    <message>
        <source>Ciśnienie p</source>
        <translation>Тиск p</translation>
    </message>
    <message>
        <source>x 10 </source>
        <translation>x 10 </translation>
    </message>
    <message>
        <source>[jedn.]</source>
        <translation>[од.]</translation>
    </message>
    <message>
        <source>Wykres zależności ciśnienia gazu</source>
        <translation>Графік залежності тиску газу</translation>
    </message>
    <message>
        <source>Ustaw następujące parametry układu: 
- średnia prędkość cząsteczek (Vśr.): około 100 jednostek,
- masa cząsteczki gazu: 7 u,
- szerokość naczynia: 400 jednostek.
Potem suwakiem „Liczba cząsteczek” zmieniaj liczbę cząsteczek gazu. Dla każdej liczby cząsteczek odczytaj wskazanie manometru i wpisz do tabeli liczbę cząsteczek N oraz ciśnienie p. Powtórz pomiar dla kilku, a najlepiej kilkunastu różnych liczb cząsteczek. Na koniec narysuj wykres i zastanów się, jak ciśnienie gazu zależy od liczby jego cząsteczek.</source>
        <translation>Установи такі параметри системи: 
- середня швидкість молекул (Vсер): близько 100 одиниць,
- маса молекули газу: 7 u,
- ширина посудини: 400 одиниць.
Потім повзунком «Число молекул» змінюй число молекул газу. Для кожного числа молекул зніми показ манометра й запиши в таблицю число молекул N і тиск p. Повтори вимірювання для кількох, а краще для кільканадцяти різних значень числа молекул. Наприкінці побудуй графік і поміркуй, як тиск газу залежить від числа його молекул.</translation>
    </message>
    <message>
        <source>Ustaw następujące parametry układu: 
- masa cząsteczki gazu: 7 u,
- szerokość naczynia: 500 jednostek,
- liczba cząsteczek: 500.
Potem suwakiem „Vśr. cząsteczek” zmieniaj średnią prędkość cząsteczek gazu. Dla każdej prędkości odczytaj wskazanie manometru i wpisz do tabeli średnią prędkość Vśr oraz ciśnienie p. Powtórz pomiar dla kilku, a najlepiej kilkunastu różnych prędkości. Na koniec narysuj wykres i zastanów się, jak ciśnienie gazu zależy od średniej prędkości jego cząsteczek.</source>
        <translation>Установи такі параметри системи: 
- маса молекули газу: 7 u,
- ширина посудини: 500 одиниць,
- число молекул: 500.
Потім повзунком «Vсер молекул» змінюй середню швидкість молекул газу. Для кожної швидкості зніми показ манометра й запиши в таблицю середню швидкість Vсер і тиск p. Повтори вимірювання для кількох, а краще для кільканадцяти різних швидкостей. Наприкінці побудуй графік і поміркуй, як тиск газу залежить від середньої швидкості його молекул.</translation>
    </message>
    <message>
        <source>Ustaw następujące parametry układu: 
- średnia prędkość cząsteczek (Vśr.): około 100 jednostek,
- szerokość naczynia: 500 jednostek,
- liczba cząsteczek: 500.
Potem suwakiem „Masa cząsteczek gazu” zmieniaj masę cząsteczek. Dla każdej masy odczytaj wskazanie manometru i wpisz do tabeli masę cząsteczki m oraz ciśnienie p. Powtórz pomiar dla kilku, a najlepiej kilkunastu różnych mas. Na koniec narysuj wykres i zastanów się, jak ciśnienie gazu zależy od masy jego cząsteczek.</source>
        <translation>Установи такі параметри системи: 
- середня швидкість молекул (Vсер): близько 100 одиниць,
- ширина посудини: 500 одиниць,
- число молекул: 500.
Потім повзунком «Маса молекул газу» змінюй масу молекул. Для кожної маси зніми показ манометра й запиши в таблицю масу молекули m і тиск p. Повтори вимірювання для кількох, а краще для кільканадцяти різних мас. Наприкінці побудуй графік і поміркуй, як тиск газу залежить від маси його молекул.</translation>
    </message>
    <message>
        <source>Ustaw następujące parametry układu: 
- średnia prędkość cząsteczek (Vśr.): około 120 jednostek,
- masa cząsteczki gazu: 9 u,
- liczba cząsteczek: 500.
Potem suwakiem „Szerokość naczynia” zmieniaj bok naczynia. Naczynie jest kwadratem, więc jego objętość to bok pomnożony przez bok: V = bok × bok. Dla każdego boku oblicz V, odczytaj wskazanie manometru i wpisz do tabeli objętość V oraz ciśnienie p. Powtórz pomiar dla kilku, a najlepiej kilkunastu różnych boków. Na koniec narysuj wykres i zastanów się, jak ciśnienie gazu zależy od objętości naczynia.</source>
        <translation>Установи такі параметри системи: 
- середня швидкість молекул (Vсер): близько 120 одиниць,
- маса молекули газу: 9 u,
- число молекул: 500.
Потім повзунком «Ширина посудини» змінюй сторону посудини. Посудина квадратна, тож її об’єм V = сторона × сторона. Для кожної сторони обчисли V, зніми показ манометра й запиши в таблицю об’єм V і тиск p. Повтори вимірювання для кількох, а краще для кільканадцяти різних сторін. Наприкінці побудуй графік і поміркуй, як тиск газу залежить від об’єму посудини.</translation>
    </message>
    <message>
        <source>Ustaw następujące parametry układu: 
- średnia prędkość cząsteczek (Vśr.): około 100 jednostek,
- masa cząsteczki gazu: 7 u,
- szerokość naczynia: 400 jednostek.
Potem suwakiem „Liczba cząsteczek” zmieniaj liczbę cząsteczek gazu. Dla każdej liczby cząsteczek odczytaj wskazanie termometru i wpisz do tabeli liczbę cząsteczek N oraz temperaturę T. Powtórz pomiar dla kilku, a najlepiej kilkunastu różnych liczb cząsteczek. Na koniec narysuj wykres i zastanów się, czy temperatura gazu zależy od liczby jego cząsteczek.</source>
        <translation>Установи такі параметри системи: 
- середня швидкість молекул (Vсер): близько 100 одиниць,
- маса молекули газу: 7 u,
- ширина посудини: 400 одиниць.
Потім повзунком «Число молекул» змінюй число молекул газу. Для кожного числа молекул зніми показ термометра й запиши в таблицю число молекул N і температуру T. Повтори вимірювання для кількох, а краще для кільканадцяти різних значень числа молекул. Наприкінці побудуй графік і поміркуй, чи залежить температура газу від числа його молекул.</translation>
    </message>
    <message>
        <source>Ustaw następujące parametry układu: 
- masa cząsteczki gazu: 7 u,
- szerokość naczynia: 500 jednostek,
- liczba cząsteczek: 500.
Potem suwakiem „Vśr. cząsteczek” zmieniaj średnią prędkość cząsteczek gazu. Dla każdej prędkości odczytaj wskazanie termometru i wpisz do tabeli średnią prędkość Vśr oraz temperaturę T. Powtórz pomiar dla kilku, a najlepiej kilkunastu różnych prędkości. Na koniec narysuj wykres i zastanów się, jak temperatura gazu zależy od średniej prędkości jego cząsteczek.</source>
        <translation>Установи такі параметри системи: 
- маса молекули газу: 7 u,
- ширина посудини: 500 одиниць,
- число молекул: 500.
Потім повзунком «Vсер молекул» змінюй середню швидкість молекул газу. Для кожної швидкості зніми показ термометра й запиши в таблицю середню швидкість Vсер і температуру T. Повтори вимірювання для кількох, а краще для кільканадцяти різних швидкостей. Наприкінці побудуй графік і поміркуй, як температура газу залежить від середньої швидкості його молекул.</translation>
    </message>
    <message>
        <source>Ustaw następujące parametry układu: 
- średnia prędkość cząsteczek (Vśr.): około 100 jednostek,
- szerokość naczynia: 500 jednostek,
- liczba cząsteczek: 500.
Potem suwakiem „Masa cząsteczek gazu” zmieniaj masę cząsteczek. Dla każdej masy odczytaj wskazanie termometru i wpisz do tabeli masę cząsteczki m oraz temperaturę T. Powtórz pomiar dla kilku, a najlepiej kilkunastu różnych mas. Na koniec narysuj wykres i zastanów się, jak temperatura gazu zależy od masy jego cząsteczek.</source>
        <translation>Установи такі параметри системи: 
- середня швидкість молекул (Vсер): близько 100 одиниць,
- ширина посудини: 500 одиниць,
- число молекул: 500.
Потім повзунком «Маса молекул газу» змінюй масу молекул. Для кожної маси зніми показ термометра й запиши в таблицю масу молекули m і температуру T. Повтори вимірювання для кількох, а краще для кільканадцяти різних мас. Наприкінці побудуй графік і поміркуй, як температура газу залежить від маси його молекул.</translation>
    </message>
    <message>
        <source>Ustaw następujące parametry układu: 
- średnia prędkość cząsteczek (Vśr.): około 120 jednostek,
- masa cząsteczki gazu: 9 u,
- liczba cząsteczek: 500.
Potem suwakiem „Szerokość naczynia” zmieniaj bok naczynia. Naczynie jest kwadratem, więc jego objętość to bok pomnożony przez bok: V = bok × bok. Dla każdego boku oblicz V, odczytaj wskazanie termometru i wpisz do tabeli objętość V oraz temperaturę T. Powtórz pomiar dla kilku, a najlepiej kilkunastu różnych boków. Na koniec narysuj wykres i zastanów się, czy temperatura gazu zależy od objętości naczynia.</source>
        <translation>Установи такі параметри системи: 
- середня швидкість молекул (Vсер): близько 120 одиниць,
- маса молекули газу: 9 u,
- число молекул: 500.
Потім повзунком «Ширина посудини» змінюй сторону посудини. Посудина квадратна, тож її об’єм V = сторона × сторона. Для кожної сторони обчисли V, зніми показ термометра й запиши в таблицю об’єм V і температуру T. Повтори вимірювання для кількох, а краще для кільканадцяти різних сторін. Наприкінці побудуй графік і поміркуй, чи залежить температура газу від об’єму посудини.</translation>
    </message>
    <message>
        <source>Badanie zależności ciśnienia od ilości cząsteczek gazu</source>
        <translation>Дослідження залежності тиску від числа молекул газу</translation>
    </message>
    <message>
        <source>Zbadamy czy i jak zależy ciśnienie gazu od liczby cząsteczek gazu znajdujących się w zamkniętym naczyniu. Doświadczenie będzie polegało na pomiarze ciśnienia dla różnej liczby cząsteczek gazu.</source>
        <translation>Дослідимо, чи і як тиск газу залежить від числа молекул газу, що містяться в закритій посудині. Дослід полягатиме у вимірюванні тиску за різного числа молекул газу.</translation>
    </message>
    <message>
        <source>od liczby cząsteczek gazu</source>
        <translation>від числа молекул газу</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Badanie zależności ciśnienia od średniej prędkości cząsteczek gazu</source>
        <translation>Дослідження залежності тиску від середньої швидкості молекул газу</translation>
    </message>
    <message>
        <source>Zbadamy czy i jak zależy ciśnienie gazu od średniej prędkości cząsteczek gazu znajdujących się w zamkniętym naczyniu. Doświadczenie będzie polegało na pomiarze ciśnienia dla różnych wartości prędkości cząsteczek gazu.</source>
        <translation>Дослідимо, чи і як тиск газу залежить від середньої швидкості молекул газу, що містяться в закритій посудині. Дослід полягатиме у вимірюванні тиску за різних значень швидкості молекул газу.</translation>
    </message>
    <message>
        <source>Śr. prędkość</source>
        <translation>Сер. швидкість</translation>
    </message>
    <message>
        <source>cząsteczek Vśr</source>
        <translation>молекул Vсер</translation>
    </message>
    <message>
        <source>od średniej prędkości cząsteczek gazu</source>
        <translation>від середньої швидкості молекул газу</translation>
    </message>
    <message>
        <source>Vśr [jedn.]</source>
        <translation>Vсер [од.]</translation>
    </message>
    <message>
        <source>Badanie zależności ciśnienia od masy cząsteczek gazu</source>
        <translation>Дослідження залежності тиску від маси молекул газу</translation>
    </message>
    <message>
        <source>Zbadamy czy i jak zależy ciśnienie gazu od masy cząsteczek gazu znajdujących się w zamkniętym naczyniu. Doświadczenie będzie polegało na pomiarze ciśnienia dla różnych wartości masy cząsteczek gazu.</source>
        <translation>Дослідимо, чи і як тиск газу залежить від маси молекул газу, що містяться в закритій посудині. Дослід полягатиме у вимірюванні тиску за різних значень маси молекул газу.</translation>
    </message>
    <message>
        <source>Masa</source>
        <translation>Маса</translation>
    </message>
    <message>
        <source>cząsteczek m</source>
        <translation>молекули m</translation>
    </message>
    <message>
        <source>od masy cząsteczek gazu</source>
        <translation>від маси молекул газу</translation>
    </message>
    <message>
        <source>m [u]</source>
        <translation>m [u]</translation>
    </message>
    <message>
        <source>Badanie zależności ciśnienia od wielkości naczynia</source>
        <translation>Дослідження залежності тиску від розміру посудини</translation>
    </message>
    <message>
        <source>Zbadamy czy i jak zależy ciśnienie gazu od wielkości naczynia. Doświadczenie będzie polegało na pomiarze ciśnienia dla różnych wartoci objetości naczynia.</source>
        <translation>Дослідимо, чи і як тиск газу залежить від розміру посудини. Дослід полягатиме у вимірюванні тиску за різних значень об’єму посудини.</translation>
    </message>
    <message>
        <source>Objętość</source>
        <translation>Об’єм</translation>
    </message>
    <message>
        <source>naczynia V</source>
        <translation>посудини V</translation>
    </message>
    <message>
        <source>od objętości naczynia</source>
        <translation>від об’єму посудини</translation>
    </message>
    <message>
        <source>V [jedn.]</source>
        <translation>V [од.]</translation>
    </message>
    <message>
        <source>Badanie zależności temperatury od ilości cząsteczek gazu</source>
        <translation>Дослідження залежності температури від числа молекул газу</translation>
    </message>
    <message>
        <source>Zbadamy czy i jak zależy temperatura gazu od liczby cząsteczek zbajdujących się w zamkniętym naczyniu. Doświadczenie będzie polegało na pomiarze temperatury dla różnej liczby cząsteczek w każdym powtórzeniu doświadczenia.</source>
        <translation>Дослідимо, чи і як температура газу залежить від числа молекул, що містяться в закритій посудині. Дослід полягатиме у вимірюванні температури за різного числа молекул у кожному повторенні досліду.</translation>
    </message>
    <message>
        <source>Wykres zależności temperatury gazu</source>
        <translation>Графік залежності температури газу</translation>
    </message>
    <message>
        <source>Badanie zależności temperatury od średniej prędkości cząsteczek gazu</source>
        <translation>Дослідження залежності температури від середньої швидкості молекул газу</translation>
    </message>
    <message>
        <source>Zbadamy czy i jak zależy temperatura gazu od średniej prędkości cząsteczek gazu znajdujących się w zamkniętym naczyniu. Doświadczenie będzie polegało na pomiarze temperatury dla różnych wartości średnich prędkości cząsteczek.</source>
        <translation>Дослідимо, чи і як температура газу залежить від середньої швидкості молекул газу, що містяться в закритій посудині. Дослід полягатиме у вимірюванні температури за різних значень середньої швидкості молекул.</translation>
    </message>
    <message>
        <source>od śedniej prędkości cząsteczek gazu</source>
        <translation>від середньої швидкості молекул газу</translation>
    </message>
    <message>
        <source>Badanie zależności temperatury od masy cząsteczek gazu</source>
        <translation>Дослідження залежності температури від маси молекул газу</translation>
    </message>
    <message>
        <source>Zbadamy czy i jak zależy temperatura gazu od masy cząsteczek gazu znajdujących się w zamkniętym naczyniu. Doświadczenie będzie polegało na pomiarze temperatury dla różnych wartości mas cząsteczek.</source>
        <translation>Дослідимо, чи і як температура газу залежить від маси молекул газу, що містяться в закритій посудині. Дослід полягатиме у вимірюванні температури за різних значень маси молекул.</translation>
    </message>
    <message>
        <source>Badanie zależności temperatury od wielkości naczynia</source>
        <translation>Дослідження залежності температури від розміру посудини</translation>
    </message>
    <message>
        <source>Zbadamy czy i jak zależy temperatura gazu od wielkości naczynia. Doświadczenie będzie polegało na pomiarze temperatury dla różnych wartości objętości naczynia.</source>
        <translation>Дослідимо, чи і як температура газу залежить від розміру посудини. Дослід полягатиме у вимірюванні температури за різних значень об’єму посудини.</translation>
    </message>
    <message>
        <source>V [jedn]</source>
        <translation>V [од.]</translation>
    </message>
    <message>
        <source> s</source>
        <translation> с</translation>
    </message>
    <message>
        <source>n - numer kolejny części objętości naczynia</source>
        <translation>n - порядковий номер частини об’єму посудини</translation>
    </message>
    <message>
        <source>Liczba cząsteczek w n-tej części objętości</source>
        <translation>Число молекул у n-й частині об’єму</translation>
    </message>
    <message>
        <source>ZDERZENIA</source>
        <translation>ЗІТКНЕННЯ</translation>
    </message>
    <message>
        <source>ZE ŚCIANKAMI NACZYNIA</source>
        <translation>ЗІ СТІНКАМИ ПОСУДИНИ</translation>
    </message>
    <message>
        <source>Liczba zderzeń cząsteczek</source>
        <translation>Число зіткнень молекул</translation>
    </message>
    <message>
        <source>z n-tą ścianką naczynia</source>
        <translation>з n-ю стінкою посудини</translation>
    </message>
    <message>
        <source>Numer ścianki naczynia</source>
        <translation>Номер стінки посудини</translation>
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
        <translation>Число зіткнень N  =   </translation>
    </message>
    <message>
        <source>Liczba cząsteczek: </source>
        <translation>Число молекул: </translation>
    </message>
    <message>
        <source>Vmax = </source>
        <translation>Vmax = </translation>
    </message>
    <message>
        <source>Vśr = </source>
        <translation>Vсер = </translation>
    </message>
    <message>
        <source>T = </source>
        <translation>T = </translation>
    </message>
    <message>
        <source>T &gt; 4000 jednostek</source>
        <translation>T &gt; 4000 одиниць</translation>
    </message>
    <message>
        <source>POJĘCIE CISNIENIA</source>
        <translation>ПОНЯТТЯ ТИСКУ</translation>
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
        <translation>од.</translation>
    </message>
    <message>
        <source>p - nieustalone</source>
        <translation>p - не встановився</translation>
    </message>
    <message>
        <source>Liczba cząsteczek w lewej części naczynia: </source>
        <translation>Число молекул у лівій частині посудини: </translation>
    </message>
    <message>
        <source>Liczba cząsteczek w prawej części naczynia: </source>
        <translation>Число молекул у правій частині посудини: </translation>
    </message>
    <message>
        <source>Liczba cząsteczek przegrody: </source>
        <translation>Число молекул перегородки: </translation>
    </message>
    <message>
        <source>Temperatura gazu w lewej części naczynia = </source>
        <translation>Температура газу в лівій частині посудини = </translation>
    </message>
    <message>
        <source>Temperatura gazu w prawej części naczynia = </source>
        <translation>Температура газу в правій частині посудини = </translation>
    </message>
    <message>
        <source>Temperatura przegrody = </source>
        <translation>Температура перегородки = </translation>
    </message>
    <message>
        <source>nieokreślona</source>
        <translation>невизначена</translation>
    </message>
    <message>
        <source>Vśr. cząsteczek = </source>
        <translation>Vсер молекул = </translation>
    </message>
    <message>
        <source>Masa cząsteczki gazu: </source>
        <translation>Маса молекули газу: </translation>
    </message>
    <message>
        <source> u</source>
        <translation> u</translation>
    </message>
    <message>
        <source>Szerokość naczynia: </source>
        <translation>Ширина посудини: </translation>
    </message>
    <message>
        <source>Rozkład prędkości cząsteczek</source>
        <translation>Розподіл швидкостей молекул</translation>
    </message>
    <message>
        <source>Model dokładny: zderzenia sprężystych krążków</source>
        <translation>Точна модель: зіткнення пружних дисків</translation>
    </message>
    <message>
        <source>Temperatura gazu jest związana z ruchem cieplnym jego cząsteczek. Cząsteczki gazu zamkniętego w naczyniu poruszają się bezładnie z różnymi prędkościami, zderzają się ze sobą i ze ściankami naczynia. Im szybciej poruszają się cząsteczki, tym większa jest ich energia kinetyczna i tym wyższa jest temperatura gazu. Wirtualny termometr pokazuje temperaturę obliczoną z ruchu cząsteczek, w jednostkach programu.</source>
        <translation>Температура газу пов’язана з тепловим рухом його молекул. Молекули газу, закритого в посудині, рухаються хаотично з різними швидкостями, стикаються між собою та зі стінками посудини. Що швидше рухаються молекули, то більша їхня кінетична енергія і то вища температура газу. Віртуальний термометр показує температуру, обчислену з руху молекул, в одиницях програми.</translation>
    </message>
    <message>
        <source>Symulacje tematu „Ciśnienie”: przy każdej cząsteczce kreska w kierunku jej ruchu,
tym dłuższa, im szybciej cząsteczka się porusza. Wyłączone: same cząsteczki.</source>
        <translation>Симуляції теми «Тиск»: біля кожної молекули риска в напрямку її руху,
тим довша, чим швидше рухається молекула. Вимкнено: лише молекули.</translation>
    </message>
    <message>
        <source>Dla projektora, w symulacjach tematów „Dyfuzja”, „Droga swobodna”
i „Zderzenia ze ściankami naczynia”: cząsteczki wielkości 1, 2 i 3 są rysowane
jak cząsteczki wielkości 5, a tor cząsteczki w drodze swobodnej trzy razy grubszą linią.
Przy większych cząsteczkach zmienia się tylko ten tor.</source>
        <translation>Для проєктора, у симуляціях тем «Дифузія», «Вільний пробіг»
і «Зіткнення зі стінками посудини»: молекули розміру 1, 2 і 3 малюються
як молекули розміру 5, а траєкторія молекули вільного пробігу — утричі товщою лінією.
За більших молекул змінюється лише ця траєкторія.</translation>
    </message>
    <message>
        <source>Symulacja tematu „Transport ciepła”: gdy temperatura wychodzi poza skalę termometru,
wiersz pokazuje przed słowem „nieokreślona” swój opis,
np. „Temperatura przegrody = nieokreślona”. Temperatury na skali wyglądają tak samo.</source>
        <translation>Симуляція теми «Теплопередача»: коли температура виходить за шкалу термометра,
рядок показує перед словом «невизначена» свій опис,
напр. «Температура перегородки = невизначена». Температури на шкалі виглядають так само.</translation>
    </message>
    <message>
        <source>Przycisk „Drukuj” nad symulacją: obraz ekranu drukuje się na białym tle zamiast
czarnego, co oszczędza toner. Dyfuzja bez wykresu i droga swobodna drukują się na białym
tle zawsze.</source>
        <translation>Кнопка «Друкувати» над симуляцією: знімок екрана друкується на білому тлі замість
чорного, що заощаджує тонер. Дифузія без графіка і вільний пробіг завжди друкуються
на білому тлі.</translation>
    </message>
    <message>
        <source>Tabela pomiarów zawiera wpisane wartości, które po zakończeniu programu zostaną utracone. Można je najpierw zapisać przyciskiem „%1” pod tabelą.
Czy zakończyć program?</source>
        <translation>Таблиця вимірювань містить введені значення, які буде втрачено після завершення програми. Спершу їх можна зберегти кнопкою «%1» під таблицею.
Завершити програму?</translation>
    </message>
    <message>
        <source>Wydrukować obraz symulacji na drukarce „%1”?</source>
        <translation>Надрукувати зображення симуляції на принтері «%1»?</translation>
    </message>
    <message>
        <source>Wydrukować obraz symulacji? Nie znaleziono drukarki domyślnej; stronę będzie można zapisać jako plik PDF.</source>
        <translation>Надрукувати зображення симуляції? Типовий принтер не знайдено; сторінку можна буде зберегти як файл PDF.</translation>
    </message>
    <message>
        <source>jednostek</source>
        <translation>одиниць</translation>
    </message>
    <message>
        <source>Użycie: %1</source>
        <translation>Використання: %1</translation>
    </message>
    <message>
        <source>Opcje:</source>
        <translation>Параметри:</translation>
    </message>
    <message>
        <source>Argumenty:</source>
        <translation>Аргументи:</translation>
    </message>
    <message>
        <source>[opcje]</source>
        <translation>[параметри]</translation>
    </message>
    <message>
        <source>Nieznana opcja „%1”.</source>
        <translation>Невідомий параметр «%1».</translation>
    </message>
    <message>
        <source>Nieznane opcje: %1.</source>
        <translation>Невідомі параметри: %1.</translation>
    </message>
    <message>
        <source>Brak wartości po „%1”.</source>
        <translation>Бракує значення після «%1».</translation>
    </message>
    <message>
        <source>Nieoczekiwana wartość po „%1”.</source>
        <translation>Неочікуване значення після «%1».</translation>
    </message>
    <message>
        <source>Ćwiczenia (dla --exercise):</source>
        <translation>Вправи (для --exercise):</translation>
    </message>
    <message>
        <source>Pomoc: %1 --help</source>
        <translation>Довідка: %1 --help</translation>
    </message>
    <message>
        <source>KINETRA – program dydaktyczny o kinetyczno-molekularnej teorii gazów.</source>
        <translation>KINETRA – навчальна програма з молекулярно-кінетичної теорії газів.</translation>
    </message>
    <message>
        <source>Pokazuje tę pomoc i kończy pracę.</source>
        <translation>Показує цю довідку й завершує роботу.</translation>
    </message>
    <message>
        <source>Pokazuje wersję programu i kończy pracę.</source>
        <translation>Показує версію програми й завершує роботу.</translation>
    </message>
    <message>
        <source>Uruchamia program w zwykłym oknie (F11 przełącza tryb).</source>
        <translation>Запускає програму у звичайному вікні (F11 перемикає режим).</translation>
    </message>
    <message>
        <source>Uruchamia program na pełnym ekranie (domyślnie).</source>
        <translation>Запускає програму на весь екран (типово).</translation>
    </message>
    <message>
        <source>Język programu: %1.</source>
        <translation>Мова програми: %1.</translation>
    </message>
    <message>
        <source>język</source>
        <translation>мова</translation>
    </message>
    <message>
        <source>nazwa</source>
        <translation>назва</translation>
    </message>
    <message>
        <source>Otwiera od razu opis ćwiczenia &lt;%1&gt;.</source>
        <translation>Одразу відкриває опис вправи &lt;%1&gt;.</translation>
    </message>
    <message>
        <source>%1: nieoczekiwany argument „%2”.</source>
        <translation>%1: неочікуваний аргумент «%2».</translation>
    </message>
    <message>
        <source>KINETRA, wersja %1</source>
        <translation>KINETRA, версія %1</translation>
    </message>
    <message>
        <source>%1: opcji --window i --fullscreen nie można łączyć.</source>
        <translation>%1: параметри --window і --fullscreen не можна поєднувати.</translation>
    </message>
    <message>
        <source>%1: język „%2” nie jest dostępny; dostępne: %3.</source>
        <translation>%1: мова «%2» недоступна; доступні: %3.</translation>
    </message>
    <message>
        <source>%1: nie ma ćwiczenia „%2”.</source>
        <translation>%1: немає вправи «%2».</translation>
    </message>
    <message>
        <source>kinetra: nie udało się wczytać tekstów wybranego języka; program zostaje polski.</source>
        <translation>kinetra: не вдалося завантажити тексти вибраної мови; програма залишається польською.</translation>
    </message>
    <message>
        <source>ilustracja zjawiska dyfuzji</source>
        <translation>ілюстрація явища дифузії</translation>
    </message>
    <message>
        <source>ilustracja zjawiska dyfuzji z wykresem</source>
        <translation>ілюстрація явища дифузії з графіком</translation>
    </message>
    <message>
        <source>droga swobodna, ilustracja zjawiska</source>
        <translation>вільний пробіг, ілюстрація явища</translation>
    </message>
    <message>
        <source>zależność średniej drogi swobodnej od liczby cząsteczek</source>
        <translation>залежність середньої довжини вільного пробігу від числа молекул</translation>
    </message>
    <message>
        <source>pomiar liczby zderzeń ze ściankami naczynia</source>
        <translation>вимірювання числа зіткнень зі стінками посудини</translation>
    </message>
    <message>
        <source>od czego zależy temperatura</source>
        <translation>від чого залежить температура</translation>
    </message>
    <message>
        <source>temperatura a liczba cząsteczek</source>
        <translation>температура і число молекул</translation>
    </message>
    <message>
        <source>temperatura a średnia prędkość cząsteczek</source>
        <translation>температура і середня швидкість молекул</translation>
    </message>
    <message>
        <source>temperatura a masa cząsteczek</source>
        <translation>температура і маса молекул</translation>
    </message>
    <message>
        <source>temperatura a wielkość naczynia</source>
        <translation>температура і розмір посудини</translation>
    </message>
    <message>
        <source>od czego zależy ciśnienie gazu</source>
        <translation>від чого залежить тиск газу</translation>
    </message>
    <message>
        <source>ciśnienie a liczba cząsteczek</source>
        <translation>тиск і число молекул</translation>
    </message>
    <message>
        <source>ciśnienie a średnia prędkość cząsteczek</source>
        <translation>тиск і середня швидкість молекул</translation>
    </message>
    <message>
        <source>ciśnienie a masa cząsteczek</source>
        <translation>тиск і маса молекул</translation>
    </message>
    <message>
        <source>ciśnienie a wielkość naczynia</source>
        <translation>тиск і розмір посудини</translation>
    </message>
    <message>
        <source>transport ciepła</source>
        <translation>теплопередача</translation>
    </message>
    <message>
        <source>Język programu</source>
        <translation>Мова програми</translation>
    </message>
    <message>
        <source>Język programu (klawisz F12: następny język)</source>
        <translation>Мова програми (клавіша F12: наступна мова)</translation>
    </message>
    <message>
        <source>p - trwa pomiar</source>
        <translation>p - триває вимірювання</translation>
    </message>
    <message>
        <source>trwa pomiar</source>
        <translation>триває вимірювання</translation>
    </message>
    <message>
        <source>Model dokładny: ciśnienie mierzy się z uderzeń cząsteczek o ścianki. Po każdej zmianie odczekaj, aż zamiast napisu „trwa pomiar” pojawi się wartość (przy 100 cząsteczkach około 10 s). Prawo gazu doskonałego opisuje gaz rzadki: krążki mają własną powierzchnię (ile pola zajmują, podaje napis pod ciśnieniem), więc im gęstszy gaz, tym mniej mają miejsca do ruchu i tym częściej uderzają w ścianki. Ciśnienie jest przez to wyższe, niż podaje prawo: przy 500 cząsteczkach o ponad jedną dziesiątą. Z tego samego powodu średnia droga swobodna w gęstym gazie jest krótsza, niż podaje wzór dla gazu rzadkiego.</source>
        <translation>Точна модель: тиск вимірюють за ударами молекул об стінки. Після кожної зміни зачекай, доки замість напису «триває вимірювання» з’явиться значення (при 100 молекулах близько 10 с). Закон ідеального газу описує розріджений газ: диски мають власну площу (скільки площі вони займають, показує рядок під тиском), тож чим густіший газ, тим менше місця для руху і тим частіше молекули вдаряються об стінки. Тому тиск вищий, ніж за законом: при 500 молекулах більш ніж на десяту частину. З тієї ж причини середня довжина вільного пробігу в густому газі коротша, ніж дає формула для розрідженого газу.</translation>
    </message>
    <message>
        <source>Wzór (gaz rzadki) =  </source>
        <translation>Формула (розрідж. газ) =  </translation>
    </message>
    <message>
        <source>Zajęte pole = </source>
        <translation>Зайнята площа = </translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
</context>
</TS>
