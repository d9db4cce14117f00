// The two measurement tables: their cells, the check of every keystroke, and the charts drawn
// from them.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include "core/CellRules.h"
#include "engine/Publisher.h"
#include "measure/CoreText.h"
#include "measure/DependencyChart.h"
#include "measure/Language.h"
#include "ui/CellHint.h"
#include "ui/ChartBox.h"
#include "ui/Messages.h"
#include "ui/Widgets.h"
#include "ui/kinetra_u.h"

void TForm1::ConnectTables() {
    for (const TableCells* table : {&freePathTable_.Cells, &studyTable_.Cells}) {
        for (QLineEdit* cell : table->cells)
            connect(cell, &QLineEdit::textChanged, this, [this, cell] { EditChange(cell); });
    }
    for (ChartBox* box : {freePathTable_.wykr, studyTable_.PaintBox2}) {
        box->SetPaintHandler(
            [this](QWidget* sender, QPainter& painter) { wykrPaint(sender, painter); });
    }
    ConnectClicks({
        {freePathTable_.BitBtn28, &TForm1::BitBtn28Click},
        {studyTable_.BitBtn35, &TForm1::BitBtn35Click},
    });
}

void TForm1::EditChange(QLineEdit* cell) {
    const char separator = DecimalSeparator();
    const std::string shown = ToCore(cell->text());
    const std::string text = NormalisedCellText(shown, separator);
    if (text != shown) {
        cell->setText(FromCore(text));  // back here with the text as meant
        return;
    }
    // A bad character inside the text takes the rest of the text with it, as if the check
    // ran again after every change until what is left passes; the settled text is written at
    // once, so that a long pasted text costs one change, not one per character. The note
    // under the cell says why.
    const std::string checked = SettleCellText(text, separator);
    if (checked == text) return;
    if (const char* hint = CellHintFor(text, separator)) ShowCellHint(cell, Tr(hint));
    cell->setText(FromCore(checked));
}

ChartInput TForm1::CurrentChartInput() const {
    ChartInput input;
    input.Rows = sim_->S.TableRows;
    input.SimulationMode = sim_->S.SimulationMode;
    input.ChartXCaption = sim_->S.ChartXCaption;
    // The options stand in the free-path pane only, yet they hold for both tables.
    input.ScaleFromZero = menu_.CheckBox1->isChecked();
    input.DrawCurve = menu_.CheckBox3->isChecked();
    return input;
}

void TForm1::DrawChart(QWidget* box, ChartMemory& memory, int kind) {
    memory.Input = CurrentChartInput();
    memory.Kind = kind;
    box->update();
}

void TForm1::BitBtn28Click() {
    // No check here: an empty table gives an empty chart.
    sim_->S.TableRows = GatherTable(ToCore(freePathTable_.Cells.Texts()));
    DrawChart(freePathTable_.wykr, wykrChart_, kHyperbola);
}

bool TForm1::GatherStudyTable() {
    const std::vector<std::string> cells = ToCore(studyTable_.Cells.Texts());
    sim_->S.TableRows = GatherTable(cells);
    if (FirstRowsReady(cells)) return true;
    ShowInformation(this, QString::fromUtf8(publisher::kProductTitle), Tr(kFillTableMessage));
    return false;
}

void TForm1::BitBtn35Click() {
    if (!GatherStudyTable()) return;
    DrawChart(studyTable_.PaintBox2, paintBox2Chart_, sim_->S.ChartKind);
    if (studyChartMode_ != 0) paintBox2Chart_.Input.SimulationMode = studyChartMode_;
}

void TForm1::wykrPaint(QWidget* box, QPainter& painter) {
    // Each box shows its own last chart, whatever the other box or the table did since.
    const ChartMemory& memory = box == freePathTable_.wykr ? wykrChart_ : paintBox2Chart_;
    DrawDependencyChart(painter, box->size(), kTableRowCount, memory.Kind, memory.Input);
}
