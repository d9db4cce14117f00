#pragma once

#include <QString>
#include <vector>

class TForm1;

// The exercises a teacher can open directly from the command line: the topic button and the
// exercise link that lead to its pane, and the pane itself.
struct Exercise {
    const char* Name;         // short ASCII name given after --exercise
    const char* Description;  // one line of Polish for --help
    void (TForm1::*Topic)();
    void (TForm1::*Link)();
    const char* Pane;
};

const std::vector<Exercise>& Exercises();
const Exercise* FindExercise(const QString& name);

// Opens the exercise's pane in the menu, as the two clicks of a pupil would. Returns false
// when no exercise has that name.
bool OpenExercise(TForm1& form, const QString& name);
