#pragma once

#include <QString>

#include "core/Catalogue.h"
#include "ui/Binding.h"

class QScrollArea;
class TFO_programie;
class Tjednostki;

// The main menu: its topic buttons and pages, the exercise links and their panes, the two
// dialogs, the publisher's page and the way out.
class NavigationBinding final : public Binding {
  public:
    explicit NavigationBinding(TForm1& form);

    void Present(const Screen& screen, ScreenChanges& changes) override;
    void SetDialogs(TFO_programie* about, Tjednostki* units);
    // Opens an exercise by its --exercise name, as two clicks would; false for none.
    bool OpenExercise(const QString& name);
    // Whether the program may end now: when a table holds typed values, the pupil is asked.
    bool MayEnd();
    // The pane of the exercise pages that shows an exercise.
    QScrollArea* PaneOf(PaneId pane) const;

    // Topic buttons.
    void BitBtn8Click();   // "Dyfuzja"
    void BitBtn11Click();  // "Droga swobodna"
    void BitBtn9Click();   // "Zderzenia ze ściankami naczynia"
    void BitBtn12Click();  // "Temperatura"
    void BitBtn16Click();  // "Ciśnienie"
    void BitBtn17Click();  // "Transport ciepła"
    // Other menu buttons.
    void BitBtn26Click();  // "O jednostkach"
    void BitBtn10Click();  // "Inne programy"
    void BitBtn4Click();   // "Informacje"
    void BitBtn2Click();   // "Wyjście" of the menu
    // Exercise links.
    void Label11Click();
    void Label13Click();
    void Label20Click();
    void Label22Click();
    void Label23Click();
    void Label26Click();
    void Label46Click();
    void Label47Click();
    void Label65Click();
    void Label75Click();
    void Label76Click();
    void Label64Click();
    void Label97Click();
    void Label98Click();
    void Label99Click();
    void Label100Click();
    void Label69Click();

  private:
    void ChooseTopic(TopicId topic);
    void ChooseExercise(const char* name);

    SetUpPicture picture_ = SetUpPicture::None;  // the set-up panel's picture shown
    TFO_programie* about_ = nullptr;
    Tjednostki* units_ = nullptr;
};
