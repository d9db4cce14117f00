// The studies of how the pressure and the temperature depend on one quantity: choosing a study
// writes its texts into the pane and the table panel, and the table panel is shown over the
// running experiment or put aside.
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>

#include "engine/Modes.h"
#include "measure/Language.h"
#include "ui/ChartBox.h"
#include "ui/ExactStudyTexts.h"
#include "ui/StudyTexts.h"
#include "ui/Widgets.h"
#include "ui/kinetra_u.h"

void TForm1::ConnectDependencyStudies() {
    ConnectClicks({
        {menu_.BitBtn13, &TForm1::BitBtn13Click},
        {menu_.BitBtn39, &TForm1::BitBtn39Click},
        {studyTable_.BitBtn40, &TForm1::BitBtn40Click},
        {studyTable_.Button1, &TForm1::Button1Click},
        {studyTable_.Button2, &TForm1::Button2Click},
    });
}

void TForm1::SetUpDependencyStudy(ClickLabel* MainMenuControls::*link) {
    namespace s = study_texts;
    const s::Study* study = nullptr;
    for (const s::Study& candidate : s::kStudies) {
        if (candidate.Link == link) study = &candidate;
    }
    Q_ASSERT(study);
    if (!study) return;
    study_ = link;

    StudyTablePanel& t = studyTable_;
    const auto caption = [](QLabel* label, const QString& text) {
        label->setText(text);
        label->adjustSize();
    };
    // The pane's title keeps the pane's width so that it stays centred.
    (study->Pressure ? menu_.Label72 : menu_.Label43)->setText(Tr(study->Title));
    (study->Pressure ? menu_.Memo72 : menu_.Memo24)->setPlainText(Tr(study->Description));

    // The link's caption without its number and point; the blank after them stays.
    caption(t.Label101, (menu_.*link)->text().mid(2));
    caption(t.Label103, study->Pressure ? Tr(QT_TRANSLATE_NOOP("kinetra", "Ciśnienie"))
                                        : Tr(QT_TRANSLATE_NOOP("kinetra", "Temperatura")));
    // The temperature has no power of ten.
    t.Label104->setVisible(study->Pressure);
    t.Label73->setVisible(study->Pressure);
    caption(t.Label102, Tr(study->X1));
    caption(t.Label105, Tr(study->X2));
    caption(t.Label115, Tr(study->Chart1));
    caption(t.Label116, Tr(study->Chart2));

    sim_->S.ChartXCaption = study->ChartXCaption;
    sim_->S.ChartKind = static_cast<uint8_t>(study->ChartKind);
    // The chart of another study, with its quantity on the axis, does not stay under this one.
    studyChartMode_ = study->Pressure ? kModePressure : kModeTemperature;
    paintBox2Chart_ = ChartMemory{};
    studyTable_.PaintBox2->update();

    QPlainTextEdit* shown = t.*(study->Memo);
    for (QPlainTextEdit* memo : t.InstructionMemos())
        memo->setVisible(memo == shown);
    ShowExactStudyNote();
}

void TForm1::ShowExactStudyNote() {
    QLabel* note = studyTable_.ExactNote;
    const study_texts::Study* study = nullptr;
    for (const study_texts::Study& candidate : study_texts::kStudies) {
        if (candidate.Link == study_) study = &candidate;
    }
    const QString* text = nullptr;
    for (const exact_study_texts::Note& candidate : exact_study_texts::kNotes) {
        if (study && candidate.Memo == study->Memo) text = candidate.Text;
    }
    note->setText(text ? Tr(*text) : QString());
    note->setVisible(text && sim_->Model == GasModel::Exact);
}

void TForm1::ShowTablePanel() {
    studyTable_.ScrollBox14->show();
    studyTable_.Panel11->show();
}

void TForm1::BitBtn13Click() {
    BitBtn32Click();
    ShowTablePanel();
}

void TForm1::BitBtn39Click() {
    BitBtn15Click();
    ShowTablePanel();
}

void TForm1::Button1Click() {
    studyTable_.Panel11->hide();
    studyTable_.Button2->show();
}

void TForm1::BitBtn40Click() {
    // The experiment has been running behind the panel all along.
    studyTable_.Panel11->hide();
    studyTable_.Button2->show();
}

void TForm1::Button2Click() {
    studyTable_.Panel11->show();
    studyTable_.Button2->hide();
}
