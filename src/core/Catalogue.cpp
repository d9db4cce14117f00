#include "core/Catalogue.h"

#include "core/MenuTexts.h"

namespace {

using enum TopicId;

const Topic kTopicTable[] = {
    {Diffusion, texts::kMenuDiffusion, texts::kDiffusionTitle, texts::kMemo2, false, false, false,
     SetUpPicture::Diffusion},
    {FreePath, texts::kMenuFreePath, texts::kFreePathTitle, texts::kMemo10, false, true, true,
     SetUpPicture::FreePath},
    {WallCollisions, texts::kMenuWalls, texts::kWallTitle, texts::kWallIntro, false, false, true,
     SetUpPicture::WallCollisions},
    // The temperature's runs use the experiment panel.
    {Temperature, texts::kMenuTemperature, texts::kTemperatureTitle, texts::kTemperatureIntro, true,
     false, true, SetUpPicture::WallCollisions},
    {Pressure, texts::kMenuPressure, texts::kPressureTitle, texts::kMemo62, false, true, true,
     SetUpPicture::FreePath},
    {Heat, texts::kMenuHeat, texts::kHeatTitle, texts::kMemo73, false, true, true,
     SetUpPicture::FreePath},
};

constexpr auto kSame = Visibility::Unchanged;

// The concentration chart needs room at the right of the vessel: 600 wide at most. Only the
// free-path study stops its runs after a chosen number of collisions.
const Exercise kExerciseTable[] = {
    {"dyfuzja", QT_TRANSLATE_NOOP("kinetra", "ilustracja zjawiska dyfuzji"), Diffusion,
     texts::kLabel11, nullptr, PaneId::DiffusionIllustration, PaneId::DiffusionChart,
     kModeDiffusion, RunKind::SetUpPanel, 700, kSame, -1},
    {"dyfuzja-wykres", QT_TRANSLATE_NOOP("kinetra", "ilustracja zjawiska dyfuzji z wykresem"),
     Diffusion, texts::kLabel13, nullptr, PaneId::DiffusionChart, PaneId::DiffusionIllustration,
     kModeDiffusionChart, RunKind::SetUpPanel, 600, kSame, -1},
    {"droga-swobodna", QT_TRANSLATE_NOOP("kinetra", "droga swobodna, ilustracja zjawiska"),
     FreePath, texts::kLabel20, nullptr, PaneId::FreePathIllustration, PaneId::FreePathStudy,
     kModeFreePath, RunKind::SetUpPanel, 0, Visibility::Hidden, -1},
    {"droga-swobodna-badanie",
     QT_TRANSLATE_NOOP("kinetra", "zależność średniej drogi swobodnej od liczby cząsteczek"),
     FreePath, texts::kLabel22, texts::kLabel23, PaneId::FreePathStudy,
     PaneId::FreePathIllustration, kModeFreePath, RunKind::SetUpPanel, 0, Visibility::Shown, -1},
    {"zderzenia", QT_TRANSLATE_NOOP("kinetra", "pomiar liczby zderzeń ze ściankami naczynia"),
     WallCollisions, texts::kLabel26, nullptr, PaneId::WallCollisions, std::nullopt,
     kModeWallCollisions, RunKind::SetUpPanel, 0, kSame, -1},
    {"temperatura", QT_TRANSLATE_NOOP("kinetra", "od czego zależy temperatura"), Temperature,
     texts::kLabel46, nullptr, PaneId::TemperatureIntro, PaneId::TemperatureStudy, kModeTemperature,
     RunKind::Experiment, 0, kSame, -1},
    {"temperatura-liczba", QT_TRANSLATE_NOOP("kinetra", "temperatura a liczba cząsteczek"),
     Temperature, texts::kLabel47, nullptr, PaneId::TemperatureStudy, PaneId::TemperatureIntro,
     kModeTemperature, RunKind::Study, 0, kSame, 4},
    {"temperatura-predkosc",
     QT_TRANSLATE_NOOP("kinetra", "temperatura a średnia prędkość cząsteczek"), Temperature,
     texts::kLabel65, nullptr, PaneId::TemperatureStudy, PaneId::TemperatureIntro, kModeTemperature,
     RunKind::Study, 0, kSame, 5},
    {"temperatura-masa", QT_TRANSLATE_NOOP("kinetra", "temperatura a masa cząsteczek"), Temperature,
     texts::kLabel75, nullptr, PaneId::TemperatureStudy, PaneId::TemperatureIntro, kModeTemperature,
     RunKind::Study, 0, kSame, 6},
    {"temperatura-naczynie", QT_TRANSLATE_NOOP("kinetra", "temperatura a wielkość naczynia"),
     Temperature, texts::kLabel76, nullptr, PaneId::TemperatureStudy, PaneId::TemperatureIntro,
     kModeTemperature, RunKind::Study, 0, kSame, 7},
    {"cisnienie", QT_TRANSLATE_NOOP("kinetra", "od czego zależy ciśnienie gazu"), Pressure,
     texts::kLabel64, nullptr, PaneId::PressureIntro, PaneId::PressureStudy, kModePressure,
     RunKind::Experiment, 0, kSame, -1},
    {"cisnienie-liczba", QT_TRANSLATE_NOOP("kinetra", "ciśnienie a liczba cząsteczek"), Pressure,
     texts::kLabel97, nullptr, PaneId::PressureStudy, PaneId::PressureIntro, kModePressure,
     RunKind::Study, 0, kSame, 0},
    {"cisnienie-predkosc", QT_TRANSLATE_NOOP("kinetra", "ciśnienie a średnia prędkość cząsteczek"),
     Pressure, texts::kLabel98, nullptr, PaneId::PressureStudy, PaneId::PressureIntro,
     kModePressure, RunKind::Study, 0, kSame, 1},
    {"cisnienie-masa", QT_TRANSLATE_NOOP("kinetra", "ciśnienie a masa cząsteczek"), Pressure,
     texts::kLabel99, nullptr, PaneId::PressureStudy, PaneId::PressureIntro, kModePressure,
     RunKind::Study, 0, kSame, 2},
    {"cisnienie-naczynie", QT_TRANSLATE_NOOP("kinetra", "ciśnienie a wielkość naczynia"), Pressure,
     texts::kLabel100, nullptr, PaneId::PressureStudy, PaneId::PressureIntro, kModePressure,
     RunKind::Study, 0, kSame, 3},
    {"transport-ciepla", QT_TRANSLATE_NOOP("kinetra", "transport ciepła"), Heat, texts::kLabel69,
     nullptr, PaneId::Heat, std::nullopt, kModeHeatTransport, RunKind::Background, 0, kSame, -1},
};

// Instructions, one per study; the study shows its own and hides the rest.
constexpr const char* kPressureByCount = QT_TRANSLATE_NOOP(
    "kinetra",
    "Ustaw następujące parametry układu: \n"
    "- średnia prędkość cząsteczek (Vśr.): około 100 jednostek,\n"
    "- masa cząsteczki gazu: 7 u,\n"
    "- szerokość naczynia: 400 jednostek.\n"
    "Potem suwakiem „Liczba cząsteczek” zmieniaj liczbę cząsteczek gazu. Dla każdej liczby "
    "cząsteczek odczytaj wskazanie manometru i wpisz do tabeli liczbę cząsteczek N oraz "
    "ciśnienie p. Powtórz pomiar dla kilku, a najlepiej kilkunastu różnych liczb cząsteczek. "
    "Na koniec narysuj wykres i zastanów się, jak ciśnienie gazu zależy od liczby jego "
    "cząsteczek.");
constexpr const char* kPressureBySpeed = QT_TRANSLATE_NOOP(
    "kinetra",
    "Ustaw następujące parametry układu: \n"
    "- masa cząsteczki gazu: 7 u,\n"
    "- szerokość naczynia: 500 jednostek,\n"
    "- liczba cząsteczek: 500.\n"
    "Potem suwakiem „Vśr. cząsteczek” zmieniaj średnią prędkość cząsteczek gazu. Dla każdej "
    "prędkości odczytaj wskazanie manometru i wpisz do tabeli średnią prędkość Vśr oraz "
    "ciśnienie p. Powtórz pomiar dla kilku, a najlepiej kilkunastu różnych prędkości. Na koniec "
    "narysuj wykres i zastanów się, jak ciśnienie gazu zależy od średniej prędkości jego "
    "cząsteczek.");
constexpr const char* kPressureByMass = QT_TRANSLATE_NOOP(
    "kinetra",
    "Ustaw następujące parametry układu: \n"
    "- średnia prędkość cząsteczek (Vśr.): około 100 jednostek,\n"
    "- szerokość naczynia: 500 jednostek,\n"
    "- liczba cząsteczek: 500.\n"
    "Potem suwakiem „Masa cząsteczek gazu” zmieniaj masę cząsteczek. Dla każdej masy odczytaj "
    "wskazanie manometru i wpisz do tabeli masę cząsteczki m oraz ciśnienie p. Powtórz pomiar "
    "dla kilku, a najlepiej kilkunastu różnych mas. Na koniec narysuj wykres i zastanów się, "
    "jak ciśnienie gazu zależy od masy jego cząsteczek.");
constexpr const char* kPressureByVolume = QT_TRANSLATE_NOOP(
    "kinetra",
    "Ustaw następujące parametry układu: \n"
    "- średnia prędkość cząsteczek (Vśr.): około 120 jednostek,\n"
    "- masa cząsteczki gazu: 9 u,\n"
    "- liczba cząsteczek: 500.\n"
    "Potem suwakiem „Szerokość naczynia” zmieniaj bok naczynia. Naczynie jest kwadratem, więc "
    "jego objętość to bok pomnożony przez bok: V = bok × bok. Dla każdego boku oblicz V, "
    "odczytaj wskazanie manometru i wpisz do tabeli objętość V oraz ciśnienie p. Powtórz pomiar "
    "dla kilku, a najlepiej kilkunastu różnych boków. Na koniec narysuj wykres i zastanów się, "
    "jak ciśnienie gazu zależy od objętości naczynia.");
constexpr const char* kTemperatureByCount = QT_TRANSLATE_NOOP(
    "kinetra",
    "Ustaw następujące parametry układu: \n"
    "- średnia prędkość cząsteczek (Vśr.): około 100 jednostek,\n"
    "- masa cząsteczki gazu: 7 u,\n"
    "- szerokość naczynia: 400 jednostek.\n"
    "Potem suwakiem „Liczba cząsteczek” zmieniaj liczbę cząsteczek gazu. Dla każdej liczby "
    "cząsteczek odczytaj wskazanie termometru i wpisz do tabeli liczbę cząsteczek N oraz "
    "temperaturę T. Powtórz pomiar dla kilku, a najlepiej kilkunastu różnych liczb cząsteczek. "
    "Na koniec narysuj wykres i zastanów się, czy temperatura gazu zależy od liczby jego "
    "cząsteczek.");
constexpr const char* kTemperatureBySpeed = QT_TRANSLATE_NOOP(
    "kinetra",
    "Ustaw następujące parametry układu: \n"
    "- masa cząsteczki gazu: 7 u,\n"
    "- szerokość naczynia: 500 jednostek,\n"
    "- liczba cząsteczek: 500.\n"
    "Potem suwakiem „Vśr. cząsteczek” zmieniaj średnią prędkość cząsteczek gazu. Dla każdej "
    "prędkości odczytaj wskazanie termometru i wpisz do tabeli średnią prędkość Vśr oraz "
    "temperaturę T. Powtórz pomiar dla kilku, a najlepiej kilkunastu różnych prędkości. "
    "Na koniec narysuj wykres i zastanów się, jak temperatura gazu zależy od średniej "
    "prędkości jego cząsteczek.");
constexpr const char* kTemperatureByMass = QT_TRANSLATE_NOOP(
    "kinetra",
    "Ustaw następujące parametry układu: \n"
    "- średnia prędkość cząsteczek (Vśr.): około 100 jednostek,\n"
    "- szerokość naczynia: 500 jednostek,\n"
    "- liczba cząsteczek: 500.\n"
    "Potem suwakiem „Masa cząsteczek gazu” zmieniaj masę cząsteczek. Dla każdej masy odczytaj "
    "wskazanie termometru i wpisz do tabeli masę cząsteczki m oraz temperaturę T. Powtórz "
    "pomiar dla kilku, a najlepiej kilkunastu różnych mas. Na koniec narysuj wykres i zastanów "
    "się, jak temperatura gazu zależy od masy jego cząsteczek.");
constexpr const char* kTemperatureByVolume = QT_TRANSLATE_NOOP(
    "kinetra",
    "Ustaw następujące parametry układu: \n"
    "- średnia prędkość cząsteczek (Vśr.): około 120 jednostek,\n"
    "- masa cząsteczki gazu: 9 u,\n"
    "- liczba cząsteczek: 500.\n"
    "Potem suwakiem „Szerokość naczynia” zmieniaj bok naczynia. Naczynie jest kwadratem, więc "
    "jego objętość to bok pomnożony przez bok: V = bok × bok. Dla każdego boku oblicz V, "
    "odczytaj wskazanie termometru i wpisz do tabeli objętość V oraz temperaturę T. Powtórz "
    "pomiar dla kilku, a najlepiej kilkunastu różnych boków. Na koniec narysuj wykres i "
    "zastanów się, czy temperatura gazu zależy od objętości naczynia.");

constexpr const char* kExactPressure = QT_TRANSLATE_NOOP(
    "kinetra",
    "Model dokładny: ciśnienie mierzy się z uderzeń cząsteczek o ścianki. Po każdej zmianie "
    "odczekaj, aż zamiast napisu „trwa pomiar” pojawi się wartość (przy 100 cząsteczkach około "
    "10 s). Prawo gazu doskonałego opisuje gaz rzadki: krążki mają własną powierzchnię (ile pola "
    "zajmują, podaje napis pod ciśnieniem), więc im gęstszy gaz, tym mniej mają miejsca do ruchu "
    "i tym częściej uderzają w ścianki. Ciśnienie jest przez to wyższe, niż podaje prawo: przy "
    "500 cząsteczkach o ponad jedną dziesiątą. Z tego samego powodu średnia droga swobodna w "
    "gęstym gazie jest krótsza, niż podaje wzór dla gazu rzadkiego.");
constexpr const char* kExactTemperatureByCount = QT_TRANSLATE_NOOP(
    "kinetra",
    "Model dokładny: temperatura to średnia energia jednej cząsteczki, więc nie zależy od "
    "liczby cząsteczek (w modelu prostym rośnie razem z nią).");
constexpr const char* kExactTemperatureBySpeed = QT_TRANSLATE_NOOP(
    "kinetra",
    "Model dokładny: temperatura to średnia energia jednej cząsteczki, więc rośnie z kwadratem "
    "średniej prędkości.");
constexpr const char* kExactTemperatureByMass = QT_TRANSLATE_NOOP(
    "kinetra",
    "Model dokładny: temperatura to średnia energia jednej cząsteczki, więc przy tej samej "
    "prędkości rośnie proporcjonalnie do masy.");
constexpr const char* kExactTemperatureByVolume = QT_TRANSLATE_NOOP(
    "kinetra",
    "Model dokładny: temperatura to średnia energia jednej cząsteczki, więc nie zależy od "
    "wielkości naczynia.");

// The pressure studies first, as their table panel lists its instructions.
const Study kStudyTable[] = {
    {true, StudiedQuantity::ParticleCount,

     QT_TRANSLATE_NOOP("kinetra", "Badanie zależności ciśnienia od ilości cząsteczek gazu"),
     QT_TRANSLATE_NOOP("kinetra",
                       "Zbadamy czy i jak zależy ciśnienie gazu od liczby cząsteczek gazu "
                       "znajdujących się w zamkniętym naczyniu. Doświadczenie będzie polegało na "
                       "pomiarze ciśnienia dla różnej liczby cząsteczek gazu."),
     QT_TRANSLATE_NOOP("kinetra", "Liczba"), QT_TRANSLATE_NOOP("kinetra", "cząsteczek N"),
     QT_TRANSLATE_NOOP("kinetra", "Wykres zależności ciśnienia gazu"),
     QT_TRANSLATE_NOOP("kinetra", "od liczby cząsteczek gazu"), QT_TRANSLATE_NOOP("kinetra", "N"),
     Fit::StraightLine, kPressureByCount, kExactPressure},
    {true, StudiedQuantity::MeanSpeed,
     QT_TRANSLATE_NOOP("kinetra",
                       "Badanie zależności ciśnienia od średniej prędkości cząsteczek gazu"),
     QT_TRANSLATE_NOOP("kinetra",
                       "Zbadamy czy i jak zależy ciśnienie gazu od średniej prędkości cząsteczek "
                       "gazu znajdujących się w zamkniętym naczyniu. Doświadczenie będzie polegało "
                       "na pomiarze ciśnienia dla różnych wartości prędkości cząsteczek gazu."),
     QT_TRANSLATE_NOOP("kinetra", "Śr. prędkość"), QT_TRANSLATE_NOOP("kinetra", "cząsteczek Vśr"),
     QT_TRANSLATE_NOOP("kinetra", "Wykres zależności ciśnienia gazu"),
     QT_TRANSLATE_NOOP("kinetra", "od średniej prędkości cząsteczek gazu"),
     QT_TRANSLATE_NOOP("kinetra", "Vśr [jedn.]"), Fit::Parabola, kPressureBySpeed, kExactPressure},
    {true, StudiedQuantity::ParticleMass,

     QT_TRANSLATE_NOOP("kinetra", "Badanie zależności ciśnienia od masy cząsteczek gazu"),
     QT_TRANSLATE_NOOP("kinetra",
                       "Zbadamy czy i jak zależy ciśnienie gazu od masy cząsteczek gazu "
                       "znajdujących się w zamkniętym naczyniu. Doświadczenie będzie polegało na "
                       "pomiarze ciśnienia dla różnych wartości masy cząsteczek gazu."),
     QT_TRANSLATE_NOOP("kinetra", "Masa"), QT_TRANSLATE_NOOP("kinetra", "cząsteczek m"),
     QT_TRANSLATE_NOOP("kinetra", "Wykres zależności ciśnienia gazu"),
     QT_TRANSLATE_NOOP("kinetra", "od masy cząsteczek gazu"), QT_TRANSLATE_NOOP("kinetra", "m [u]"),
     Fit::StraightLine, kPressureByMass, kExactPressure},
    {true, StudiedQuantity::VesselVolume,

     QT_TRANSLATE_NOOP("kinetra", "Badanie zależności ciśnienia od wielkości naczynia"),
     QT_TRANSLATE_NOOP("kinetra",
                       "Zbadamy czy i jak zależy ciśnienie gazu od wielkości naczynia. "
                       "Doświadczenie będzie polegało na pomiarze ciśnienia dla różnych wartoci "
                       "objetości naczynia."),
     QT_TRANSLATE_NOOP("kinetra", "Objętość"), QT_TRANSLATE_NOOP("kinetra", "naczynia V"),
     QT_TRANSLATE_NOOP("kinetra", "Wykres zależności ciśnienia gazu"),
     QT_TRANSLATE_NOOP("kinetra", "od objętości naczynia"),
     QT_TRANSLATE_NOOP("kinetra", "V [jedn.]"), Fit::Hyperbola, kPressureByVolume, kExactPressure},
    {false, StudiedQuantity::ParticleCount,

     QT_TRANSLATE_NOOP("kinetra", "Badanie zależności temperatury od ilości cząsteczek gazu"),
     QT_TRANSLATE_NOOP(
         "kinetra",
         "Zbadamy czy i jak zależy temperatura gazu od liczby cząsteczek zbajdujących "
         "się w zamkniętym naczyniu. Doświadczenie będzie polegało na pomiarze "
         "temperatury dla różnej liczby cząsteczek w każdym powtórzeniu "
         "doświadczenia."),
     QT_TRANSLATE_NOOP("kinetra", "Liczba"), QT_TRANSLATE_NOOP("kinetra", "cząsteczek N"),
     QT_TRANSLATE_NOOP("kinetra", "Wykres zależności temperatury gazu"),
     QT_TRANSLATE_NOOP("kinetra", "od liczby cząsteczek gazu"), QT_TRANSLATE_NOOP("kinetra", "N"),
     Fit::StraightLine, kTemperatureByCount, kExactTemperatureByCount},
    {false, StudiedQuantity::MeanSpeed,
     QT_TRANSLATE_NOOP("kinetra",
                       "Badanie zależności temperatury od średniej prędkości cząsteczek gazu"),
     QT_TRANSLATE_NOOP("kinetra",
                       "Zbadamy czy i jak zależy temperatura gazu od średniej prędkości cząsteczek "
                       "gazu znajdujących się w zamkniętym naczyniu. Doświadczenie będzie polegało "
                       "na pomiarze temperatury dla różnych wartości średnich prędkości "
                       "cząsteczek."),
     QT_TRANSLATE_NOOP("kinetra", "Śr. prędkość"), QT_TRANSLATE_NOOP("kinetra", "cząsteczek Vśr"),
     QT_TRANSLATE_NOOP("kinetra", "Wykres zależności temperatury gazu"),
     QT_TRANSLATE_NOOP("kinetra", "od śedniej prędkości cząsteczek gazu"),
     QT_TRANSLATE_NOOP("kinetra", "Vśr [jedn.]"), Fit::Parabola, kTemperatureBySpeed,
     kExactTemperatureBySpeed},
    {false, StudiedQuantity::ParticleMass,

     QT_TRANSLATE_NOOP("kinetra", "Badanie zależności temperatury od masy cząsteczek gazu"),
     QT_TRANSLATE_NOOP("kinetra",
                       "Zbadamy czy i jak zależy temperatura gazu od masy cząsteczek gazu "
                       "znajdujących się w zamkniętym naczyniu. Doświadczenie będzie polegało na "
                       "pomiarze temperatury dla różnych wartości mas cząsteczek."),
     QT_TRANSLATE_NOOP("kinetra", "Masa"), QT_TRANSLATE_NOOP("kinetra", "cząsteczek m"),
     QT_TRANSLATE_NOOP("kinetra", "Wykres zależności temperatury gazu"),
     QT_TRANSLATE_NOOP("kinetra", "od masy cząsteczek gazu"), QT_TRANSLATE_NOOP("kinetra", "m [u]"),
     Fit::StraightLine, kTemperatureByMass, kExactTemperatureByMass},
    {false, StudiedQuantity::VesselVolume,

     QT_TRANSLATE_NOOP("kinetra", "Badanie zależności temperatury od wielkości naczynia"),
     QT_TRANSLATE_NOOP("kinetra",
                       "Zbadamy czy i jak zależy temperatura gazu od wielkości naczynia. "
                       "Doświadczenie będzie polegało na pomiarze temperatury dla różnych wartości "
                       "objętości naczynia."),
     QT_TRANSLATE_NOOP("kinetra", "Objętość"), QT_TRANSLATE_NOOP("kinetra", "naczynia V"),
     QT_TRANSLATE_NOOP("kinetra", "Wykres zależności temperatury gazu"),
     QT_TRANSLATE_NOOP("kinetra", "od objętości naczynia"),
     QT_TRANSLATE_NOOP("kinetra", "V [jedn]"), Fit::StraightLine, kTemperatureByVolume,
     kExactTemperatureByVolume},
};

}  // namespace

std::span<const Topic> Topics() {
    return kTopicTable;
}

const Topic& TopicOf(TopicId id) {
    return kTopicTable[static_cast<size_t>(id)];
}

std::span<const Exercise> Exercises() {
    return kExerciseTable;
}

const Exercise* FindExercise(std::string_view name) {
    for (const Exercise& exercise : kExerciseTable) {
        if (name == exercise.Name) return &exercise;
    }
    return nullptr;
}

std::span<const Study> Studies() {
    return kStudyTable;
}
