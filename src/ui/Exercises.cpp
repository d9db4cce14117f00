#include "ui/Exercises.h"

#include "ui/kinetra_u.h"

const std::vector<Exercise>& Exercises() {
    static const std::vector<Exercise> list = {
        {"dyfuzja", "ilustracja zjawiska dyfuzji", &TForm1::BitBtn8Click, &TForm1::Label11Click,
         "ScrollBox1"},
        {"dyfuzja-wykres", "ilustracja zjawiska dyfuzji z wykresem", &TForm1::BitBtn8Click,
         &TForm1::Label13Click, "ScrollBox2"},
        {"droga-swobodna", "droga swobodna, ilustracja zjawiska", &TForm1::BitBtn11Click,
         &TForm1::Label20Click, "ScrollBox4"},
        {"droga-swobodna-badanie", "zależność średniej drogi swobodnej od liczby cząsteczek",
         &TForm1::BitBtn11Click, &TForm1::Label22Click, "ScrollBox3"},
        {"zderzenia", "pomiar liczby zderzeń ze ściankami naczynia", &TForm1::BitBtn9Click,
         &TForm1::Label26Click, "ScrollBox6"},
        {"temperatura", "od czego zależy temperatura", &TForm1::BitBtn12Click,
         &TForm1::Label46Click, "ScrollBox8"},
        {"temperatura-liczba", "temperatura a liczba cząsteczek", &TForm1::BitBtn12Click,
         &TForm1::Label47Click, "ScrollBox5"},
        {"temperatura-predkosc", "temperatura a średnia prędkość cząsteczek",
         &TForm1::BitBtn12Click, &TForm1::Label65Click, "ScrollBox5"},
        {"temperatura-masa", "temperatura a masa cząsteczek", &TForm1::BitBtn12Click,
         &TForm1::Label75Click, "ScrollBox5"},
        {"temperatura-naczynie", "temperatura a wielkość naczynia", &TForm1::BitBtn12Click,
         &TForm1::Label76Click, "ScrollBox5"},
        {"cisnienie", "od czego zależy ciśnienie gazu", &TForm1::BitBtn16Click,
         &TForm1::Label64Click, "ScrollBox10"},
        {"cisnienie-liczba", "ciśnienie a liczba cząsteczek", &TForm1::BitBtn16Click,
         &TForm1::Label97Click, "ScrollBox13"},
        {"cisnienie-predkosc", "ciśnienie a średnia prędkość cząsteczek", &TForm1::BitBtn16Click,
         &TForm1::Label98Click, "ScrollBox13"},
        {"cisnienie-masa", "ciśnienie a masa cząsteczek", &TForm1::BitBtn16Click,
         &TForm1::Label99Click, "ScrollBox13"},
        {"cisnienie-naczynie", "ciśnienie a wielkość naczynia", &TForm1::BitBtn16Click,
         &TForm1::Label100Click, "ScrollBox13"},
        {"transport-ciepla", "transport ciepła", &TForm1::BitBtn17Click, &TForm1::Label69Click,
         "ScrollBox12"},
    };
    return list;
}

const Exercise* FindExercise(const QString& name) {
    for (const Exercise& exercise : Exercises()) {
        if (name == QLatin1String(exercise.Name)) return &exercise;
    }
    return nullptr;
}

bool OpenExercise(TForm1& form, const QString& name) {
    const Exercise* exercise = FindExercise(name);
    if (!exercise) return false;
    (form.*exercise->Topic)();
    (form.*exercise->Link)();
    return true;
}
