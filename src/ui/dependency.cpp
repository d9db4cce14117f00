// The studies of how the pressure and the temperature depend on one quantity: choosing a study
// writes its texts into the pane and the table panel, and the table panel is shown over the
// running experiment or put aside.
#include <QLabel>
#include <QPlainTextEdit>

#include "ui/StudyTexts.h"
#include "ui/kinetra_u.h"

void TForm1::SetUpDependencyStudy(const char* label) {
    namespace t = study_texts;
    const t::Study* study = nullptr;
    for (const t::Study& s : t::kStudies) {
        if (qstrcmp(s.Link, label) == 0) study = &s;
    }
    Q_ASSERT_X(study, "SetUpDependencyStudy", label);
    if (!study) return;

    const auto caption = [this](const char* name, const QString& text) {
        auto* l = Control<QLabel>(name);
        l->setText(text);
        l->adjustSize();
    };
    // The pane's title keeps the pane's width so that it stays centred.
    Control<QLabel>(study->Pressure ? "Label72" : "Label43")->setText(study->Title);
    Control<QPlainTextEdit>(study->Pressure ? "Memo72" : "Memo24")
        ->setPlainText(study->Description);

    // The link's caption without its number and point; the blank after them stays.
    caption("Label101", Control<QLabel>(label)->text().mid(2));
    caption("Label103",
            study->Pressure ? QStringLiteral("Ciśnienie") : QStringLiteral("Temperatura"));
    // The temperature has no power of ten.
    Control("Label104")->setVisible(study->Pressure);
    Control("Label73")->setVisible(study->Pressure);
    caption("Label102", study->X1);
    caption("Label105", study->X2);
    caption("Label115", study->Chart1);
    caption("Label116", study->Chart2);

    sim_->S.ChartXCaption = study->ChartXCaption;
    sim_->S.ChartKind = static_cast<uint8_t>(study->ChartKind);

    for (const char* memo : t::kInstructionMemos)
        Control(memo)->setVisible(qstrcmp(memo, study->Memo) == 0);
}

void TForm1::BitBtn13Click() {
    BitBtn32Click();
    Show("ScrollBox14");
    Show("Panel11");
}

void TForm1::BitBtn39Click() {
    BitBtn15Click();
    Show("ScrollBox14");
    Show("Panel11");
}

void TForm1::Button1Click() {
    Hide("Panel11");
    Show("Button2");
}

void TForm1::BitBtn40Click() {
    // The experiment has been running behind the panel all along.
    Hide("Panel11");
    Show("Button2");
}

void TForm1::Button2Click() {
    Show("Panel11");
    Hide("Button2");
}
