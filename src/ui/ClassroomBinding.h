#pragma once

#include "ui/Binding.h"
#include "ui/Classroom.h"
#include "ui/FormControls.h"

// Builds what the window adds for class use around the described screens, in the panels it
// belongs to: the view choices on the menu, the stop note over the picture, "Anuluj" on the
// initial-conditions panel, the heat transport's settings on its page and a clear button under
// each table.
ClassroomControls BuildClassroom(const MainMenuControls& menu,
                                 const InitialConditionsPanel& conditions,
                                 const StudyTablePanel& studyTable, QWidget* picture);

// The classroom options: how the pictures are drawn, and the heat transport's settings.
class ClassroomBinding final : public Binding {
  public:
    explicit ClassroomBinding(TForm1& form);

    void Present(const Screen& screen, ScreenChanges& changes) override;

    void ViewChoiceChange();
    void HeatSettingChange();
    void HeatDefaultsClick();  // the heat transport's settings back to their start values
};
