// The studies of how the pressure and the temperature depend on one quantity: a chosen study's
// texts in the pane and the table panel, and the table panel over the running experiment or put
// aside.
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>

#include "core/StudyTexts.h"
#include "measure/Language.h"
#include "ui/ChartBox.h"
#include "ui/StudiesBinding.h"
#include "ui/Widgets.h"
#include "ui/kinetra_u.h"

StudiesBinding::StudiesBinding(TForm1& form) : Binding(form) {
    const StudyTablePanel& t = form.StudyTable();
    const FreePathTable& f = form.FreePath();
    const ClassroomControls& c = form.Classroom();
    ConnectClicks<StudiesBinding>(
        this, {
                  {form.Menu().BitBtn13, &StudiesBinding::BitBtn13Click},
                  {form.Menu().BitBtn39, &StudiesBinding::BitBtn39Click},
                  {t.BitBtn40, &StudiesBinding::BitBtn40Click},
                  {t.Button1, &StudiesBinding::Button1Click},
                  {t.Button2, &StudiesBinding::Button2Click},
                  {f.BitBtn28, &StudiesBinding::BitBtn28Click},
                  {t.BitBtn35, &StudiesBinding::BitBtn35Click},
                  {c.ClearFreePathTable, &StudiesBinding::ClearFreePathTableClick},
                  {c.ClearStudyTable, &StudiesBinding::ClearStudyTableClick},
              });
    ConnectTables();
}

void StudiesBinding::Present(const Screen& screen, ScreenChanges& changes) {
    const StudyTablePanel& t = form_.StudyTable();
    if (screen.StudyChoices != studyChoices_) {
        studyChoices_ = screen.StudyChoices;
        WriteStudyTexts(screen.Study);
        // The chart of another study, with its quantity on the axis, does not stay under this
        // one.
        paintBox2Chart_ = ChartMemory{};
        t.PaintBox2->update();
    }
    t.ExactNote->setVisible(screen.ExactNote);
    changes.Show(t.Button2, screen.StudyTableButton);
    changes.Show(t.Panel11, screen.StudyTable, true);
}

void StudiesBinding::WriteStudyTexts(int index) {
    if (index < 0) return;
    const Study& study = Studies()[static_cast<size_t>(index)];
    const auto exercise = std::find_if(Exercises().begin(), Exercises().end(),
                                       [index](const Exercise& e) { return e.Study == index; });
    const MainMenuControls& m = form_.Menu();
    const StudyTablePanel& t = form_.StudyTable();
    const auto caption = [](QLabel* label, const QString& text) {
        label->setText(text);
        label->adjustSize();
    };
    // The pane's title keeps the pane's width so that it stays centred.
    (study.Pressure ? m.Label72 : m.Label43)->setText(Tr(study.Title));
    (study.Pressure ? m.Memo72 : m.Memo24)->setPlainText(Tr(study.Description));

    // The link's caption without its number and point; the blank after them stays.
    caption(t.Label101, Tr(exercise->Link).mid(2));
    caption(t.Label103,
            Tr(study.Pressure ? study_texts::kPressureHeading : study_texts::kTemperatureHeading));
    // The temperature has no power of ten.
    t.Label104->setVisible(study.Pressure);
    t.Label73->setVisible(study.Pressure);
    caption(t.Label102, Tr(study.HeadingX1));
    caption(t.Label105, Tr(study.HeadingX2));
    caption(t.Label115, Tr(study.ChartTitle1));
    caption(t.Label116, Tr(study.ChartTitle2));

    const auto memos = t.InstructionMemos();
    for (size_t i = 0; i < memos.size(); ++i)
        memos[i]->setVisible(i == static_cast<size_t>(index));
    t.ExactNote->setText(Tr(study.ExactNote));
}

void StudiesBinding::BitBtn13Click() {
    Dispatch([this] { Core().Run(PaneId::TemperatureStudy); }, ScreenOrder::HidesFirst);
}

void StudiesBinding::BitBtn39Click() {
    Dispatch([this] { Core().Run(PaneId::PressureStudy); }, ScreenOrder::HidesFirst);
}

void StudiesBinding::Button1Click() {
    Dispatch([this] { Core().HideStudyTable(); });
}

void StudiesBinding::BitBtn40Click() {
    // The experiment has been running behind the panel all along.
    Dispatch([this] { Core().HideStudyTable(); });
}

void StudiesBinding::Button2Click() {
    Dispatch([this] { Core().ShowStudyTable(); });
}

void StudiesBinding::Retranslate() {
    WriteStudyTexts(Core().Shown().Study);
}
